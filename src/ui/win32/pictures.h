#pragma once
// Pictures the player draws itself, so they look the same on every system.
#include <windows.h>

#include "ui/list_box.h"

namespace ui::win32 {

// The trash icon: an empty bin with its lid on, or a full one with paper heaped over the rim
// and the lid pushed aside. Made once; owned here.
HICON TrashPicture(bool full);

// A 16 x 16 picture of a drive's kind drawn with plain shapes, so it never asks the shell (or
// the drive) for anything. (x, y) is the top-left corner, u one unit in pixels.
void DrawDrivePicture(HDC dc, ItemPicture picture, int x, int y, int u);

}  // namespace ui::win32

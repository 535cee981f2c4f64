#pragma once
// Pictures the player draws itself, so they look the same on every system.
#include <windows.h>

namespace ui::win32 {

// The trash icon: an empty bin with its lid on, or a full one with paper heaped over the rim
// and the lid pushed aside. Made once; owned here.
HICON TrashPicture(bool full);

}  // namespace ui::win32

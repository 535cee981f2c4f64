#pragma once
// The mouse side of dragging between controls: a control's window reports presses, moves
// and releases to the kit's drag tracker, with the control and the list entry under the
// mouse, and shows the answer in the pointer.
#include <windows.h>

#include "ui/control.h"

namespace ui::win32 {

class Win32Backend;

// Watches the mouse over a list box, an image or a control with a pop-up menu: drags from
// it, its right-button release and its menu.
void watchMouse(Win32Backend& backend, HWND hwnd);
// Ends a drag in progress without a drop (Escape); false when none was running.
bool cancelDrag(Win32Backend& backend);

}  // namespace ui::win32

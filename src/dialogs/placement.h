#pragma once
// Where a dialog goes and how it looks: centred over its owner (the main window when none),
// kept inside the work area so a box over a window near the edge is still fully visible, and
// painted in the main window's colours.
#include "ui/form.h"

namespace dialogs {

ui::Rect CentredOver(ui::Application& app, ui::Form* owner, int width, int height);
void PaintLikeMainWindow(ui::Form& dialog);

}  // namespace dialogs

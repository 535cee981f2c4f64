#include "dialogs/placement.h"

#include <algorithm>

namespace dialogs {

ui::Rect CentredOver(ui::Application& app, ui::Form* owner, int width, int height) {
  if (!owner) owner = app.mainForm;
  const ui::Rect area = app.workArea();
  // A window whose rectangle cannot be read centres the box on the work area.
  const ui::Rect over = owner && owner->bounds().width > 0 ? owner->bounds() : area;
  const int left = std::clamp(over.left + (over.width - width) / 2, area.left, std::max(area.left, area.right() - width));
  const int top = std::clamp(over.top + (over.height - height) / 2, area.top, std::max(area.top, area.bottom() - height));
  return {left, top, width, height};
}

void PaintLikeMainWindow(ui::Form& dialog) {
  if (const ui::Form* main = dialog.app().mainForm) {
    dialog.setColor(main->color());
    dialog.setFont(main->fontColor(), false);
  }
}

}  // namespace dialogs

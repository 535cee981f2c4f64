#pragma once
// Dragging entries onto the memory list, the trash list and the trash icon: which drags are
// accepted, and the move/copy menu that a drop opens.
#include <functional>

#include "ui/control.h"
#include "ui/menu.h"

namespace app {
class TZELCOR32ZUMIK;
}

namespace memory {

class Trash;

class DragDrop {
 public:
  DragDrop(app::TZELCOR32ZUMIK& window, Trash& trash);

  // The mouse is over target while dragging from source, above entry itemUnderMouse (-1 for
  // none): true when a drop would be accepted; the entry under the mouse is then selected.
  bool DragOver(ui::Control& target, ui::Control& source, int itemUnderMouse);
  bool Accepts(const ui::Control& target, const ui::Control& source) const;
  // The drop itself: opens the drop menu once pending messages have run.
  void DropOn(ui::Control& target, ui::Control& source);
  // The drop menu's items: 0 move selected, 1 copy selected, 2 move all, 3 copy all.
  void DropMenuChoice(int item);

  ui::Control* DropTarget = nullptr;
  ui::Control* DropSource = nullptr;
  bool MoveMode = false;
  bool DropBusy = false;
  // Shows the drop menu at the mouse (the window binding); headless the menu is simply open.
  std::function<void(ui::MenuItem&)> showMenu;
  ui::MenuItem& PopupMenu1;

 private:
  bool hasEntries(const ui::Control& list) const;
  void enableItemsFor(const ui::Control& source);
  app::TZELCOR32ZUMIK& w_;
  Trash& trash_;
};

}  // namespace memory

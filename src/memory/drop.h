#pragma once
// Dragging entries onto the memory list, the trash list and the trash icon: which drags are
// accepted, and the move/copy menu that a drop opens.
#include <functional>

#include "core/shared_state.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu.h"

namespace memory {

class Trash;

// The lists a drag may start from or end on, and the drop menu with its four choices; the
// menu opens over form.
struct DragDropView {
  ui::Form& form;
  ui::ListBox &ListBox4, &ListBox2, &ListBox8, &ListBox6, &ListBox9;
  ui::MenuItem &PopupMenu1, &P0, &P1, &P2, &P3;
};

class DragDrop {
 public:
  DragDrop(DragDropView view, core::SharedState& state, ui::Application& app, Trash& trash);

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
  ui::MenuItem& item(int i) const;
  DragDropView v_;
  core::SharedState& S;
  ui::Application& app_;
  Trash& trash_;
};

}  // namespace memory

#include "memory/drop.h"

#include <initializer_list>

#include "memory/trash.h"

namespace memory {

namespace {
constexpr int kHalfFontHeight = 6;  // the window font is 12 logical pixels high
}

DragDrop::DragDrop(DragDropView view, core::SharedState& state, ui::Application& app, Trash& trash)
    : PopupMenu1(view.PopupMenu1), v_(view), S(state), app_(app), trash_(trash) {
  for (int i = 0; i < 4; ++i) item(i).onClick = [this, i] { DropMenuChoice(i); };
  using Controls = std::initializer_list<ui::Control*>;
  for (ui::Control* c : Controls{&v_.ListBox4, &v_.ListBox2, &v_.ListBox8, &v_.ListBox6, &v_.ListBox9, &trash_.Image1})
    c->dragSource = true;
  for (ui::Control* target : Controls{&v_.ListBox2, &v_.ListBox8, &v_.ListBox6, &v_.ListBox9, &trash_.Image1}) {
    target->onDragOver = [this, target](ui::Control& source, int item) { return DragOver(*target, source, item); };
    target->onDragDrop = [this, target](ui::Control& source, int) { DropOn(*target, source); };
  }
  // The menu opens at the mouse, moved up and left by half the window font's height.
  showMenu = [this](ui::MenuItem& menu) { app_.popupAtMouse(v_.form, menu, -kHalfFontHeight, -kHalfFontHeight); };
}

ui::MenuItem& DragDrop::item(int i) const {
  ui::MenuItem* const items[4] = {&v_.P0, &v_.P1, &v_.P2, &v_.P3};
  return *items[i];
}

bool DragDrop::hasEntries(const ui::Control& list) const {
  if (trash_.IsMemoryList(&list)) return v_.ListBox2.count() > 0;
  if (trash_.IsTrashList(&list) || &list == &trash_.Image1) return v_.ListBox6.count() > 0;
  if (&list == &v_.ListBox4) return v_.ListBox4.count() > 0;
  return false;
}

bool DragDrop::Accepts(const ui::Control& target, const ui::Control& source) const {
  if (trash_.IsMemoryList(&target)) {
    if (trash_.IsMemoryList(&source)) return false;
    const bool fromTrash = trash_.IsTrashList(&source) || &source == &trash_.Image1;
    return (fromTrash || &source == &v_.ListBox4) && hasEntries(source);
  }
  if (trash_.IsTrashList(&target)) return trash_.IsMemoryList(&source) && hasEntries(source);
  if (&target == &trash_.Image1) {
    // The trash lists count as the icon itself: emptying the trash before dropping it into
    // itself would lose it.
    if (&source == &trash_.Image1 || trash_.IsTrashList(&source) || &source == &v_.ListBox4) return false;
    return !trash_.IsMemoryList(&source) || hasEntries(source);
  }
  return false;
}

bool DragDrop::DragOver(ui::Control& target, ui::Control& source, int itemUnderMouse) {
  if (!Accepts(target, source)) return false;
  const bool namesOnly = S.settings.namesOnly;
  if (trash_.IsMemoryList(&target)) {
    v_.ListBox2.setItemIndex(itemUnderMouse);
    if (namesOnly) v_.ListBox8.setItemIndex(itemUnderMouse);
  } else if (trash_.IsTrashList(&target)) {
    v_.ListBox6.setItemIndex(itemUnderMouse);
    if (namesOnly) v_.ListBox9.setItemIndex(itemUnderMouse);
  }
  return true;
}

void DragDrop::enableItemsFor(const ui::Control& source) {
  const bool fromFiles = &source == &v_.ListBox4;
  const bool fromIcon = &source == &trash_.Image1;
  v_.P0.setEnabled(!fromFiles && !fromIcon);
  v_.P1.setEnabled(!fromIcon);
  v_.P2.setEnabled(!fromFiles);
  v_.P3.setEnabled(true);
}

void DragDrop::DropOn(ui::Control& target, ui::Control& source) {
  if (DropBusy || !Accepts(target, source)) return;
  DropBusy = true;
  app_.setBusyCursor(true);
  DropTarget = &target;
  DropSource = &source;
  app_.loop().post([this] {
    enableItemsFor(*DropSource);
    DropBusy = false;
    app_.setBusyCursor(false);
    if (showMenu) showMenu(PopupMenu1);
  });
}

void DragDrop::DropMenuChoice(int item) {
  if (item < 0 || item > 3 || !DropTarget || !DropSource || !this->item(item).enabled()) return;
  MoveMode = item == 0 || item == 2;
  const bool all = item >= 2;
  ui::ItemList* source = &v_.ListBox6;
  if (DropSource == &trash_.Image1) {
    v_.ListBox6.selectAll();
  } else {
    source = static_cast<ui::ItemList*>(DropSource);
    if (all) source->selectAll();
  }
  ui::ItemList* target = &v_.ListBox6;
  int insertAt = -1;
  if (DropTarget == &trash_.Image1) {
    if (S.settings.trashClearMode) trash_.EmptyTrash();
  } else {
    target = static_cast<ui::ItemList*>(DropTarget);
    insertAt = target->itemIndex();
  }
  trash_.TransferEntries(*source, *target, MoveMode, insertAt);
}

}  // namespace memory

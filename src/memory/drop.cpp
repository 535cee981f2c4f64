#include "memory/drop.h"

#include <initializer_list>

#include "app/Zelcoru.h"
#include "memory/trash.h"

namespace memory {

namespace {
const char* const kDropItems[4] = {"P0", "P1", "P2", "P3"};
constexpr int kHalfFontHeight = 6;  // the window font is 12 logical pixels high
}

DragDrop::DragDrop(app::TZELCOR32ZUMIK& window, Trash& trash)
    : PopupMenu1(*window.findMenu("PopupMenu1")), w_(window), trash_(trash) {
  for (int i = 0; i < 4; ++i) w_.menu(kDropItems[i]).onClick = [this, i] { DropMenuChoice(i); };
  using Controls = std::initializer_list<ui::Control*>;
  for (ui::Control* c : Controls{&w_.ListBox4, &w_.ListBox2, &w_.ListBox8, &w_.ListBox6, &w_.ListBox9, &trash_.Image1})
    c->dragSource = true;
  for (ui::Control* target : Controls{&w_.ListBox2, &w_.ListBox8, &w_.ListBox6, &w_.ListBox9, &trash_.Image1}) {
    target->onDragOver = [this, target](ui::Control& source, int item) { return DragOver(*target, source, item); };
    target->onDragDrop = [this, target](ui::Control& source, int) { DropOn(*target, source); };
  }
  // The menu opens at the mouse, moved up and left by half the window font's height.
  showMenu = [this](ui::MenuItem& menu) { w_.app().popupAtMouse(w_, menu, -kHalfFontHeight, -kHalfFontHeight); };
}

bool DragDrop::hasEntries(const ui::Control& list) const {
  if (trash_.IsMemoryList(&list)) return w_.ListBox2.count() > 0;
  if (trash_.IsTrashList(&list) || &list == &trash_.Image1) return w_.ListBox6.count() > 0;
  if (&list == &w_.ListBox4) return w_.ListBox4.count() > 0;
  return false;
}

bool DragDrop::Accepts(const ui::Control& target, const ui::Control& source) const {
  if (trash_.IsMemoryList(&target)) {
    if (trash_.IsMemoryList(&source)) return false;
    const bool fromTrash = trash_.IsTrashList(&source) || &source == &trash_.Image1;
    return (fromTrash || &source == &w_.ListBox4) && hasEntries(source);
  }
  if (trash_.IsTrashList(&target)) return trash_.IsMemoryList(&source) && hasEntries(source);
  if (&target == &trash_.Image1) {
    // The trash lists count as the icon itself: emptying the trash before dropping it into
    // itself would lose it.
    if (&source == &trash_.Image1 || trash_.IsTrashList(&source) || &source == &w_.ListBox4) return false;
    return !trash_.IsMemoryList(&source) || hasEntries(source);
  }
  return false;
}

bool DragDrop::DragOver(ui::Control& target, ui::Control& source, int itemUnderMouse) {
  if (!Accepts(target, source)) return false;
  const bool namesOnly = w_.S.settings.namesOnly;
  if (trash_.IsMemoryList(&target)) {
    w_.ListBox2.setItemIndex(itemUnderMouse);
    if (namesOnly) w_.ListBox8.setItemIndex(itemUnderMouse);
  } else if (trash_.IsTrashList(&target)) {
    w_.ListBox6.setItemIndex(itemUnderMouse);
    if (namesOnly) w_.ListBox9.setItemIndex(itemUnderMouse);
  }
  return true;
}

void DragDrop::enableItemsFor(const ui::Control& source) {
  const bool fromFiles = &source == &w_.ListBox4;
  const bool fromIcon = &source == &trash_.Image1;
  w_.menu("P0").setEnabled(!fromFiles && !fromIcon);
  w_.menu("P1").setEnabled(!fromIcon);
  w_.menu("P2").setEnabled(!fromFiles);
  w_.menu("P3").setEnabled(true);
}

void DragDrop::DropOn(ui::Control& target, ui::Control& source) {
  if (DropBusy || !Accepts(target, source)) return;
  DropBusy = true;
  w_.app().setBusyCursor(true);
  DropTarget = &target;
  DropSource = &source;
  w_.app().loop().post([this] {
    enableItemsFor(*DropSource);
    DropBusy = false;
    w_.app().setBusyCursor(false);
    if (showMenu) showMenu(PopupMenu1);
  });
}

void DragDrop::DropMenuChoice(int item) {
  if (item < 0 || item > 3 || !DropTarget || !DropSource || !w_.menu(kDropItems[item]).enabled()) return;
  MoveMode = item == 0 || item == 2;
  const bool all = item >= 2;
  ui::ItemList* source = &w_.ListBox6;
  if (DropSource == &trash_.Image1) {
    w_.ListBox6.selectAll();
  } else {
    source = static_cast<ui::ItemList*>(DropSource);
    if (all) source->selectAll();
  }
  ui::ItemList* target = &w_.ListBox6;
  int insertAt = -1;
  if (DropTarget == &trash_.Image1) {
    if (w_.S.settings.trashClearMode) trash_.EmptyTrash();
  } else {
    target = static_cast<ui::ItemList*>(DropTarget);
    insertAt = target->itemIndex();
  }
  trash_.TransferEntries(*source, *target, MoveMode, insertAt);
}

}  // namespace memory

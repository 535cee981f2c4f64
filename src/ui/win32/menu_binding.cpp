#include "ui/win32/menu_binding.h"

#include "ui/win32/wide.h"

namespace ui::win32 {

MenuBinding::MenuBinding(MenuItem& root, bool bar, HWND owner) : root_(root), bar_(bar), owner_(owner) {
  root_.setPeer(this);
  rebuild();
}

MenuBinding::~MenuBinding() {
  root_.setPeer(nullptr);
  if (bar_ && owner_ && GetMenu(owner_) == menu_) SetMenu(owner_, nullptr);
  if (menu_) DestroyMenu(menu_);
}

namespace {
void markPopup(HMENU popup, MenuItem& item) {
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_MENUDATA;
  info.dwMenuData = reinterpret_cast<ULONG_PTR>(&item);
  SetMenuInfo(popup, &info);
}

void fill(HMENU menu, MenuItem& parent) {
  for (auto& it : parent.items()) {
    if (!it->visible()) continue;
    if (it->isSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (it->checked() ? MF_CHECKED : 0) | (it->enabled() ? 0 : MF_GRAYED);
    std::wstring text = widen(it->caption());
    if (!it->items().empty()) {
      HMENU sub = CreatePopupMenu();
      markPopup(sub, *it);
      fill(sub, *it);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
    } else {
      AppendMenuW(menu, flags, it->id(), text.c_str());
    }
  }
}
}  // namespace

void MenuBinding::rebuild() {
  HMENU old = menu_;
  menu_ = bar_ ? CreateMenu() : CreatePopupMenu();
  if (!bar_) markPopup(menu_, root_);
  fill(menu_, root_);
  if (bar_ && owner_) {
    SetMenu(owner_, menu_);
    DrawMenuBar(owner_);
  }
  if (old) DestroyMenu(old);
}

bool MenuBinding::updateInPlace(MenuItem& item) {
  if (!item.items().empty() || item.id() == 0 || !item.visible() || item.isSeparator()) return false;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  if (!GetMenuItemInfoW(menu_, item.id(), FALSE, &info)) return false;
  std::wstring text = widen(item.caption());
  info.fMask = MIIM_STRING | MIIM_STATE;
  info.dwTypeData = text.data();
  info.fState = (item.checked() ? MFS_CHECKED : 0) | (item.enabled() ? 0 : MFS_GRAYED);
  if (!SetMenuItemInfoW(menu_, item.id(), FALSE, &info)) return false;
  if (bar_ && owner_) DrawMenuBar(owner_);
  return true;
}

void MenuBinding::itemChanged(MenuItem& item) {
  // A shown item changes where it is: a submenu being opened must not be destroyed under the
  // user. Anything else rebuilds; menus are small, and that keeps visibility and order exact.
  if (!updateInPlace(item)) rebuild();
}

MenuItem* ItemOfPopup(HMENU popup) {
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_MENUDATA;
  if (!popup || !GetMenuInfo(popup, &info)) return nullptr;
  return reinterpret_cast<MenuItem*>(info.dwMenuData);
}

}  // namespace ui::win32

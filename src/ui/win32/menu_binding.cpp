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
  fill(menu_, root_);
  if (bar_ && owner_) {
    SetMenu(owner_, menu_);
    DrawMenuBar(owner_);
  }
  if (old) DestroyMenu(old);
}

void MenuBinding::itemChanged(MenuItem&) {
  // Menus are small; rebuilding keeps submenu captions, checks and visibility exact.
  rebuild();
}

}  // namespace ui::win32

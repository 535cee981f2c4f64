#pragma once
// Menu bars and pop-up menus of the forms.
#include <windows.h>

#include "ui/menu.h"

namespace ui::win32 {

// Builds a menu bar or pop-up from an item tree and keeps it in step with the items.
class MenuBinding : public MenuPeer {
 public:
  MenuBinding(MenuItem& root, bool bar, HWND owner);
  ~MenuBinding() override;
  void itemChanged(MenuItem& item) override;
  HMENU handle() const { return menu_; }

 private:
  void rebuild();
  // Changes a shown item where it is; false when the menu must be built anew.
  bool updateInPlace(MenuItem& item);
  MenuItem& root_;
  bool bar_;
  HWND owner_;
  HMENU menu_ = nullptr;
};

// The item whose submenu a pop-up handle shows (WM_INITMENUPOPUP), or nullptr for a menu
// that no binding made.
MenuItem* ItemOfPopup(HMENU popup);

}  // namespace ui::win32

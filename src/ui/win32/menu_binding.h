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
  MenuItem& root_;
  bool bar_;
  HWND owner_;
  HMENU menu_ = nullptr;
};

}  // namespace ui::win32

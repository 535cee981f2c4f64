// A check box: the system's own, ticked from the control's state.
#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"

namespace ui::win32 {

namespace {

class CheckBoxPeer : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;
  void command(int code, HWND) override {
    if (code == BN_CLICKED) control().click();
  }

 protected:
  WindowKind windowKind() const override { return {L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0}; }
  void update(unsigned what) override {
    if (what & kChangeChecked)
      SendMessageW(hwnd(), BM_SETCHECK, static_cast<CheckBox&>(control()).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};

}  // namespace

PeerPtr makeCheckBoxPeer(Win32Backend& b, Control& c) { return std::make_unique<CheckBoxPeer>(b, c); }

}  // namespace ui::win32

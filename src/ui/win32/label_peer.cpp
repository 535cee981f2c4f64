// A label: static text in its parent's colours. A label the user can click or that carries a
// hint takes the mouse; any other lets it through to what lies beneath, as a drop target or a
// panel with a menu.
#include <windows.h>
#include <commctrl.h>

#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"

namespace ui::win32 {

namespace {

class LabelPeer : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  void command(int code, HWND) override {
    if (code == STN_CLICKED) control().click();
  }

 protected:
  WindowKind windowKind() const override {
    return {L"STATIC", static_cast<DWORD>(SS_NOTIFY | (static_cast<Label&>(control()).alignRight ? SS_RIGHT : SS_LEFT)),
            0};
  }
  void created() override { SetWindowSubclass(hwnd(), hitTest, 0, reinterpret_cast<DWORD_PTR>(&control())); }

 private:
  static LRESULT CALLBACK hitTest(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    if (msg == WM_NCHITTEST) {
      const auto& c = *reinterpret_cast<Control*>(ref);
      if (!c.onClick && c.hint().empty()) return HTTRANSPARENT;
    } else if (msg == WM_NCDESTROY) {
      RemoveWindowSubclass(hwnd, hitTest, 0);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
};

}  // namespace

PeerPtr makeLabelPeer(Win32Backend& b, Control& c) { return std::make_unique<LabelPeer>(b, c); }

}  // namespace ui::win32

// The play bars: a horizontal track bar whose thumb the user drags.
#include <windows.h>
#include <commctrl.h>

#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"

namespace ui::win32 {

namespace {

class ScrollBarPeer : public ControlPeer {
 public:
  ScrollBarPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), bar_(static_cast<ScrollBar&>(c)) {}
  void scrolled() override { bar_.userMoved(static_cast<int>(SendMessageW(hwnd(), TBM_GETPOS, 0, 0))); }

 protected:
  WindowKind windowKind() const override {
    return {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH, 0};
  }
  void applyCaption() override {}
  void update(unsigned what) override {
    if (!(what & kChangeState)) return;
    SendMessageW(hwnd(), TBM_SETRANGEMIN, FALSE, bar_.min());
    SendMessageW(hwnd(), TBM_SETRANGEMAX, FALSE, bar_.max());
    SendMessageW(hwnd(), TBM_SETPOS, TRUE, bar_.position());
  }

 private:
  ScrollBar& bar_;
};

}  // namespace

PeerPtr makeScrollBarPeer(Win32Backend& b, Control& c) { return std::make_unique<ScrollBarPeer>(b, c); }

}  // namespace ui::win32

// A status bar: its panels side by side, the last one taking the rest; a click on it is the
// control's click.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

namespace {

class StatusBarPeer : public ControlPeer {
 public:
  StatusBarPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), bar_(static_cast<StatusBar&>(c)) {}

  bool notify(const NMHDR& hdr, LRESULT& result) override {
    if (hdr.code != NM_CLICK) return false;
    bar_.click();
    result = 0;
    return true;
  }

 protected:
  WindowKind windowKind() const override {
    return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0};
  }
  void applyCaption() override {
    // A text for a panel beyond the last one adds that panel.
    if (SendMessageW(hwnd(), SB_GETPARTS, 0, 0) < static_cast<LRESULT>(bar_.panels().size())) applyParts();
    for (int i = 0; i < static_cast<int>(bar_.panels().size()); ++i)
      SendMessageW(hwnd(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(widen(bar_.panels()[i].text).c_str()));
  }
  void update(unsigned what) override {
    if (what & kChangeItems) {
      applyParts();
      applyCaption();
    }
  }

 private:
  void applyParts() {
    std::vector<int> edges;
    int x = 0;
    for (auto& p : bar_.panels()) {
      x += pixels(p.width);
      edges.push_back(x);
    }
    if (!edges.empty()) edges.back() = -1;
    SendMessageW(hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  }

  StatusBar& bar_;
};

}  // namespace

PeerPtr makeStatusBarPeer(Win32Backend& b, Control& c) { return std::make_unique<StatusBarPeer>(b, c); }

}  // namespace ui::win32

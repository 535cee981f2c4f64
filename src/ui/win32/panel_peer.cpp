// A panel: a plain container in its colour. A panel placed by hand floats over the aligned
// regions it overlaps; a splitter panel follows the mouse while pressed and resizes its
// neighbour on release.
#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

class PanelPeer : public ControlPeer {
 public:
  PanelPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), panel_(static_cast<Panel&>(c)) {}
  bool holdsControls() const override { return true; }

  bool ownMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) override {
    if (!panel_.isSplitter()) return false;
    POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    switch (msg) {
      case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(panel_.sizeGrip()          ? IDC_SIZEALL
                                                                 : panel_.verticalSplitter() ? IDC_SIZEWE
                                                                                             : IDC_SIZENS)));
        result = TRUE;
        return true;
      case WM_LBUTTONDOWN:
        ClientToScreen(hwnd(), &pt);
        dragStart_ = pt;
        SetCapture(hwnd());
        result = 0;
        return true;
      case WM_LBUTTONUP:
        if (GetCapture() != hwnd()) return false;
        ReleaseCapture();
        ClientToScreen(hwnd(), &pt);
        panel_.dragBy(backend().logical(pt.x - dragStart_.x), backend().logical(pt.y - dragStart_.y));
        result = 0;
        return true;
      default:
        return false;
    }
  }

 protected:
  WindowKind windowKind() const override { return {kContainerClass, WS_CLIPCHILDREN, 0}; }
  void applyVisible() override {
    ControlPeer::applyVisible();
    if (panel_.visible() && panel_.align() == Align::None)
      SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

 private:
  Panel& panel_;
  POINT dragStart_{};
};

}  // namespace

PeerPtr makePanelPeer(Win32Backend& b, Control& c) { return std::make_unique<PanelPeer>(b, c); }

}  // namespace ui::win32

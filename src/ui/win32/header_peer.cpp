// A header: sections that report a click; the first (names) takes what the size column leaves.
#include <windows.h>
#include <commctrl.h>

#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

namespace {

class HeaderPeer : public ControlPeer {
 public:
  HeaderPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), header_(static_cast<Header&>(c)) {}

  bool notify(const NMHDR& hdr, LRESULT& result) override {
    if (hdr.code != HDN_ITEMCLICKW && hdr.code != HDN_ITEMCLICKA) return false;
    header_.click();
    result = 0;
    return true;
  }

 protected:
  // HDS_BUTTONS: a section reports a click.
  WindowKind windowKind() const override { return {WC_HEADERW, HDS_HORZ | HDS_BUTTONS, 0}; }
  void applyBounds() override {
    ControlPeer::applyBounds();
    applySections();
  }
  void applyCaption() override {}
  void update(unsigned what) override {
    if (what & kChangeItems) applySections();
  }

 private:
  void applySections() {
    while (SendMessageW(hwnd(), HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(hwnd(), HDM_DELETEITEM, 0, 0);
    const int n = static_cast<int>(header_.sections().size());
    RECT rc;
    GetClientRect(hwnd(), &rc);
    for (int i = 0; i < n; ++i) {
      std::wstring text = widen(header_.sections()[i]);
      HDITEMW item{};
      item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
      item.fmt = HDF_LEFT | HDF_STRING;
      item.pszText = text.data();
      item.cxy = n == 1 ? rc.right : (i == 0 ? rc.right - pixels(90) : pixels(90));
      SendMessageW(hwnd(), HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }

  Header& header_;
};

}  // namespace

PeerPtr makeHeaderPeer(Win32Backend& b, Control& c) { return std::make_unique<HeaderPeer>(b, c); }

}  // namespace ui::win32

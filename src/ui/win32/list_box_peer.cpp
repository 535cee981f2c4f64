// A list box. The file-like lists draw their own entries, the selected ones bold in the
// selection colours; a multi-select list reports every chosen entry and the focused one.
#include <string>
#include <vector>

#include "ui/list_box.h"
#include "ui/win32/item_list_peer.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

class ListBoxPeer : public ItemListPeer {
 public:
  ListBoxPeer(Win32Backend& b, Control& c)
      : ItemListPeer(b, c, {LB_RESETCONTENT, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING}),
        box_(static_cast<ListBox&>(c)) {}

  Color background() const override { return fieldBackground(); }
  int itemHeight() const override { return backend().lineHeight(); }

  void command(int code, HWND) override {
    if (code == LBN_SELCHANGE) {
      if (box_.multiSelect) {
        const int n = static_cast<int>(SendMessageW(hwnd(), LB_GETSELCOUNT, 0, 0));
        std::vector<int> chosen(n > 0 ? n : 0);
        if (n > 0) SendMessageW(hwnd(), LB_GETSELITEMS, n, reinterpret_cast<LPARAM>(chosen.data()));
        box_.userSelectMany(chosen, static_cast<int>(SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0)));
      } else {
        box_.userSelect(static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)));
      }
    } else if (code == LBN_DBLCLK && box_.onDoubleClick) {
      box_.onDoubleClick();
    }
  }

  int itemAt(POINT pt) const override {
    RECT rc;
    GetClientRect(hwnd(), &rc);
    if (!PtInRect(&rc, pt)) return -1;
    const LRESULT r = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    return HIWORD(r) ? -1 : static_cast<int>(LOWORD(r));
  }

  bool draw(const DRAWITEMSTRUCT& d) override {
    HDC dc = d.hDC;
    RECT rc = d.rcItem;
    // The focus frame is drawn by inverting, so a focus change only inverts it again.
    if (d.itemID == static_cast<UINT>(-1) || d.itemAction == ODA_FOCUS) {
      if (d.itemState & ODS_FOCUS || d.itemAction == ODA_FOCUS) DrawFocusRect(dc, &rc);
      return true;
    }
    const bool selected = d.itemState & ODS_SELECTED;
    const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : colorRef(background());
    COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : colorRef(box_.fontColor());
    if (d.itemState & ODS_DISABLED) text = GetSysColor(COLOR_GRAYTEXT);

    const int len = static_cast<int>(SendMessageW(hwnd(), LB_GETTEXTLEN, d.itemID, 0));
    std::wstring s(len > 0 ? len + 1 : 1, L'\0');
    if (len > 0) SendMessageW(hwnd(), LB_GETTEXT, d.itemID, reinterpret_cast<LPARAM>(s.data()));
    s.resize(len > 0 ? len : 0);

    HGDIOBJ oldFont = SelectObject(dc, backend().font(selected || box_.fontBold()));
    SetBkColor(dc, back);
    SetTextColor(dc, text);
    ExtTextOutW(dc, rc.left, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, s.c_str(), static_cast<UINT>(s.size()), nullptr);
    SelectObject(dc, oldFont);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
    return true;
  }

 protected:
  WindowKind windowKind() const override {
    return {L"LISTBOX",
            static_cast<DWORD>(WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                               (box_.multiSelect ? LBS_EXTENDEDSEL : 0) |
                               (box_.ownerDrawBoldSelection ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0)),
            WS_EX_CLIENTEDGE};
  }
  bool watchesMouse() const override { return true; }
  void applySelection() override {
    if (box_.multiSelect) {
      SendMessageW(hwnd(), LB_SETSEL, FALSE, -1);
      for (int i = 0; i < box_.count(); ++i)
        if (box_.selected(i)) SendMessageW(hwnd(), LB_SETSEL, TRUE, i);
      SendMessageW(hwnd(), LB_SETCARETINDEX, box_.itemIndex() < 0 ? 0 : box_.itemIndex(), FALSE);
    } else {
      SendMessageW(hwnd(), LB_SETCURSEL, box_.itemIndex(), 0);
    }
  }

 private:
  ListBox& box_;
};

}  // namespace

PeerPtr makeListBoxPeer(Win32Backend& b, Control& c) { return std::make_unique<ListBoxPeer>(b, c); }

}  // namespace ui::win32

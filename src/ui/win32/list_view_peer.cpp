// The report-style list view: columns, rows, whole-row selection, column clicks and the rows'
// font styles.
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "ui/list_view.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

class ListViewPeer : public ControlPeer {
 public:
  ListViewPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), list_(static_cast<ListView&>(c)) {}
  ~ListViewPeer() override {
    for (auto& [key, font] : fonts_) DeleteObject(font);
  }
  Color background() const override { return fieldBackground(); }

  bool notify(const NMHDR& hdr, LRESULT& result) override {
    switch (hdr.code) {
      case LVN_COLUMNCLICK:
        list_.userColumnClick(reinterpret_cast<const NMLISTVIEW&>(hdr).iSubItem);
        result = 0;
        return true;
      case LVN_ITEMCHANGED: {
        const auto& n = reinterpret_cast<const NMLISTVIEW&>(hdr);
        const bool chosen = (n.uNewState & LVIS_SELECTED) && !(n.uOldState & LVIS_SELECTED);
        if (!writing() && chosen && n.iItem != list_.selected()) list_.userSelect(n.iItem);
        result = 0;
        return true;
      }
      case NM_CUSTOMDRAW: {
        const auto& cd = reinterpret_cast<const NMLVCUSTOMDRAW&>(hdr);
        if (cd.nmcd.dwDrawStage == CDDS_PREPAINT) {
          result = CDRF_NOTIFYITEMDRAW;
          return true;
        }
        if (cd.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return false;
        const int r = static_cast<int>(cd.nmcd.dwItemSpec);
        if (r < 0 || r >= list_.count()) return false;
        const auto& row = list_.rows()[r];
        SelectObject(cd.nmcd.hdc, styledFont(row.italic, row.struckOut, list_.boldSelection && r == list_.selected()));
        result = CDRF_NEWFONT;
        return true;
      }
      default:
        return false;
    }
  }

 protected:
  WindowKind windowKind() const override {
    return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
  }
  void created() override {
    SendMessageW(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    applyColors();
    applyColumns();  // the rows need their columns first
  }
  void applyCaption() override {}
  void update(unsigned what) override {
    if (what & kChangeItems) applyRows();
    if (what & (kChangeSelection | kChangeItems)) applySelection();
    if (what & kChangeState) applyColumns();
    if (what & (kChangeColor | kChangeFont)) applyColors();
  }

 private:
  void applyColors() {
    const COLORREF back = colorRef(background());
    SendMessageW(hwnd(), LVM_SETBKCOLOR, 0, back);
    SendMessageW(hwnd(), LVM_SETTEXTBKCOLOR, 0, back);
    SendMessageW(hwnd(), LVM_SETTEXTCOLOR, 0, colorRef(list_.fontColor()));
  }

  void applyRows() {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LVM_DELETEALLITEMS, 0, 0);
    for (int r = 0; r < list_.count(); ++r) {
      const auto& texts = list_.rows()[r].texts;
      for (int c = 0; c < static_cast<int>(texts.size()); ++c) {
        std::wstring text = widen(texts[c]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.iSubItem = c;
        item.pszText = text.data();
        SendMessageW(hwnd(), c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
      }
    }
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }

  void applySelection() {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (list_.selected() < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(hwnd(), LVM_SETITEMSTATE, list_.selected(), reinterpret_cast<LPARAM>(&state));
    SendMessageW(hwnd(), LVM_ENSUREVISIBLE, list_.selected(), FALSE);
  }

  void applyColumns() {
    // Columns are changed in place: a column deleted and made again loses the rows' texts in
    // it, and the file list's caption changes with every refresh.
    HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd(), LVM_GETHEADER, 0, 0));
    const int had = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    const int want = static_cast<int>(list_.columns().size());
    for (int i = had; i > want; --i) SendMessageW(hwnd(), LVM_DELETECOLUMN, i - 1, 0);
    for (int i = 0; i < want; ++i) {
      const auto& c = list_.columns()[i];
      std::wstring text = widen(c.caption);
      LVCOLUMNW col{};
      col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      col.fmt = c.alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
      col.cx = pixels(c.width);
      col.pszText = text.data();
      SendMessageW(hwnd(), i < had ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
    }
    // A new column starts empty: the rows fill it.
    if (want > had && list_.count() > 0) {
      applyRows();
      applySelection();
    }
  }

  // One font per style (italic, struck out, bold), made from the kit's font once and kept.
  HFONT styledFont(bool italic, bool struckOut, bool bold) {
    const int key = (italic ? 1 : 0) | (struckOut ? 2 : 0) | (bold ? 4 : 0);
    if (key == 0) return backend().font(false);
    if (key == 4) return backend().font(true);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    LOGFONTW lf{};
    GetObjectW(backend().font(bold), sizeof lf, &lf);
    lf.lfItalic = italic;
    lf.lfStrikeOut = struckOut;
    return fonts_[key] = CreateFontIndirectW(&lf);
  }

  ListView& list_;
  std::map<int, HFONT> fonts_;
};

}  // namespace

PeerPtr makeListViewPeer(Win32Backend& b, Control& c) { return std::make_unique<ListViewPeer>(b, c); }

}  // namespace ui::win32

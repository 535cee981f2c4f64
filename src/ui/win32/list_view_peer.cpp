#include "ui/win32/list_view_peer.h"

#include <commctrl.h>

#include <map>

#include "ui/win32/win32_backend.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

namespace {

int scaled(Win32Backend& b, int v) { return static_cast<int>(v * b.scale() + 0.5); }

// One font per style (italic, struck out, bold), made from the kit's font once and kept.
HFONT styledFont(Win32Backend& backend, bool italic, bool struckOut, bool bold) {
  static std::map<int, HFONT> made;
  const int key = (italic ? 1 : 0) | (struckOut ? 2 : 0) | (bold ? 4 : 0);
  if (key == 0) return backend.font(false);
  if (key == 4) return backend.font(true);
  auto it = made.find(key);
  if (it != made.end()) return it->second;
  LOGFONTW lf{};
  GetObjectW(backend.font(bold), sizeof lf, &lf);
  lf.lfItalic = italic;
  lf.lfStrikeOut = struckOut;
  return made[key] = CreateFontIndirectW(&lf);
}

}  // namespace

void applyListViewRows(HWND hwnd, const ListView& list) {
  SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd, LVM_DELETEALLITEMS, 0, 0);
  for (int r = 0; r < list.count(); ++r) {
    const auto& texts = list.rows()[r].texts;
    for (int c = 0; c < static_cast<int>(texts.size()); ++c) {
      std::wstring text = widen(texts[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = r;
      item.iSubItem = c;
      item.pszText = text.data();
      SendMessageW(hwnd, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
}

void applyListViewSelection(HWND hwnd, const ListView& list) {
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  if (list.selected() < 0) return;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(hwnd, LVM_SETITEMSTATE, list.selected(), reinterpret_cast<LPARAM>(&state));
  SendMessageW(hwnd, LVM_ENSUREVISIBLE, list.selected(), FALSE);
}

void applyListViewColumns(Win32Backend& backend, HWND hwnd, const ListView& list) {
  // Columns are changed in place: a column deleted and made again loses the rows' texts in it,
  // and the file list's caption changes with every refresh.
  HWND header = reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
  const int had = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  const int want = static_cast<int>(list.columns().size());
  for (int i = had; i > want; --i) SendMessageW(hwnd, LVM_DELETECOLUMN, i - 1, 0);
  for (int i = 0; i < want; ++i) {
    const auto& c = list.columns()[i];
    std::wstring text = widen(c.caption);
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    col.fmt = c.alignRight ? LVCFMT_RIGHT : LVCFMT_LEFT;
    col.cx = scaled(backend, c.width);
    col.pszText = text.data();
    SendMessageW(hwnd, i < had ? LVM_SETCOLUMNW : LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
  }
  // A new column starts empty: the rows fill it.
  if (want > had && list.count() > 0) {
    applyListViewRows(hwnd, list);
    applyListViewSelection(hwnd, list);
  }
}

bool listViewNotify(Win32Backend& backend, ListView& list, bool peerWriting, NMHDR* hdr, LRESULT& result) {
  switch (hdr->code) {
    case LVN_COLUMNCLICK:
      list.userColumnClick(reinterpret_cast<NMLISTVIEW*>(hdr)->iSubItem);
      result = 0;
      return true;
    case LVN_ITEMCHANGED: {
      auto* n = reinterpret_cast<NMLISTVIEW*>(hdr);
      if (!peerWriting && (n->uNewState & LVIS_SELECTED) && !(n->uOldState & LVIS_SELECTED) && n->iItem != list.selected())
        list.userSelect(n->iItem);
      result = 0;
      return true;
    }
    case NM_CUSTOMDRAW: {
      auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(hdr);
      if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
        return true;
      }
      if (cd->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const int r = static_cast<int>(cd->nmcd.dwItemSpec);
        if (r < 0 || r >= list.count()) return false;
        const auto& row = list.rows()[r];
        SelectObject(cd->nmcd.hdc, styledFont(backend, row.italic, row.struckOut, list.boldSelection && r == list.selected()));
        result = CDRF_NEWFONT;
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

}  // namespace ui::win32

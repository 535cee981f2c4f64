// The file-like lists draw their own entries: the selected ones bold in the selection colours.
#include <string>

#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

bool drawListItem(Win32Backend& backend, const DRAWITEMSTRUCT& d) {
  if (d.CtlType != ODT_LISTBOX) return false;
  HDC dc = d.hDC;
  RECT rc = d.rcItem;
  // The focus frame is drawn by inverting, so a focus change only inverts it again.
  if (d.itemID == static_cast<UINT>(-1) || d.itemAction == ODA_FOCUS) {
    if (d.itemState & ODS_FOCUS || d.itemAction == ODA_FOCUS) DrawFocusRect(dc, &rc);
    return true;
  }
  const auto* c = static_cast<const Control*>(GetPropW(d.hwndItem, L"ZelcorControl"));
  const bool selected = d.itemState & ODS_SELECTED;
  COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : colorRef(c ? paintedBackground(*c) : kWindowColor);
  COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : (c ? c->fontColor() : GetSysColor(COLOR_WINDOWTEXT));
  if (d.itemState & ODS_DISABLED) text = GetSysColor(COLOR_GRAYTEXT);

  const int len = static_cast<int>(SendMessageW(d.hwndItem, LB_GETTEXTLEN, d.itemID, 0));
  std::wstring s(len > 0 ? len + 1 : 1, L'\0');
  if (len > 0) SendMessageW(d.hwndItem, LB_GETTEXT, d.itemID, reinterpret_cast<LPARAM>(s.data()));
  s.resize(len > 0 ? len : 0);

  HGDIOBJ oldFont = SelectObject(dc, backend.font(selected || (c && c->fontBold())));
  SetBkColor(dc, back);
  SetTextColor(dc, text);
  ExtTextOutW(dc, rc.left, rc.top, ETO_OPAQUE | ETO_CLIPPED, &rc, s.c_str(), static_cast<UINT>(s.size()), nullptr);
  SelectObject(dc, oldFont);
  if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
  return true;
}

}  // namespace ui::win32

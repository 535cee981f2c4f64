// The file-like lists draw their own entries: the selected ones bold in the selection colours;
// the drive selector draws a picture of each drive's kind before its name.
#include <string>

#include "ui/list_box.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

namespace {

// A 16 x 16 drive picture drawn with plain shapes, so it looks the same on every system and
// never asks the shell (or the drive) for anything. (x, y) is the top-left corner, u one unit.
void drawPicture(HDC dc, ItemPicture picture, int x, int y, int u) {
  auto box = [&](int l, int t, int r, int b, COLORREF fill, bool round = false) {
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    if (round)
      Ellipse(dc, x + l * u, y + t * u, x + r * u, y + b * u);
    else
      Rectangle(dc, x + l * u, y + t * u, x + r * u, y + b * u);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  };
  const COLORREF grey = RGB(192, 192, 192), dark = RGB(64, 64, 64), white = RGB(255, 255, 255);
  switch (picture) {
    case ItemPicture::FixedDrive:
      box(1, 5, 15, 12, grey);
      box(11, 8, 14, 10, RGB(0, 192, 0));
      break;
    case ItemPicture::RemovableDrive:  // a floppy disk: label on top, shutter below
      box(2, 1, 15, 15, RGB(32, 64, 160));
      box(4, 1, 13, 7, white);
      box(6, 10, 11, 15, grey);
      break;
    case ItemPicture::RemoteDrive:  // a drive on a cable
      box(1, 2, 15, 9, grey);
      box(11, 5, 14, 7, RGB(0, 192, 0));
      box(7, 9, 9, 13, dark);
      box(2, 13, 14, 15, dark);
      break;
    case ItemPicture::CdDrive:
      box(1, 1, 15, 15, RGB(216, 216, 232), true);
      box(6, 6, 10, 10, white, true);
      break;
    case ItemPicture::RamDrive:  // a memory chip with its legs
      for (int leg = 3; leg <= 12; leg += 3) box(leg, 10, leg + 1, 14, dark);
      box(1, 4, 15, 11, RGB(0, 128, 64));
      break;
    case ItemPicture::None:
      break;
  }
}

}  // namespace

bool drawListItem(Win32Backend& backend, const DRAWITEMSTRUCT& d) {
  if (d.CtlType != ODT_LISTBOX) return false;
  HDC dc = d.hDC;
  RECT rc = d.rcItem;
  // The focus frame is drawn by inverting, so a focus change only inverts it again.
  if (d.itemID == static_cast<UINT>(-1) || d.itemAction == ODA_FOCUS) {
    if (d.itemState & ODS_FOCUS || d.itemAction == ODA_FOCUS) DrawFocusRect(dc, &rc);
    return true;
  }
  const auto* c = ControlOfWindow(d.hwndItem);
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

int comboItemHeight(Win32Backend& backend) { return static_cast<int>(18 * backend.scale() + 0.5); }

bool drawComboItem(Win32Backend& backend, const DRAWITEMSTRUCT& d) {
  if (d.CtlType != ODT_COMBOBOX) return false;
  const auto* c = ControlOfWindow(d.hwndItem);
  if (!c || c->kind() != Kind::ComboBox) return false;
  const auto& combo = static_cast<const ComboBox&>(*c);
  HDC dc = d.hDC;
  RECT rc = d.rcItem;
  const bool selected = d.itemState & ODS_SELECTED;
  FillRect(dc, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int index = static_cast<int>(d.itemID);
  if (index < 0 || index >= combo.count()) return true;
  const int unit = static_cast<int>(backend.scale() + 0.5);  // one pixel of the picture
  const int gap = 2 * unit;
  drawPicture(dc, combo.pictureOf(index), rc.left + gap, rc.top + (rc.bottom - rc.top - 16 * unit) / 2, unit);
  HGDIOBJ oldFont = SelectObject(dc, backend.font(combo.fontBold()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text{rc.left + 16 * unit + 3 * gap, rc.top, rc.right, rc.bottom};
  const std::wstring w = widen(combo.item(index));
  DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
  return true;
}

}  // namespace ui::win32

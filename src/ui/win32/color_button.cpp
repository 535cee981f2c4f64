// The colour button: a flat push button in its parent's colour. The system button underneath
// keeps the mouse and the space bar (pushed while held, a click only on release over it); this
// draws its look, pushed or not.
#include "ui/widgets.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

bool drawColorButton(Win32Backend& backend, const DRAWITEMSTRUCT& d) {
  if (d.CtlType != ODT_BUTTON) return false;
  Control* c = ControlOfWindow(d.hwndItem);
  if (!c || c->kind() != Kind::Button) return false;
  HDC dc = d.hDC;
  const bool pushed = d.itemState & ODS_SELECTED;
  const COLORREF parent = colorRef(c->effectiveColor());
  ButtonLook look{parent, c->fontColor()};
  if (pushed) look = pushedLook(parent, c->fontColor());

  RECT face = d.rcItem;
  HBRUSH brush = CreateSolidBrush(parent);
  FillRect(dc, &face, brush);
  DeleteObject(brush);
  // Pushed, the whole button sits one pixel lower and to the right, on a lowered bevel.
  if (pushed) OffsetRect(&face, 1, 1);
  brush = CreateSolidBrush(look.face);
  FillRect(dc, &face, brush);
  DeleteObject(brush);
  DrawEdge(dc, &face, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);

  HGDIOBJ oldFont = SelectObject(dc, backend.font(c->fontBold()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, (d.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : look.font);
  std::wstring text = widen(c->caption());
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  if (d.itemState & ODS_FOCUS) {
    RECT focus = face;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

}  // namespace ui::win32

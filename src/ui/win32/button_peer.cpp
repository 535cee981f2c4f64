// The colour button: a flat push button in its parent's colour. The system button underneath
// keeps the mouse and the space bar (pushed while held, a click only on release over it); this
// draws its look, pushed or not.
#include <vector>

#include "ui/form.h"
#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

class ButtonPeer : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  void command(int code, HWND) override {
    // A quick second press on a colour button comes as a double click: it is a click too.
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED) control().click();
  }

  bool draw(const DRAWITEMSTRUCT& d) override {
    const Control& c = control();
    HDC dc = d.hDC;
    const bool pushed = d.itemState & ODS_SELECTED;
    const COLORREF parent = colorRef(c.effectiveColor());
    ButtonLook look{parent, c.fontColor()};
    if (pushed) look = pushedLook(parent, c.fontColor());

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

    HGDIOBJ oldFont = SelectObject(dc, backend().font(c.fontBold()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (d.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : look.font);
    const std::wstring text = widen(c.caption());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    if (d.itemState & ODS_FOCUS) {
      RECT focus = face;
      InflateRect(&focus, -3, -3);
      DrawFocusRect(dc, &focus);
    }
    return true;
  }

 protected:
  WindowKind windowKind() const override {
    return {L"BUTTON", static_cast<DWORD>((control().tabStop() ? WS_TABSTOP : 0) | BS_OWNERDRAW), 0};
  }
};

}  // namespace

PeerPtr makeButtonPeer(Win32Backend& b, Control& c) { return std::make_unique<ButtonPeer>(b, c); }

bool pressDialogButton(Form& form, WPARAM key) {
  std::vector<Control*> stack{&form};
  while (!stack.empty()) {
    Control* c = stack.back();
    stack.pop_back();
    if (c->kind() == Kind::Button && c->showing() && c->enabled()) {
      auto* b = static_cast<Button*>(c);
      if ((key == VK_RETURN && b->isDefault) || (key == VK_ESCAPE && b->isCancel)) {
        c->click();
        return true;
      }
    }
    for (Control* ch : c->children()) stack.push_back(ch);
  }
  return false;
}

}  // namespace ui::win32

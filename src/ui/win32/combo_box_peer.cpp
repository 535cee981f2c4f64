// A drop-down list, or a drop-down with an edit field for free text. The drive selector draws
// a picture of each drive's kind before its name.
#include "ui/list_box.h"
#include "ui/win32/item_list_peer.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/pictures.h"
#include "ui/win32/wide.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

class ComboBoxPeer : public ItemListPeer {
 public:
  ComboBoxPeer(Win32Backend& b, Control& c)
      : ItemListPeer(b, c, {CB_RESETCONTENT, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING}),
        combo_(static_cast<ComboBox&>(c)) {}

  Color background() const override { return fieldBackground(); }
  int itemHeight() const override { return pixels(18); }

  void command(int code, HWND) override {
    if (code == CBN_SELCHANGE) {
      const int index = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
      if (!combo_.dropDownList && index >= 0 && index < combo_.count()) combo_.userTyped(combo_.item(index));
      combo_.userSelect(index);
    } else if (code == CBN_EDITCHANGE) {
      combo_.userTyped(windowText(hwnd()));
    }
  }

  bool draw(const DRAWITEMSTRUCT& d) override {
    HDC dc = d.hDC;
    RECT rc = d.rcItem;
    const bool selected = d.itemState & ODS_SELECTED;
    FillRect(dc, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int index = static_cast<int>(d.itemID);
    if (index < 0 || index >= combo_.count()) return true;
    const int unit = pixels(1);  // one pixel of the picture
    const int gap = 2 * unit;
    DrawDrivePicture(dc, combo_.pictureOf(index), rc.left + gap, rc.top + (rc.bottom - rc.top - 16 * unit) / 2, unit);
    HGDIOBJ oldFont = SelectObject(dc, backend().font(combo_.fontBold()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text{rc.left + 16 * unit + 3 * gap, rc.top, rc.right, rc.bottom};
    const std::wstring w = widen(combo_.item(index));
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
    return true;
  }

 protected:
  WindowKind windowKind() const override {
    return {L"COMBOBOX",
            static_cast<DWORD>(WS_TABSTOP | WS_VSCROLL | (combo_.dropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL) |
                               (combo_.pictureOf ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0)),
            0};
  }
  // The window also holds the drop-down list, twelve entries high.
  int windowHeight() const override { return pixels(combo_.bounds().height * 12); }
  void applySelection() override { SendMessageW(hwnd(), CB_SETCURSEL, combo_.itemIndex(), 0); }

 private:
  ComboBox& combo_;
};

}  // namespace

PeerPtr makeComboBoxPeer(Win32Backend& b, Control& c) { return std::make_unique<ComboBoxPeer>(b, c); }

}  // namespace ui::win32

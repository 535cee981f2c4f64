// A radio group: a container of its own class with a frame bearing the caption and one radio
// button per item, laid out in columns. The buttons are made again whenever the items, the
// caption or the size change; they follow the group's selection, enabled state and colours.
#include "ui/widgets.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

constexpr int kRadioBase = 0xE000;  // the control ID of the first button
constexpr int kMaxRadios = 64;

class RadioGroupPeer : public ControlPeer {
 public:
  RadioGroupPeer(Win32Backend& b, Control& c) : ControlPeer(b, c), group_(static_cast<RadioGroup&>(c)) {}

  void command(int code, HWND from) override {
    const int id = GetDlgCtrlID(from);
    if (code == BN_CLICKED && id >= kRadioBase && id < kRadioBase + kMaxRadios) group_.choose(id - kRadioBase);
  }
  // The buttons and the frame are painted in the group's colours.
  LRESULT childColors(HDC dc) override { return colors(dc); }

 protected:
  WindowKind windowKind() const override {
    return {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT | WS_EX_STATICEDGE};
  }
  void applyBounds() override {
    ControlPeer::applyBounds();
    makeButtons();
  }
  void applyCaption() override { makeButtons(); }
  void applyEnabled() override {
    ControlPeer::applyEnabled();
    // A disabled group's buttons look disabled too.
    for (HWND child = GetWindow(hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      EnableWindow(child, group_.enabled());
  }
  void update(unsigned what) override {
    if (what & kChangeItems) makeButtons();
    if (what & kChangeSelection) check();
  }

 private:
  void makeButtons() {
    HWND child;
    while ((child = GetWindow(hwnd(), GW_CHILD)) != nullptr) DestroyWindow(child);
    RECT rc;
    GetClientRect(hwnd(), &rc);
    if (!group_.caption().empty()) {
      HWND box = CreateWindowExW(0, L"BUTTON", widen(group_.caption()).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0,
                                 0, rc.right, rc.bottom, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
      setFont(box, false);
    }
    const int n = static_cast<int>(group_.items().size());
    const int cols = group_.columns < 1 ? 1 : group_.columns;
    const int rows = (n + cols - 1) / cols;
    const int top = group_.caption().empty() ? pixels(2) : pixels(14);
    const int cellW = (rc.right - pixels(8)) / cols;
    const int cellH = rows ? (rc.bottom - top - pixels(4)) / rows : 0;
    for (int i = 0; i < n; ++i) {
      HWND b = CreateWindowExW(0, L"BUTTON", widen(group_.items()[i]).c_str(),
                               WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                               pixels(6) + (i % cols) * cellW, top + (i / cols) * cellH, cellW - 2, cellH, hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRadioBase + i)), GetModuleHandleW(nullptr),
                               nullptr);
      setFont(b, group_.fontBold());
    }
    applyEnabled();
    check();
  }
  void check() {
    for (int i = 0; i < static_cast<int>(group_.items().size()); ++i)
      CheckDlgButton(hwnd(), kRadioBase + i, i == group_.itemIndex() ? BST_CHECKED : BST_UNCHECKED);
  }

  RadioGroup& group_;
};

}  // namespace

PeerPtr makeRadioGroupPeer(Win32Backend& b, Control& c) { return std::make_unique<RadioGroupPeer>(b, c); }

}  // namespace ui::win32

// Every kind of control in a real window: what the program sets once the window exists
// (texts, items, selection, check, state, colours, hint, enabled, visible) is what the window
// then holds, read back through the system's own messages.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "canvas.h"
#include "platform/win32/text.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/widgets.h"
#include "ui/win32/control_peer.h"
#include "ui/win32/hints.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_loop.h"

namespace {

using platform::win32::ToWide;

constexpr ui::Color kFace = 0x3060C0, kInk = 0x102030;

std::wstring textOf(HWND h) {
  std::wstring w(GetWindowTextLengthW(h) + 1, L'\0');
  w.resize(GetWindowTextW(h, w.data(), static_cast<int>(w.size())));
  return w;
}

std::vector<HWND> childrenOf(HWND parent, const wchar_t* cls) {
  std::vector<HWND> found;
  wchar_t name[32];
  for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
    if (GetClassNameW(h, name, 32) && lstrcmpiW(name, cls) == 0) found.push_back(h);
  return found;
}

// How a kind's background colour is read back (none for kinds that keep the system's).
using ColourRead = std::function<COLORREF(HWND)>;

// The colours the window gets from its parent when it paints: ink and brush must agree.
ColourRead askedWith(UINT msg, bool fromInside = false) {
  return [msg, fromInside](HWND h) -> COLORREF {
    wintest::Canvas c(64, 64);
    HWND from = fromInside ? GetWindow(h, GW_CHILD) : h;
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(from), msg, reinterpret_cast<WPARAM>(c.dc),
                                                        reinterpret_cast<LPARAM>(from)));
    LOGBRUSH lb{};
    if (!brush || !GetObjectW(brush, sizeof lb, &lb) || lb.lbColor != GetBkColor(c.dc)) return 0xFFFFFFFF;
    EXPECT_EQ(GetTextColor(c.dc), kInk);
    return lb.lbColor;
  };
}

// What the window paints itself, at a spot clear of its bevel and caption.
ColourRead painted(UINT msg) {
  return [msg](HWND h) {
    wintest::Canvas c(64, 64);
    SendMessageW(h, msg, reinterpret_cast<WPARAM>(c.dc), PRF_CLIENT);
    return GetPixel(c.dc, 3, 10);
  };
}

ColourRead sent(UINT msg) {
  return [msg](HWND h) { return static_cast<COLORREF>(SendMessageW(h, msg, 0, 0)); };
}

struct Case {
  const char* kind;
  std::function<ui::Control&(ui::Form&)> make;  // before the window exists
  std::function<void(ui::Control&)> change;     // after
  std::function<void(HWND)> check;
  ColourRead colour;
};

// Names the case after its kind in the test list.
void PrintTo(const Case& c, std::ostream* os) { *os << c.kind; }

std::wstring listBoxText(HWND h, int i) {
  std::wstring w(SendMessageW(h, LB_GETTEXTLEN, i, 0) + 1, L'\0');
  w.resize(SendMessageW(h, LB_GETTEXT, i, reinterpret_cast<LPARAM>(w.data())));
  return w;
}

int labelClicks = 0;

template <class T>
T& as(ui::Control& c) {
  return static_cast<T&>(c);
}

const Case kCases[] = {
    {"Panel", [](ui::Form& f) -> ui::Control& { return f.add<ui::Panel>(&f, "Panel1", 10); },
     [](ui::Control& c) { c.setCaption("パネル"); },
     [](HWND h) { EXPECT_EQ(textOf(h), ToWide("パネル")); }, painted(WM_ERASEBKGND)},
    {"RadioGroup",
     [](ui::Form& f) -> ui::Control& {
       auto& g = f.add<ui::RadioGroup>(&f, "RadioGroup1", 10);
       g.setItems({"A", "B"});
       return g;
     },
     [](ui::Control& c) {
       as<ui::RadioGroup>(c).setItems({"連続", "逆連", "単独"});
       as<ui::RadioGroup>(c).setItemIndex(2);
       c.setCaption("モード");
     },
     [](HWND h) {
       auto buttons = childrenOf(h, L"Button");
       ASSERT_EQ(buttons.size(), 4u);  // the frame and three choices
       EXPECT_EQ(textOf(buttons[0]), ToWide("モード"));
       EXPECT_EQ(textOf(buttons[3]), ToWide("単独"));
       EXPECT_EQ(SendMessageW(buttons[3], BM_GETCHECK, 0, 0), BST_CHECKED);
       EXPECT_EQ(SendMessageW(buttons[1], BM_GETCHECK, 0, 0), BST_UNCHECKED);
     },
     askedWith(WM_CTLCOLORSTATIC, true)},
    {"Button", [](ui::Form& f) -> ui::Control& { return f.add<ui::Button>(&f, "Button1", 10); },
     [](ui::Control& c) { c.setCaption("再生"); }, [](HWND h) { EXPECT_EQ(textOf(h), ToWide("再生")); },
     painted(WM_PRINTCLIENT)},
    {"Label", [](ui::Form& f) -> ui::Control& { return f.add<ui::Label>(&f, "Label1", 10); },
     [](ui::Control& c) {
       c.setCaption("ゴミ箱");
       c.onClick = [] { ++labelClicks; };
     },
     [](HWND h) {
       EXPECT_EQ(textOf(h), ToWide("ゴミ箱"));
       SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
       SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
       EXPECT_EQ(labelClicks, 1);
     },
     askedWith(WM_CTLCOLORSTATIC)},
    {"CheckBox", [](ui::Form& f) -> ui::Control& { return f.add<ui::CheckBox>(&f, "CheckBox1", 10); },
     [](ui::Control& c) {
       c.setCaption("無限");
       as<ui::CheckBox>(c).setChecked(true);
     },
     [](HWND h) {
       EXPECT_EQ(textOf(h), ToWide("無限"));
       EXPECT_EQ(SendMessageW(h, BM_GETCHECK, 0, 0), BST_CHECKED);
     },
     askedWith(WM_CTLCOLORSTATIC)},
    {"ListBox", [](ui::Form& f) -> ui::Control& { return f.add<ui::ListBox>(&f, "ListBox1", 10); },
     [](ui::Control& c) {
       as<ui::ListBox>(c).setItems({"a.wav", "曲.wav"});
       as<ui::ListBox>(c).setItemIndex(1);
       as<ui::ListBox>(c).insert(0, "表.mid");
     },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, LB_GETCOUNT, 0, 0), 3);
       EXPECT_EQ(listBoxText(h, 0), ToWide("表.mid"));
       EXPECT_EQ(SendMessageW(h, LB_GETCURSEL, 0, 0), 2);
     },
     askedWith(WM_CTLCOLORLISTBOX)},
    {"ComboBox", [](ui::Form& f) -> ui::Control& { return f.add<ui::ComboBox>(&f, "ComboBox1", 10); },
     [](ui::Control& c) {
       as<ui::ComboBox>(c).setItems({"C:", "D:", "ソフト"});
       as<ui::ComboBox>(c).setItemIndex(2);
       as<ui::ComboBox>(c).remove(0);
     },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, CB_GETCOUNT, 0, 0), 2);
       EXPECT_EQ(SendMessageW(h, CB_GETCURSEL, 0, 0), 1);
       EXPECT_EQ(textOf(h), ToWide("ソフト"));
     },
     askedWith(WM_CTLCOLORLISTBOX)},
    {"Edit", [](ui::Form& f) -> ui::Control& { return f.add<ui::Edit>(&f, "Edit1", 10); },
     [](ui::Control& c) {
       as<ui::Edit>(c).setText("能.wav");
       as<ui::Edit>(c).setMaxLength(8);
     },
     [](HWND h) {
       EXPECT_EQ(textOf(h), ToWide("能.wav"));
       EXPECT_EQ(SendMessageW(h, EM_GETLIMITTEXT, 0, 0), 8);
     },
     askedWith(WM_CTLCOLOREDIT)},
    {"Memo", [](ui::Form& f) -> ui::Control& { return f.add<ui::Memo>(&f, "Memo1", 10); },
     [](ui::Control& c) { c.setCaption("一行\n二行"); },
     [](HWND h) {
       EXPECT_EQ(textOf(h), ToWide("一行\r\n二行"));
       EXPECT_EQ(SendMessageW(h, EM_GETLINECOUNT, 0, 0), 2);
     },
     askedWith(WM_CTLCOLORSTATIC)},
    {"StatusBar", [](ui::Form& f) -> ui::Control& { return f.add<ui::StatusBar>(&f, "StatusBar1", 10); },
     [](ui::Control& c) {
       as<ui::StatusBar>(c).setPanelCount(2);
       as<ui::StatusBar>(c).setPanelText(0, "曲");
       as<ui::StatusBar>(c).setPanelText(2, "停止");  // one panel more
     },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, SB_GETPARTS, 0, 0), 3);
       wchar_t text[16] = {};
       SendMessageW(h, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(text));
       EXPECT_EQ(text, ToWide("停止"));
     },
     nullptr},
    {"ScrollBar", [](ui::Form& f) -> ui::Control& { return f.add<ui::ScrollBar>(&f, "ScrollBar1", 10); },
     [](ui::Control& c) {
       as<ui::ScrollBar>(c).setRange(0, 500);
       as<ui::ScrollBar>(c).setPosition(120);
     },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, TBM_GETRANGEMAX, 0, 0), 500);
       EXPECT_EQ(SendMessageW(h, TBM_GETPOS, 0, 0), 120);
     },
     askedWith(WM_CTLCOLORSTATIC)},
    {"Header", [](ui::Form& f) -> ui::Control& { return f.add<ui::Header>(&f, "Header1", 10); },
     [](ui::Control& c) { as<ui::Header>(c).setSections({"ファイル名", "サイズ"}); },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, HDM_GETITEMCOUNT, 0, 0), 2);
       wchar_t text[16] = {};
       HDITEMW item{};
       item.mask = HDI_TEXT;
       item.pszText = text;
       item.cchTextMax = 16;
       SendMessageW(h, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&item));
       EXPECT_EQ(text, ToWide("サイズ"));
     },
     nullptr},
    {"TreeView", [](ui::Form& f) -> ui::Control& { return f.add<ui::TreeView>(&f, "TreeView1", 10); },
     [](ui::Control& c) { as<ui::TreeView>(c).setNodes({{"C:\\", 0, true}, {"音楽", 1}, {"Windows", 1}}, 1); },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, TVM_GETCOUNT, 0, 0), 3);
       wchar_t text[16] = {};
       TVITEMW item{};
       item.mask = TVIF_TEXT;
       item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_CARET, 0));
       item.pszText = text;
       item.cchTextMax = 16;
       SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
       EXPECT_EQ(text, ToWide("音楽"));
     },
     sent(TVM_GETBKCOLOR)},
    {"ListView", [](ui::Form& f) -> ui::Control& { return f.add<ui::ListView>(&f, "ListView1", 10); },
     [](ui::Control& c) {
       auto& l = as<ui::ListView>(c);
       l.setColumns({{"名前", 60}, {"サイズ", 40, true}});
       l.setRows({{{"a.wav", "1"}}, {{"曲.lzh", "1,234"}}}, 1);
     },
     [](HWND h) {
       EXPECT_EQ(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0), 2);
       EXPECT_EQ(SendMessageW(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
       wchar_t text[16] = {};
       LVITEMW item{};
       item.iSubItem = 1;
       item.pszText = text;
       item.cchTextMax = 16;
       SendMessageW(h, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
       EXPECT_EQ(text, ToWide("1,234"));
     },
     sent(LVM_GETBKCOLOR)},
    {"Image", [](ui::Form& f) -> ui::Control& { return f.add<ui::Image>(&f, "Image1", 10); },
     [](ui::Control& c) { as<ui::Image>(c).setIcon(ui::Image::Icon::Question); },
     [](HWND h) {
       EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
       EXPECT_NE(SendMessageW(h, STM_GETICON, 0, 0), 0);
     },
     askedWith(WM_CTLCOLORSTATIC)},
};

class ControlProperties : public ::testing::TestWithParam<Case> {
 protected:
  // Rests the mouse on the middle of the control, reported to the window the system would
  // report it to (windows that let the mouse through hand it to their parent), and answers the
  // hint that shows (empty when none does).
  std::wstring hintAfterRestingOn(HWND h) {
    RECT r;
    GetClientRect(h, &r);
    POINT pt{r.right / 2, r.bottom / 2}, screen = pt;
    ClientToScreen(h, &screen);
    HWND under = ChildWindowFromPointEx(h, pt, CWP_SKIPINVISIBLE);
    while (GetParent(under) && SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTTRANSPARENT)
      under = GetParent(under);
    pt = screen;
    ScreenToClient(under, &pt);
    PostMessageW(under, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    HWND hint = nullptr;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3000; Sleep(20)) {
      loop.processMessages();
      hint = GetDlgItem(reinterpret_cast<HWND>(form.handle), ui::win32::kHintWindowId);
      if (hint && IsWindowVisible(hint)) return textOf(hint);
    }
    return L"";
  }

  ui::win32::Win32Loop loop;
  ui::win32::Win32Backend backend{loop};
  ui::Application app{loop, &backend};
  ui::Form form{app, "PropertiesTest", "ZelcorPropertiesTest"};
};

TEST_P(ControlProperties, SetAfterTheWindowExistsReadsBackFromIt) {
  const Case& k = GetParam();
  ui::Control& c = k.make(form);
  c.setBounds(10, 10, 160, 80);
  form.setBounds(0, 0, 240, 160);
  form.show();
  loop.processMessages();
  HWND h = static_cast<ui::win32::ControlPeer*>(c.peer())->hwnd();

  k.change(c);
  c.setColor(kFace);
  c.setFont(kInk, false);
  c.setHint("ヒント");
  k.check(h);
  if (k.colour) {
    EXPECT_EQ(k.colour(h), kFace);
  }
  EXPECT_EQ(hintAfterRestingOn(h), ToWide("ヒント"));

  c.setEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(h));
  // The buttons a control is made of look disabled with it.
  for (HWND part : childrenOf(h, L"Button")) EXPECT_FALSE(IsWindowEnabled(part));
  c.setVisible(false);
  EXPECT_FALSE(IsWindowVisible(h));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ControlProperties, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.kind); });

}  // namespace

#include "ui/win32/peers.h"

#include <commctrl.h>

#include "ui/list_box.h"
#include "ui/widgets.h"
#include "ui/win32/list_view_peer.h"
#include "ui/win32/mouse_drag.h"
#include "ui/win32/pictures.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

extern const wchar_t kContainerClass[];
constexpr int kRadioBase = 0xE000;

namespace {

const wchar_t* const kControlProp = L"ZelcorControl";  // the window's kit control

int scaled(Win32Backend& b, int v) { return static_cast<int>(v * b.scale() + (v >= 0 ? 0.5 : -0.5)); }

struct ClassAndStyle {
  const wchar_t* cls;
  long long style;
  long long exStyle;
};

ClassAndStyle classFor(Control& c) {
  DWORD tab = c.tabStop() ? WS_TABSTOP : 0;
  switch (c.kind()) {
    case Kind::Panel:
      return {kContainerClass, WS_CLIPCHILDREN, 0};
    case Kind::RadioGroup:
      return {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT | WS_EX_STATICEDGE};
    case Kind::Button:
      return {L"BUTTON", tab | BS_OWNERDRAW, 0};  // a colour button, see color_button.cpp
    case Kind::Label:
      return {L"STATIC", static_cast<Label&>(c).alignRight ? SS_RIGHT : SS_LEFT, 0};
    case Kind::CheckBox:
      return {L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0};
    case Kind::ListBox: {
      auto& l = static_cast<ListBox&>(c);
      return {L"LISTBOX",
              WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (l.multiSelect ? LBS_EXTENDEDSEL : 0) |
                  (l.ownerDrawBoldSelection ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0),
              WS_EX_CLIENTEDGE};
    }
    case Kind::ComboBox:
      return {L"COMBOBOX",
              WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                  (static_cast<ComboBox&>(c).pictureOf ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0),
              0};
    case Kind::Edit:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | (static_cast<Edit&>(c).readOnly ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE};
    case Kind::Memo:
      return {L"EDIT", WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, 0};
    case Kind::StatusBar:
      return {STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 0};
    case Kind::ScrollBar:
      return {TRACKBAR_CLASSW, WS_TABSTOP | TBS_HORZ | TBS_NOTICKS | TBS_BOTH, 0};
    case Kind::Header:
      // HDS_BUTTONS: a section reports a click.
      return {WC_HEADERW, HDS_HORZ | HDS_BUTTONS, 0};
    case Kind::ListView:
      return {WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    case Kind::TreeView:
      return {WC_TREEVIEWW, WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE};
    case Kind::Image:
      // SS_NOTIFY: a static window lets the mouse through to its parent without it.
      return {L"STATIC", SS_NOTIFY | (static_cast<Image&>(c).icon() == Image::Icon::None ? SS_ETCHEDFRAME : SS_ICON | SS_CENTERIMAGE), 0};
    case Kind::Form:
      break;
  }
  return {L"STATIC", 0, 0};
}

}  // namespace

HWND createControlWindow(Win32Backend& backend, Control& c, HWND parent) {
  ClassAndStyle cs = classFor(c);
  const Rect& r = c.bounds();
  HWND hwnd = CreateWindowExW(static_cast<DWORD>(cs.exStyle), cs.cls, widen(c.caption()).c_str(),
                              static_cast<DWORD>(WS_CHILD | WS_CLIPSIBLINGS | cs.style | (c.visible() ? WS_VISIBLE : 0)),
                              scaled(backend, r.left), scaled(backend, r.top), scaled(backend, r.width),
                              scaled(backend, r.height), parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id())),
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(backend.font(c.fontBold())), FALSE);
  if (!c.enabled()) EnableWindow(hwnd, FALSE);
  auto peer = std::make_unique<ControlPeer>(backend, c, hwnd);
  ControlPeer* raw = peer.get();
  c.setPeer(std::move(peer));
  SetPropW(hwnd, kControlProp, &c);
  if (c.kind() == Kind::ListBox || c.kind() == Kind::Image || c.popupMenu) watchMouse(backend, hwnd);
  if (c.kind() == Kind::ListView) {
    SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    applyListViewColumns(backend, hwnd, static_cast<ListView&>(c));  // the rows need their columns first
  }
  raw->changed(kChangeItems | kChangeSelection | kChangeChecked | kChangeState | kChangeCaption |
               kChangeBounds);
  return hwnd;
}

Control* ControlOfWindow(HWND hwnd) { return static_cast<Control*>(GetPropW(hwnd, kControlProp)); }

ControlPeer::ControlPeer(Win32Backend& backend, Control& control, HWND hwnd)
    : backend_(backend), control_(control), hwnd_(hwnd) {}

ControlPeer::~ControlPeer() {
  if (brush_) DeleteObject(brush_);
  if (IsWindow(hwnd_)) {
    RemovePropW(hwnd_, kControlProp);
    DestroyWindow(hwnd_);
  }
}

Color paintedBackground(const Control& c) {
  const Kind k = c.kind();
  if ((k == Kind::ListBox || k == Kind::Edit || k == Kind::ComboBox) && c.color() == kParentColor) return kWindowColor;
  return c.effectiveColor();
}

COLORREF colorRef(Color c) {
  if (c == kButtonFaceColor) return GetSysColor(COLOR_BTNFACE);
  if (c == kWindowColor) return GetSysColor(COLOR_WINDOW);
  return c;
}

HBRUSH ControlPeer::backgroundBrush() {
  Color c = control_.effectiveColor();
  if (c == kButtonFaceColor) return GetSysColorBrush(COLOR_BTNFACE);
  if (c == kWindowColor) return GetSysColorBrush(COLOR_WINDOW);
  if (!brush_ || brushColor_ != c) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(c);
    brushColor_ = c;
  }
  return brush_;
}

void ControlPeer::changed(unsigned what) {
  writing_ = true;
  if (what & kChangeBounds) applyBounds();
  if (what & kChangeVisible) {
    ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
    // A panel placed by hand floats over the aligned regions it overlaps.
    if (control_.visible() && control_.kind() == Kind::Panel && control_.align() == Align::None)
      SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (what & kChangeEnabled) EnableWindow(hwnd_, control_.enabled());
  if (what & kChangeCaption) applyCaption();
  if (what & kChangeItems) applyItems();
  if (what & (kChangeSelection | kChangeItems)) applySelection();
  if (what & kChangeChecked && control_.kind() == Kind::CheckBox)
    SendMessageW(hwnd_, BM_SETCHECK, static_cast<CheckBox&>(control_).checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  if (what & kChangeState) applyState();
  if (what & kChangeFont)
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(control_.fontBold())), TRUE);
  if (what & (kChangeColor | kChangeFont)) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  writing_ = false;
}

void ControlPeer::applyBounds() {
  const Rect& r = control_.bounds();
  int h = scaled(backend_, r.height);
  // A combo box's window height is the height of its drop-down list.
  if (control_.kind() == Kind::ComboBox) h = scaled(backend_, r.height * 12);
  SetWindowPos(hwnd_, nullptr, scaled(backend_, r.left), scaled(backend_, r.top),
               scaled(backend_, r.width), h, SWP_NOZORDER | SWP_NOACTIVATE);
  if (control_.kind() == Kind::RadioGroup) applyItems();
  if (control_.kind() == Kind::Header) applyItems();
}

void ControlPeer::applyCaption() {
  switch (control_.kind()) {
    case Kind::StatusBar: {
      auto& sb = static_cast<StatusBar&>(control_);
      for (int i = 0; i < static_cast<int>(sb.panels().size()); ++i)
        SendMessageW(hwnd_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(widen(sb.panels()[i].text).c_str()));
      break;
    }
    case Kind::RadioGroup:
      applyItems();
      break;
    case Kind::Memo:
      SetWindowTextW(hwnd_, widenMultiline(control_.caption()).c_str());
      break;
    case Kind::ListBox:
    case Kind::ComboBox:
    case Kind::Header:
    case Kind::ScrollBar:
    case Kind::TreeView:
    case Kind::ListView:
      break;
    default:
      SetWindowTextW(hwnd_, widen(control_.caption()).c_str());
  }
}

void ControlPeer::applyItems() {
  switch (control_.kind()) {
    case Kind::ListBox:
    case Kind::ComboBox: {
      auto& list = static_cast<ItemList&>(control_);
      const bool lb = control_.kind() == Kind::ListBox;
      SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
      SendMessageW(hwnd_, lb ? LB_RESETCONTENT : CB_RESETCONTENT, 0, 0);
      for (auto& s : list.items())
        SendMessageW(hwnd_, lb ? LB_ADDSTRING : CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(s).c_str()));
      SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    }
    case Kind::StatusBar: {
      auto& sb = static_cast<StatusBar&>(control_);
      std::vector<int> edges;
      int x = 0;
      for (auto& p : sb.panels()) {
        x += scaled(backend_, p.width);
        edges.push_back(x);
      }
      if (!edges.empty()) edges.back() = -1;
      SendMessageW(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
      applyCaption();
      break;
    }
    case Kind::Header: {
      auto& h = static_cast<Header&>(control_);
      while (SendMessageW(hwnd_, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(hwnd_, HDM_DELETEITEM, 0, 0);
      int n = static_cast<int>(h.sections().size());
      RECT rc;
      GetClientRect(hwnd_, &rc);
      for (int i = 0; i < n; ++i) {
        std::wstring text = widen(h.sections()[i]);
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.pszText = text.data();
        // The first section (names) takes what the size column leaves.
        item.cxy = n == 1 ? rc.right : (i == 0 ? rc.right - scaled(backend_, 90) : scaled(backend_, 90));
        SendMessageW(hwnd_, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
      break;
    }
    case Kind::TreeView: {
      auto& t = static_cast<TreeView&>(control_);
      SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
      SendMessageW(hwnd_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
      std::vector<HTREEITEM> openAt;  // the open node of each depth so far
      std::vector<HTREEITEM> items;
      for (int i = 0; i < static_cast<int>(t.nodes().size()); ++i) {
        const auto& n = t.nodes()[i];
        std::wstring text = widen(n.text);
        TVINSERTSTRUCTW ins{};
        ins.hParent = n.depth > 0 && n.depth <= static_cast<int>(openAt.size()) ? openAt[n.depth - 1] : TVI_ROOT;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_PARAM;
        ins.item.pszText = text.data();
        ins.item.lParam = i;
        HTREEITEM h = reinterpret_cast<HTREEITEM>(SendMessageW(hwnd_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
        items.push_back(h);
        if (n.open) {
          openAt.resize(n.depth);
          openAt.push_back(h);
        }
      }
      for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (t.nodes()[i].open) SendMessageW(hwnd_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items[i]));
      SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
      if (t.selected() >= 0) {
        SendMessageW(hwnd_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[t.selected()]));
        SendMessageW(hwnd_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(items[t.selected()]));
      }
      break;
    }
    case Kind::ListView:
      applyListViewRows(hwnd_, static_cast<ListView&>(control_));
      break;
    case Kind::RadioGroup: {
      auto& g = static_cast<RadioGroup&>(control_);
      HWND child;
      while ((child = GetWindow(hwnd_, GW_CHILD)) != nullptr) DestroyWindow(child);
      RECT rc;
      GetClientRect(hwnd_, &rc);
      if (!control_.caption().empty()) {
        HWND box = CreateWindowExW(0, L"BUTTON", widen(control_.caption()).c_str(),
                                   WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, rc.right, rc.bottom, hwnd_,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(false)), FALSE);
      }
      const int n = static_cast<int>(g.items().size());
      const int cols = g.columns < 1 ? 1 : g.columns;
      const int rows = (n + cols - 1) / cols;
      const int top = control_.caption().empty() ? scaled(backend_, 2) : scaled(backend_, 14);
      const int cellW = (rc.right - scaled(backend_, 8)) / cols;
      const int cellH = rows ? (rc.bottom - top - scaled(backend_, 4)) / rows : 0;
      for (int i = 0; i < n; ++i) {
        HWND b = CreateWindowExW(0, L"BUTTON", widen(g.items()[i]).c_str(),
                                 WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                                 scaled(backend_, 6) + (i % cols) * cellW, top + (i / cols) * cellH, cellW - 2,
                                 cellH, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRadioBase + i)),
                                 GetModuleHandleW(nullptr), nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(control_.fontBold())), FALSE);
      }
      applySelection();
      break;
    }
    default:
      break;
  }
}

void ControlPeer::applySelection() {
  switch (control_.kind()) {
    case Kind::ListBox: {
      auto& l = static_cast<ListBox&>(control_);
      if (l.multiSelect) {
        SendMessageW(hwnd_, LB_SETSEL, FALSE, -1);
        for (int i = 0; i < l.count(); ++i)
          if (l.selected(i)) SendMessageW(hwnd_, LB_SETSEL, TRUE, i);
        SendMessageW(hwnd_, LB_SETCARETINDEX, l.itemIndex() < 0 ? 0 : l.itemIndex(), FALSE);
      } else {
        SendMessageW(hwnd_, LB_SETCURSEL, l.itemIndex(), 0);
      }
      break;
    }
    case Kind::ComboBox:
      SendMessageW(hwnd_, CB_SETCURSEL, static_cast<ItemList&>(control_).itemIndex(), 0);
      break;
    case Kind::ListView:
      applyListViewSelection(hwnd_, static_cast<ListView&>(control_));
      break;
    case Kind::RadioGroup: {
      auto& g = static_cast<RadioGroup&>(control_);
      for (int i = 0; i < static_cast<int>(g.items().size()); ++i)
        CheckDlgButton(hwnd_, kRadioBase + i, i == g.itemIndex() ? BST_CHECKED : BST_UNCHECKED);
      break;
    }
    default:
      break;
  }
}

void ControlPeer::applyState() {
  if (control_.kind() == Kind::ScrollBar) {
    auto& s = static_cast<ScrollBar&>(control_);
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, s.min());
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, s.max());
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, s.position());
  } else if (control_.kind() == Kind::Image) {
    LPCWSTR id = nullptr;
    HICON icon = nullptr;
    switch (static_cast<Image&>(control_).icon()) {
      case Image::Icon::Information: id = reinterpret_cast<LPCWSTR>(IDI_INFORMATION); break;
      case Image::Icon::Question: id = reinterpret_cast<LPCWSTR>(IDI_QUESTION); break;
      case Image::Icon::Exclamation: id = reinterpret_cast<LPCWSTR>(IDI_WARNING); break;
      case Image::Icon::Trash: icon = TrashPicture(false); break;
      case Image::Icon::TrashFull: icon = TrashPicture(true); break;
      case Image::Icon::None: break;
    }
    if (id) icon = LoadIconW(nullptr, id);
    if (icon) SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  } else if (control_.kind() == Kind::Edit) {
    SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<Edit&>(control_).maxLength(), 0);
  } else if (control_.kind() == Kind::ListView) {
    applyListViewColumns(backend_, hwnd_, static_cast<ListView&>(control_));
  }
}

void ControlPeer::itemInserted(int index) {
  if (control_.kind() != Kind::ListBox && control_.kind() != Kind::ComboBox) return changed(kChangeItems);
  auto& list = static_cast<ItemList&>(control_);
  const bool lb = control_.kind() == Kind::ListBox;
  writing_ = true;
  SendMessageW(hwnd_, lb ? LB_INSERTSTRING : CB_INSERTSTRING, index,
               reinterpret_cast<LPARAM>(widen(list.item(index)).c_str()));
  applySelection();
  writing_ = false;
}

void ControlPeer::itemDeleted(int index) {
  if (control_.kind() != Kind::ListBox && control_.kind() != Kind::ComboBox) return changed(kChangeItems);
  writing_ = true;
  SendMessageW(hwnd_, control_.kind() == Kind::ListBox ? LB_DELETESTRING : CB_DELETESTRING, index, 0);
  applySelection();
  writing_ = false;
}

// ---- menus ----

MenuBinding::MenuBinding(MenuItem& root, bool bar, HWND owner) : root_(root), bar_(bar), owner_(owner) {
  root_.setPeer(this);
  rebuild();
}

MenuBinding::~MenuBinding() {
  root_.setPeer(nullptr);
  if (bar_ && owner_ && GetMenu(owner_) == menu_) SetMenu(owner_, nullptr);
  if (menu_) DestroyMenu(menu_);
}

namespace {
void fill(HMENU menu, MenuItem& parent) {
  for (auto& it : parent.items()) {
    if (!it->visible()) continue;
    if (it->isSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (it->checked() ? MF_CHECKED : 0) | (it->enabled() ? 0 : MF_GRAYED);
    std::wstring text = widen(it->caption());
    if (!it->items().empty()) {
      HMENU sub = CreatePopupMenu();
      fill(sub, *it);
      AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
    } else {
      AppendMenuW(menu, flags, it->id(), text.c_str());
    }
  }
}
}  // namespace

void MenuBinding::rebuild() {
  HMENU old = menu_;
  menu_ = bar_ ? CreateMenu() : CreatePopupMenu();
  fill(menu_, root_);
  if (bar_ && owner_) {
    SetMenu(owner_, menu_);
    DrawMenuBar(owner_);
  }
  if (old) DestroyMenu(old);
}

void MenuBinding::itemChanged(MenuItem&) {
  // Menus are small; rebuilding keeps submenu captions, checks and visibility exact.
  rebuild();
}

}  // namespace ui::win32

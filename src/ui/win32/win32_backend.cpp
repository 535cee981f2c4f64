#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "ui/list_box.h"
#include "ui/widgets.h"
#include "ui/win32/hints.h"
#include "ui/win32/mouse_drag.h"
#include "ui/win32/list_view_peer.h"
#include "ui/win32/peers.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

extern const wchar_t kContainerClass[] = L"ZelcorPanel";
constexpr int kRadioBase = 0xE000;

namespace {

Win32Backend* g_backend = nullptr;

struct FormWindow : Peer {
  FormWindow(Form& f, HWND h) : form(f), hwnd(h) {}
  ~FormWindow() override {
    menuBar.reset();
    if (IsWindow(hwnd)) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      DestroyWindow(hwnd);
    }
  }
  void changed(unsigned what) override;
  Form& form;
  HWND hwnd;
  std::unique_ptr<MenuBinding> menuBar;
  bool syncing = false;  // the window itself reported a move or size
};

int CALLBACK noteFontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool fontExists(const wchar_t* face) {
  HDC dc = GetDC(nullptr);
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &lf, noteFontFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

HFONT makeFont(double scale, bool bold) {
  // The first Japanese UI face the system has.
  const wchar_t* faces[] = {L"MS UI Gothic", L"Meiryo UI", L"IPAPGothic", L"IPAGothic", L"MS Gothic"};
  const wchar_t* face = L"MS Shell Dlg";
  for (auto f : faces)
    if (fontExists(f)) {
      face = f;
      break;
    }
  return CreateFontW(-static_cast<int>(12 * scale + 0.5), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                     SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH, face);
}

// The height of one list entry: a line of the bold face, which is never lower than the normal one.
int measureLineHeight(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

int scaled(int v) { return static_cast<int>(v * g_backend->scale() + 0.5); }
int unscaled(int v) {
  const double x = v / g_backend->scale();
  return static_cast<int>(x < 0 ? x - 0.5 : x + 0.5);
}

DWORD formStyle(Form& f) {
  return f.isDialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
                    : (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
}
DWORD formExStyle(Form& f) {
  return (f.isDialog ? WS_EX_DLGMODALFRAME : 0) | (f.alwaysOnTop ? WS_EX_TOPMOST : 0) | WS_EX_CONTROLPARENT;
}

// Outer window size for a client size, taking the menu bar into account.
RECT outerRect(Form& f, HWND hwnd) {
  const Rect& b = f.bounds();
  RECT rc{0, 0, scaled(b.width), scaled(b.height)};
  AdjustWindowRectEx(&rc, formStyle(f), hwnd && GetMenu(hwnd) ? TRUE : FALSE, formExStyle(f));
  return RECT{scaled(b.left), scaled(b.top), scaled(b.left) + rc.right - rc.left,
              scaled(b.top) + rc.bottom - rc.top};
}

void FormWindow::changed(unsigned what) {
  if (syncing) return;
  if (what & kChangeCaption) SetWindowTextW(hwnd, widen(form.caption()).c_str());
  if (what & kChangeBounds) {
    RECT r = outerRect(form, hwnd);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (what & kChangeEnabled) EnableWindow(hwnd, form.enabled());
  // Controls of the parent's colour, the colour buttons among them, repaint with it.
  if (what & kChangeColor) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (what & kChangeState) DragAcceptFiles(hwnd, form.acceptFiles());
}

void createChildren(Win32Backend& b, Control& parent, HWND parentHwnd) {
  for (Control* c : parent.children()) {
    HWND h = createControlWindow(b, *c, parentHwnd);
    if (c->kind() == Kind::Panel) createChildren(b, *c, h);
  }
}

// Input reported by a child window, turned into the control's own event.
bool routeCommand(Form& form, WPARAM wp, LPARAM lp) {
  const int id = LOWORD(wp);
  const int code = HIWORD(wp);
  HWND child = reinterpret_cast<HWND>(lp);
  if (!child) {
    if (MenuItem* m = form.findMenuId(id)) m->click();
    return true;
  }
  // A radio button inside a radio group.
  if (id >= kRadioBase && id < kRadioBase + 64) {
    if (Control* g = ControlOfWindow(GetParent(child)); g && g->kind() == Kind::RadioGroup && code == BN_CLICKED)
      static_cast<RadioGroup*>(g)->choose(id - kRadioBase);
    return true;
  }
  Control* c = ControlOfWindow(child);
  if (!c) return false;
  auto* peer = static_cast<ControlPeer*>(c->peer());
  if (peer && peer->writing()) return true;
  switch (c->kind()) {
    case Kind::Button:
      // A quick second press on a colour button comes as a double click: it is a click too.
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) c->click();
      break;
    case Kind::CheckBox:
      if (code == BN_CLICKED) c->click();
      break;
    case Kind::ListBox:
      if (code == LBN_SELCHANGE) {
        if (static_cast<ListBox*>(c)->multiSelect) {
          const int n = static_cast<int>(SendMessageW(child, LB_GETSELCOUNT, 0, 0));
          std::vector<int> chosen(n > 0 ? n : 0);
          if (n > 0) SendMessageW(child, LB_GETSELITEMS, n, reinterpret_cast<LPARAM>(chosen.data()));
          static_cast<ItemList*>(c)->userSelectMany(chosen,
                                                    static_cast<int>(SendMessageW(child, LB_GETCARETINDEX, 0, 0)));
        } else {
          static_cast<ItemList*>(c)->userSelect(static_cast<int>(SendMessageW(child, LB_GETCURSEL, 0, 0)));
        }
      } else if (code == LBN_DBLCLK) {
        if (auto& f = static_cast<ItemList*>(c)->onDoubleClick) f();
      }
      break;
    case Kind::ComboBox:
      if (code == CBN_SELCHANGE)
        static_cast<ItemList*>(c)->userSelect(static_cast<int>(SendMessageW(child, CB_GETCURSEL, 0, 0)));
      break;
    case Kind::Edit:
      if (code == EN_CHANGE) {
        int n = GetWindowTextLengthW(child);
        std::wstring w(n + 1, L'\0');
        GetWindowTextW(child, w.data(), n + 1);
        w.resize(n);
        static_cast<Edit*>(c)->userTyped(narrow(w));
      }
      break;
    default:
      break;
  }
  return true;
}

LRESULT colorMessage(HDC dc, HWND child) {
  Control* c = ControlOfWindow(child);
  if (!c || !c->peer()) return 0;
  auto* peer = static_cast<ControlPeer*>(c->peer());
  const Color bg = paintedBackground(*c);
  SetTextColor(dc, colorRef(c->fontColor()));
  SetBkColor(dc, colorRef(bg));
  if (bg == kWindowColor) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(peer->backgroundBrush());
}

// Messages shared by forms and panels: both are parents of controls.
bool routeParentMessage(Form* form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (form) routeCommand(*form, wp, lp);
      result = 0;
      return true;
    case WM_HSCROLL:
      if (Control* c = ControlOfWindow(reinterpret_cast<HWND>(lp)); c && c->kind() == Kind::ScrollBar) {
        auto* peer = static_cast<ControlPeer*>(c->peer());
        if (!peer->writing())
          static_cast<ScrollBar*>(c)->userMoved(static_cast<int>(SendMessageW(peer->hwnd(), TBM_GETPOS, 0, 0)));
      }
      result = 0;
      return true;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      Control* c = ControlOfWindow(hdr->hwndFrom);
      if (c && c->kind() == Kind::TreeView && hdr->code == TVN_SELCHANGEDW) {
        auto* tv = reinterpret_cast<NMTREEVIEWW*>(lp);
        // Only the user's own choice; selections the program makes are not echoed back.
        if (tv->action == TVC_BYMOUSE || tv->action == TVC_BYKEYBOARD)
          static_cast<TreeView*>(c)->userSelect(static_cast<int>(tv->itemNew.lParam));
        result = 0;
        return true;
      }
      if (c && c->kind() == Kind::ListView) {
        auto* peer = static_cast<ControlPeer*>(c->peer());
        return listViewNotify(*g_backend, static_cast<ListView&>(*c), peer && peer->writing(), hdr, result);
      }
      // A click on a header section or on a status bar is the control's own click.
      const bool headerClick = hdr->code == HDN_ITEMCLICKW || hdr->code == HDN_ITEMCLICKA;
      if (c && ((c->kind() == Kind::Header && headerClick) || (c->kind() == Kind::StatusBar && hdr->code == NM_CLICK))) {
        c->click();
        result = 0;
        return true;
      }
      return false;
    }
    case WM_MEASUREITEM: {
      // Combo boxes ask while their window is being made, before it is known as a control.
      auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (m->CtlType != ODT_LISTBOX && m->CtlType != ODT_COMBOBOX) return false;
      m->itemHeight = m->CtlType == ODT_LISTBOX ? g_backend->lineHeight() : comboItemHeight(*g_backend);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& d = *reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      if (drawListItem(*g_backend, d) || drawComboItem(*g_backend, d) || drawColorButton(*g_backend, d)) {
        result = TRUE;
        return true;
      }
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (msg == WM_CTLCOLORSTATIC && GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == kHintWindowId) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        SetBkColor(dc, GetSysColor(COLOR_INFOBK));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
        return true;
      }
      if (Control* c = ControlOfWindow(reinterpret_cast<HWND>(lp))) {
        // A radio button's own window is not a control; paint it with its group.
        (void)c;
        result = colorMessage(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        if (result) return true;
      } else if (Control* g = ControlOfWindow(hwnd); g && g->kind() == Kind::RadioGroup) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, g->fontColor());
        Color bg = g->effectiveColor();
        SetBkColor(dc, bg == kButtonFaceColor ? GetSysColor(COLOR_BTNFACE) : bg);
        result = reinterpret_cast<LRESULT>(static_cast<ControlPeer*>(g->peer())->backgroundBrush());
        return true;
      }
      return false;
    case WM_ERASEBKGND: {
      Control* self = ControlOfWindow(hwnd);
      if (!self && form) self = form;
      if (!self) return false;
      Color bg = self->effectiveColor();
      RECT rc;
      GetClientRect(hwnd, &rc);
      HBRUSH brush = bg == kButtonFaceColor ? GetSysColorBrush(COLOR_BTNFACE)
                     : bg == kWindowColor   ? GetSysColorBrush(COLOR_WINDOW)
                                            : CreateSolidBrush(bg);
      FillRect(reinterpret_cast<HDC>(wp), &rc, brush);
      if (bg != kButtonFaceColor && bg != kWindowColor) DeleteObject(brush);
      result = 1;
      return true;
    }
    default:
      return false;
  }
}

// A splitter panel follows the mouse while pressed and resizes its neighbour on release.
bool splitterMessage(HWND hwnd, UINT msg, LPARAM lp) {
  static POINT dragStart;
  Control* c = ControlOfWindow(hwnd);
  if (!c || c->kind() != Kind::Panel || !static_cast<Panel*>(c)->isSplitter()) return false;
  auto* panel = static_cast<Panel*>(c);
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(panel->sizeGrip()          ? IDC_SIZEALL
                                                               : panel->verticalSplitter() ? IDC_SIZEWE
                                                                                           : IDC_SIZENS)));
      return true;
    case WM_LBUTTONDOWN:
      ClientToScreen(hwnd, &pt);
      dragStart = pt;
      SetCapture(hwnd);
      return true;
    case WM_LBUTTONUP:
      if (GetCapture() != hwnd) return false;
      ReleaseCapture();
      ClientToScreen(hwnd, &pt);
      panel->dragBy(unscaled(pt.x - dragStart.x), unscaled(pt.y - dragStart.y));
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if ((msg == WM_SETCURSOR || msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP) && splitterMessage(hwnd, msg, lp))
    return msg == WM_SETCURSOR ? TRUE : 0;
  LRESULT result = 0;
  if (routeParentMessage(formOf(hwnd), hwnd, msg, wp, lp, result)) return result;
  if (msg == WM_CONTEXTMENU || msg == WM_DRAWITEM || msg == WM_MEASUREITEM)
    return SendMessageW(GetParent(hwnd), msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK formProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* fw = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!fw) return DefWindowProcW(hwnd, msg, wp, lp);
  Form& form = fw->form;
  if (form.onMessage) {
    std::intptr_t r = 0;
    if (form.onMessage(msg, wp, lp, r)) return r;
  }
  LRESULT result = 0;
  if (routeParentMessage(&form, hwnd, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CLOSE:
      form.close();
      return 0;
    case WM_CONTEXTMENU:
      if (Control* c = ControlOfWindow(reinterpret_cast<HWND>(wp)); c && c->popupMenu) {
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (pt.x == -1 && pt.y == -1) GetCursorPos(&pt);
        g_backend->popup(form, *c->popupMenu, pt.x, pt.y);
        return 0;
      }
      return DefWindowProcW(hwnd, msg, wp, lp);
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED) {
        fw->syncing = true;
        Rect b = form.bounds();
        b.width = unscaled(LOWORD(lp));
        b.height = unscaled(HIWORD(lp));
        form.setBounds(b);
        fw->syncing = false;
      }
      return 0;
    case WM_MOVE: {
      RECT r;
      GetWindowRect(hwnd, &r);
      if (!IsIconic(hwnd)) {
        fw->syncing = true;
        Rect b = form.bounds();
        b.left = unscaled(r.left);
        b.top = unscaled(r.top);
        form.setBounds(b);
        fw->syncing = false;
      }
      return 0;
    }
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wp);
      std::vector<std::string> files;
      UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < n; ++i) {
        UINT len = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring w(len + 1, L'\0');
        DragQueryFileW(drop, i, w.data(), len + 1);
        w.resize(len);
        files.push_back(narrow(w));
      }
      DragFinish(drop);
      if (form.acceptFiles() && form.onDropFiles) form.onDropFiles(files);
      return 0;
    }
    case WM_DESTROY:
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void registerClass(const std::wstring& name, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  wc.lpszClassName = name.c_str();
  RegisterClassExW(&wc);
}

}  // namespace

Form* formOf(HWND hwnd) {
  HWND root = GetAncestor(hwnd, GA_ROOT);
  auto* fw = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
  if (!fw) return nullptr;
  // Only our own form windows carry a FormWindow; check the class procedure to be sure.
  if (reinterpret_cast<WNDPROC>(GetClassLongPtrW(root, GCLP_WNDPROC)) != formProc) return nullptr;
  return &fw->form;
}

Win32Backend::Win32Backend(Win32Loop& loop)
    : drag_(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)), hints_(*this) {
  g_backend = this;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                            ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  HDC dc = GetDC(nullptr);
  scale_ = GetDeviceCaps(dc, LOGPIXELSY) / 96.0;
  ReleaseDC(nullptr, dc);
  if (scale_ < 1.0) scale_ = 1.0;
  font_ = makeFont(scale_, false);
  boldFont_ = makeFont(scale_, true);
  lineHeight_ = measureLineHeight(boldFont_);
  registerClass(kContainerClass, containerProc);
  loop.preTranslate = [this](MSG& m) { return preTranslate(m); };
}

Win32Backend::~Win32Backend() {
  DeleteObject(font_);
  DeleteObject(boldFont_);
  g_backend = nullptr;
}

void Win32Backend::realize(Form& form) {
  std::wstring cls = widen(form.windowClass());
  registerClass(cls, formProc);
  HWND owner = nullptr;
  if (form.isDialog && form.app().mainForm && form.app().mainForm != &form)
    owner = reinterpret_cast<HWND>(form.app().mainForm->handle);
  RECT r = outerRect(form, nullptr);
  HWND hwnd = CreateWindowExW(formExStyle(form), cls.c_str(), widen(form.caption()).c_str(), formStyle(form),
                              r.left, r.top, r.right - r.left, r.bottom - r.top, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  auto fw = std::make_unique<FormWindow>(form, hwnd);
  FormWindow* raw = fw.get();
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(raw));
  form.handle = reinterpret_cast<std::uintptr_t>(hwnd);
  if (!form.mainMenu().items().empty()) raw->menuBar = std::make_unique<MenuBinding>(form.mainMenu(), true, hwnd);
  createChildren(*this, form, hwnd);
  DragAcceptFiles(hwnd, form.acceptFiles());
  form.setPeer(std::move(fw));
  // The menu bar changes the client size: lay the window out once more.
  raw->changed(kChangeBounds);
}

void Win32Backend::show(Form& form) {
  HWND hwnd = reinterpret_cast<HWND>(form.handle);
  ShowWindow(hwnd, SW_SHOW);
  UpdateWindow(hwnd);
  if (form.isModal()) SetForegroundWindow(hwnd);
}

void Win32Backend::hintsChanged() { hints_.reset(); }

void Win32Backend::hide(Form& form) { ShowWindow(reinterpret_cast<HWND>(form.handle), SW_HIDE); }

void Win32Backend::destroy(Form& form) {
  hints_.reset();
  form.setPeer(nullptr);
  form.handle = 0;
}

void Win32Backend::beginModal(Form& form) {
  Form* main = form.app().mainForm;
  if (main && main != &form && main->handle) {
    HWND h = reinterpret_cast<HWND>(main->handle);
    if (IsWindowEnabled(h)) {
      EnableWindow(h, FALSE);
      disabledOwners_[&form] = h;
    }
  }
}

void Win32Backend::endModal(Form& form) {
  auto it = disabledOwners_.find(&form);
  if (it != disabledOwners_.end()) {
    EnableWindow(it->second, TRUE);
    SetActiveWindow(it->second);
    disabledOwners_.erase(it);
  }
}

Rect Win32Backend::workArea() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return Rect{unscaled(r.left), unscaled(r.top), unscaled(r.right - r.left), unscaled(r.bottom - r.top)};
}

Rect Win32Backend::screen() {
  return Rect{0, 0, unscaled(GetSystemMetrics(SM_CXSCREEN)), unscaled(GetSystemMetrics(SM_CYSCREEN))};
}

void Win32Backend::setBusyCursor(bool busy) {
  busy_ = busy;
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(busy ? IDC_WAIT : IDC_ARROW)));
}

void Win32Backend::bringToFront(Form& form) {
  HWND h = reinterpret_cast<HWND>(form.handle);
  if (IsIconic(h)) ShowWindow(h, SW_RESTORE);
  SetForegroundWindow(h);
}

void Win32Backend::popup(Form& form, MenuItem& menu, int x, int y) {
  MenuBinding binding(menu, false, reinterpret_cast<HWND>(form.handle));
  HWND owner = reinterpret_cast<HWND>(form.handle);
  SetForegroundWindow(owner);
  TrackPopupMenu(binding.handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

void Win32Backend::popupAtMouse(Form& form, MenuItem& menu, int dx, int dy) {
  POINT pt;
  GetCursorPos(&pt);
  popup(form, menu, pt.x + static_cast<int>(dx * scale_), pt.y + static_cast<int>(dy * scale_));
}

bool Win32Backend::preTranslate(MSG& msg) {
  hints_.message(msg);
  if (msg.message != WM_KEYDOWN) return false;
  if (msg.wParam == VK_ESCAPE && cancelDrag(*this)) return true;
  Form* form = formOf(msg.hwnd);
  if (!form) return false;
  if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) {
    // Enter presses the default button and Escape the cancel button, as in a dialog.
    Control* target = nullptr;
    std::vector<Control*> stack{form};
    while (!stack.empty() && !target) {
      Control* c = stack.back();
      stack.pop_back();
      if (c->kind() == Kind::Button && c->showing() && c->enabled()) {
        auto* b = static_cast<Button*>(c);
        if ((msg.wParam == VK_RETURN && b->isDefault) || (msg.wParam == VK_ESCAPE && b->isCancel)) target = c;
      }
      for (Control* ch : c->children()) stack.push_back(ch);
    }
    if (target) {
      target->click();
      return true;
    }
    return false;
  }
  if (msg.wParam == VK_TAB) return IsDialogMessageW(reinterpret_cast<HWND>(form->handle), &msg);
  return false;
}

}  // namespace ui::win32

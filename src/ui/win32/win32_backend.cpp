#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "ui/win32/control_peer.h"
#include "ui/win32/hints.h"
#include "ui/win32/menu_binding.h"
#include "ui/win32/mouse_drag.h"
#include "ui/win32/peer_kinds.h"
#include "ui/win32/wide.h"

namespace ui::win32 {

extern const wchar_t kContainerClass[] = L"ZelcorPanel";

namespace {

struct FormWindow : Peer {
  FormWindow(Win32Backend& b, Form& f, HWND h) : backend(b), form(f), hwnd(h) {}
  ~FormWindow() override {
    menuBar.reset();
    if (IsWindow(hwnd)) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      DestroyWindow(hwnd);
    }
  }
  void changed(unsigned what) override;
  void applyTaskbarButton();
  Win32Backend& backend;
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

DWORD formStyle(Form& f) {
  return f.isDialog ? (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN)
                    : (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
}
DWORD formExStyle(Form& f) {
  return (f.isDialog ? WS_EX_DLGMODALFRAME : 0) | (f.alwaysOnTop ? WS_EX_TOPMOST : 0) | WS_EX_CONTROLPARENT;
}

// Outer window size for a client size, taking the menu bar into account.
RECT outerRect(const Win32Backend& backend, Form& f, HWND hwnd) {
  const Rect& b = f.bounds();
  const int left = backend.pixels(b.left), top = backend.pixels(b.top);
  // A form of no size has no frame either: nothing of it shows.
  if (b.width == 0 && b.height == 0) return RECT{left, top, left, top};
  RECT rc{0, 0, backend.pixels(b.width), backend.pixels(b.height)};
  AdjustWindowRectEx(&rc, formStyle(f), hwnd && GetMenu(hwnd) ? TRUE : FALSE, formExStyle(f));
  return RECT{left, top, left + rc.right - rc.left, top + rc.bottom - rc.top};
}

void FormWindow::changed(unsigned what) {
  if (syncing) return;
  if (what & kChangeCaption) SetWindowTextW(hwnd, widen(form.caption()).c_str());
  if (what & kChangeBounds) {
    RECT r = outerRect(backend, form, hwnd);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (what & kChangeEnabled) EnableWindow(hwnd, form.enabled());
  // Controls of the parent's colour, the colour buttons among them, repaint with it.
  if (what & kChangeColor) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  if (what & kChangeState) {
    DragAcceptFiles(hwnd, form.acceptFiles());
    applyTaskbarButton();
  }
}

void FormWindow::applyTaskbarButton() {
  // An owned window has no taskbar button; the owner is a window that is never shown.
  static HWND hiddenOwner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr);
  HWND want = form.taskbarButton() ? nullptr : hiddenOwner;
  if (GetWindow(hwnd, GW_OWNER) == want) return;
  // The taskbar looks at a window again only when the window is shown anew.
  const bool visible = IsWindowVisible(hwnd);
  if (visible) ShowWindow(hwnd, SW_HIDE);
  SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(want));
  if (visible) ShowWindow(hwnd, SW_SHOWNA);
}

void createChildren(Win32Backend& b, Control& parent, HWND parentHwnd) {
  for (Control* c : parent.children()) {
    HWND h = createControlWindow(b, *c, parentHwnd);
    if (auto* peer = static_cast<ControlPeer*>(c->peer()); peer && peer->holdsControls()) createChildren(b, *c, h);
  }
}

// Input reported by a child window goes to the peer of the control it belongs to (a window
// inside a control, such as a radio button, belongs to the control around it).
ControlPeer* reportingPeer(HWND child) {
  ControlPeer* peer = PeerOfWindow(child);
  if (!peer) peer = PeerOfWindow(GetParent(child));
  return peer && !peer->writing() ? peer : nullptr;
}

void routeCommand(Form& form, WPARAM wp, LPARAM lp) {
  HWND child = reinterpret_cast<HWND>(lp);
  if (!child) {
    if (MenuItem* m = form.findMenuId(LOWORD(wp))) m->click();
  } else if (ControlPeer* peer = reportingPeer(child)) {
    peer->command(HIWORD(wp), child);
  }
}

void fillBackground(HDC dc, HWND hwnd, Color bg) {
  RECT rc;
  GetClientRect(hwnd, &rc);
  HBRUSH brush = bg == kButtonFaceColor ? GetSysColorBrush(COLOR_BTNFACE)
                 : bg == kWindowColor   ? GetSysColorBrush(COLOR_WINDOW)
                                        : CreateSolidBrush(bg);
  FillRect(dc, &rc, brush);
  if (bg != kButtonFaceColor && bg != kWindowColor) DeleteObject(brush);
}

// Messages shared by forms and panels: both are parents of controls.
bool routeParentMessage(Win32Backend& backend, Form* form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                        LRESULT& result) {
  switch (msg) {
    case WM_COMMAND:
      if (form) routeCommand(*form, wp, lp);
      result = 0;
      return true;
    case WM_HSCROLL:
      if (ControlPeer* peer = reportingPeer(reinterpret_cast<HWND>(lp))) peer->scrolled();
      result = 0;
      return true;
    case WM_NOTIFY: {
      const auto& hdr = *reinterpret_cast<NMHDR*>(lp);
      ControlPeer* peer = PeerOfWindow(hdr.hwndFrom);
      return peer && peer->notify(hdr, result);
    }
    case WM_MEASUREITEM: {
      // A list asks while its window is being made, before it is known as a control.
      auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      if (m.CtlType != ODT_LISTBOX && m.CtlType != ODT_COMBOBOX) return false;
      ControlPeer* peer = backend.creating ? backend.creating : PeerOfWindow(GetDlgItem(hwnd, m.CtlID));
      const int height = peer ? peer->itemHeight() : 0;
      if (height <= 0) return false;
      m.itemHeight = height;
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& d = *reinterpret_cast<DRAWITEMSTRUCT*>(lp);
      ControlPeer* peer = PeerOfWindow(d.hwndItem);
      if (!peer || !peer->draw(d)) return false;
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wp);
      HWND child = reinterpret_cast<HWND>(lp);
      if (msg == WM_CTLCOLORSTATIC && GetDlgCtrlID(child) == kHintWindowId) {
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        SetBkColor(dc, GetSysColor(COLOR_INFOBK));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
        return true;
      }
      if (ControlPeer* peer = PeerOfWindow(child))
        result = peer->colors(dc);
      else if (ControlPeer* around = PeerOfWindow(hwnd))
        result = around->childColors(dc);
      return result != 0;
    }
    case WM_ERASEBKGND: {
      Control* self = ControlOfWindow(hwnd);
      if (!self && form) self = form;
      if (!self) return false;
      fillBackground(reinterpret_cast<HDC>(wp), hwnd, self->effectiveColor());
      result = 1;
      return true;
    }
    default:
      return false;
  }
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  ControlPeer* self = PeerOfWindow(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  if (self->ownMessage(msg, wp, lp, result)) return result;
  if (routeParentMessage(self->backend(), formOf(hwnd), hwnd, msg, wp, lp, result)) return result;
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
  if (routeParentMessage(fw->backend, &form, hwnd, msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CLOSE:
      form.close();
      return 0;
    case WM_CONTEXTMENU:
      if (Control* c = ControlOfWindow(reinterpret_cast<HWND>(wp)); c && c->popupMenu) {
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (pt.x == -1 && pt.y == -1) GetCursorPos(&pt);
        fw->backend.popup(form, *c->popupMenu, pt.x, pt.y);
        return 0;
      }
      return DefWindowProcW(hwnd, msg, wp, lp);
    case WM_INITMENUPOPUP:
      // The window menu (high word set) is the system's own.
      if (MenuItem* item = HIWORD(lp) ? nullptr : ItemOfPopup(reinterpret_cast<HMENU>(wp))) item->open();
      return 0;
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED) {
        fw->syncing = true;
        Rect b = form.bounds();
        b.width = fw->backend.logical(LOWORD(lp));
        b.height = fw->backend.logical(HIWORD(lp));
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
        b.left = fw->backend.logical(r.left);
        b.top = fw->backend.logical(r.top);
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
    case WM_GETMINMAXINFO:
      // Off screen in the notification area the window has no size at all.
      if (form.bounds().width == 0 && form.bounds().height == 0) {
        reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = POINT{0, 0};
        return 0;
      }
      return DefWindowProcW(hwnd, msg, wp, lp);
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
}

int Win32Backend::pixels(int logical) const {
  const double x = logical * scale_;
  return static_cast<int>(x < 0 ? x - 0.5 : x + 0.5);
}

int Win32Backend::logical(int pixels) const {
  const double x = pixels / scale_;
  return static_cast<int>(x < 0 ? x - 0.5 : x + 0.5);
}

void Win32Backend::realize(Form& form) {
  std::wstring cls = widen(form.windowClass());
  registerClass(cls, formProc);
  HWND owner = nullptr;
  if (form.isDialog && form.app().mainForm && form.app().mainForm != &form)
    owner = reinterpret_cast<HWND>(form.app().mainForm->handle);
  RECT r = outerRect(*this, form, nullptr);
  HWND hwnd = CreateWindowExW(formExStyle(form), cls.c_str(), widen(form.caption()).c_str(), formStyle(form),
                              r.left, r.top, r.right - r.left, r.bottom - r.top, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  auto fw = std::make_unique<FormWindow>(*this, form, hwnd);
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

namespace {

struct ModalWalk {
  HWND self;
  std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableShownWindow(HWND h, LPARAM lp) {
  auto* walk = reinterpret_cast<ModalWalk*>(lp);
  if (h != walk->self && IsWindowVisible(h) && IsWindowEnabled(h)) {
    EnableWindow(h, FALSE);
    walk->disabled->push_back(h);
  }
  return TRUE;
}

}  // namespace

// A modal form disables every other shown window of the program, as a task-modal message
// box does: a question asked over the folder chooser must not leave the chooser's own buttons
// clickable underneath it.
void Win32Backend::beginModal(Form& form) {
  ModalScope scope;
  scope.active = GetActiveWindow();
  ModalWalk walk{reinterpret_cast<HWND>(form.handle), &scope.disabled};
  EnumThreadWindows(GetCurrentThreadId(), DisableShownWindow, reinterpret_cast<LPARAM>(&walk));
  modalScopes_[&form] = std::move(scope);
}

void Win32Backend::endModal(Form& form) {
  auto it = modalScopes_.find(&form);
  if (it == modalScopes_.end()) return;
  for (HWND h : it->second.disabled)
    if (IsWindow(h)) EnableWindow(h, TRUE);
  if (it->second.active && IsWindow(it->second.active)) SetActiveWindow(it->second.active);
  modalScopes_.erase(it);
}

Rect Win32Backend::workArea() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return Rect{logical(r.left), logical(r.top), logical(r.right - r.left), logical(r.bottom - r.top)};
}

Rect Win32Backend::screen() {
  return Rect{0, 0, logical(GetSystemMetrics(SM_CXSCREEN)), logical(GetSystemMetrics(SM_CYSCREEN))};
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
  if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) return pressDialogButton(*form, msg.wParam);
  if (msg.wParam == VK_TAB) return IsDialogMessageW(reinterpret_cast<HWND>(form->handle), &msg);
  return false;
}

}  // namespace ui::win32

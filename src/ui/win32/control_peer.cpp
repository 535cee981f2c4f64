#include "ui/win32/control_peer.h"

#include "ui/win32/mouse_drag.h"
#include "ui/win32/wide.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {
const wchar_t* const kControlProp = L"ZelcorControl";  // the window's kit control
}  // namespace

ControlPeer::ControlPeer(Win32Backend& backend, Control& control) : backend_(backend), control_(control) {}

ControlPeer::~ControlPeer() {
  if (brush_) DeleteObject(brush_);
  if (IsWindow(hwnd_)) {
    RemovePropW(hwnd_, kControlProp);
    DestroyWindow(hwnd_);
  }
}

HWND ControlPeer::create(HWND parent) {
  const WindowKind k = windowKind();
  const Rect& r = control_.bounds();
  backend_.creating = this;  // asked for its entries' height before the window is known
  hwnd_ = CreateWindowExW(k.exStyle, k.cls, widen(control_.caption()).c_str(),
                          WS_CHILD | WS_CLIPSIBLINGS | k.style | (control_.visible() ? WS_VISIBLE : 0),
                          pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height), parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_.id())), GetModuleHandleW(nullptr),
                          nullptr);
  backend_.creating = nullptr;
  setFont(hwnd_, control_.fontBold());
  if (!control_.enabled()) EnableWindow(hwnd_, FALSE);
  SetPropW(hwnd_, kControlProp, &control_);
  if (watchesMouse()) watchMouse(backend_, hwnd_);
  created();
  changed(kChangeItems | kChangeSelection | kChangeChecked | kChangeState | kChangeCaption | kChangeBounds);
  return hwnd_;
}

void ControlPeer::changed(unsigned what) {
  writeWindow([&] { apply(what); });
}

void ControlPeer::apply(unsigned what) {
  if (what & kChangeBounds) applyBounds();
  if (what & kChangeVisible) applyVisible();
  if (what & kChangeEnabled) applyEnabled();
  if (what & kChangeCaption) applyCaption();
  update(what);
  if (what & kChangeFont) setFont(hwnd_, control_.fontBold(), true);
  if (what & (kChangeColor | kChangeFont))
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ControlPeer::applyBounds() {
  const Rect& r = control_.bounds();
  SetWindowPos(hwnd_, nullptr, pixels(r.left), pixels(r.top), pixels(r.width), windowHeight(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int ControlPeer::windowHeight() const { return pixels(control_.bounds().height); }

void ControlPeer::applyVisible() { ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE); }

void ControlPeer::applyEnabled() { EnableWindow(hwnd_, control_.enabled()); }

void ControlPeer::applyCaption() { SetWindowTextW(hwnd_, widen(control_.caption()).c_str()); }

Color ControlPeer::fieldBackground() const {
  return control_.color() == kParentColor ? kWindowColor : control_.effectiveColor();
}

int ControlPeer::pixels(int logical) const { return backend_.pixels(logical); }

void ControlPeer::setFont(HWND window, bool bold, bool redraw) const {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(bold)), redraw);
}

HBRUSH ControlPeer::backgroundBrush() {
  const Color c = background();
  if (c == kButtonFaceColor) return GetSysColorBrush(COLOR_BTNFACE);
  if (c == kWindowColor) return GetSysColorBrush(COLOR_WINDOW);
  if (!brush_ || brushColor_ != c) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(c);
    brushColor_ = c;
  }
  return brush_;
}

LRESULT ControlPeer::colors(HDC dc) {
  SetTextColor(dc, colorRef(control_.fontColor()));
  SetBkColor(dc, colorRef(background()));
  return reinterpret_cast<LRESULT>(backgroundBrush());
}

Control* ControlOfWindow(HWND hwnd) { return static_cast<Control*>(GetPropW(hwnd, kControlProp)); }

ControlPeer* PeerOfWindow(HWND hwnd) {
  Control* c = ControlOfWindow(hwnd);
  return c ? static_cast<ControlPeer*>(c->peer()) : nullptr;
}

COLORREF colorRef(Color c) {
  if (c == kButtonFaceColor) return GetSysColor(COLOR_BTNFACE);
  if (c == kWindowColor) return GetSysColor(COLOR_WINDOW);
  return c;
}

}  // namespace ui::win32

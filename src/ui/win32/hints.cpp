#include "ui/win32/hints.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/form.h"
#include "ui/win32/control_peer.h"
#include "ui/win32/wide.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

constexpr UINT kRestMs = 500;   // the mouse rests this long before the hint shows
constexpr UINT kShownMs = 5000;  // and the hint stays this long
constexpr UINT_PTR kTimerId = 1;
const wchar_t kTimerClass[] = L"ZelcorHintTimer";

// The control window under the mouse (a radio button or a combo box's edit stands for the
// control it belongs to), or nullptr when none has a hint or hints are off.
HWND hintedWindow(HWND hwnd) {
  for (HWND h = hwnd; h && GetAncestor(h, GA_ROOT) != h; h = GetParent(h)) {
    Control* c = ControlOfWindow(h);
    if (!c) continue;
    Form* form = formOf(h);
    return !c->hint().empty() && form && form->app().showHints() ? h : nullptr;
  }
  return nullptr;
}

}  // namespace

HintTracker::HintTracker(Win32Backend& backend) : backend_(backend) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = timerProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kTimerClass;
  RegisterClassW(&wc);
  timerWindow_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HintTracker::~HintTracker() {
  hide();
  DestroyWindow(timerWindow_);
}

LRESULT CALLBACK HintTracker::timerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<HintTracker*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg != WM_TIMER || !self) return DefWindowProcW(hwnd, msg, wp, lp);
  self->timerFired();
  return 0;
}

void HintTracker::startTimer(UINT ms) {
  timing_ = SetTimer(timerWindow_, kTimerId, ms, nullptr) != 0;
}

void HintTracker::message(const MSG& m) {
  switch (m.message) {
    case WM_MOUSEMOVE: {
      HWND target = hintedWindow(m.hwnd);
      if (target == target_) return;
      hide();
      target_ = target;
      if (!target_) return;
      at_ = POINT{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
      ClientToScreen(m.hwnd, &at_);
      startTimer(kRestMs);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
      hide();  // and it does not come back until the mouse moves onto another control
      return;
    default:
      return;
  }
}

void HintTracker::reset() {
  hide();
  target_ = nullptr;
}

void HintTracker::timerFired() {
  if (shown_)
    hide();
  else
    show();
}

void HintTracker::show() {
  hide();
  Control* c = target_ && IsWindowVisible(target_) ? ControlOfWindow(target_) : nullptr;
  Form* form = c ? formOf(target_) : nullptr;
  if (!form || c->hint().empty() || !form->app().showHints()) return;
  HWND top = reinterpret_cast<HWND>(form->handle);
  HWND hint = GetDlgItem(top, kHintWindowId);
  if (!hint) {
    // No SS_NOTIFY: the mouse passes through to the control beneath.
    hint = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_BORDER | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0,
                           0, 0, top, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHintWindowId)),
                           GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hint, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(false)), FALSE);
  }
  const std::wstring text = widen(c->hint());
  HDC dc = GetDC(hint);
  HGDIOBJ old = SelectObject(dc, backend_.font(false));
  RECT size{};
  DrawTextW(dc, text.c_str(), -1, &size, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(hint, dc);
  const int w = size.right + 10, h = size.bottom + 6;
  // Below the pointer, inside the form.
  POINT pt = at_;
  ScreenToClient(top, &pt);
  const int below = GetSystemMetrics(SM_CYCURSOR) * 3 / 4;
  RECT client;
  GetClientRect(top, &client);
  const int x = std::max(0, std::min<int>(pt.x, client.right - w));
  const int y = pt.y + below + h <= client.bottom ? pt.y + below : std::max(0, static_cast<int>(pt.y) - h - 2);
  SetWindowTextW(hint, text.c_str());
  SetWindowPos(hint, HWND_TOP, x, y, w, h, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  shown_ = hint;
  startTimer(kShownMs);
}

void HintTracker::hide() {
  if (timing_) KillTimer(timerWindow_, kTimerId);
  timing_ = false;
  if (shown_ && IsWindow(shown_)) ShowWindow(shown_, SW_HIDE);
  shown_ = nullptr;
}

}  // namespace ui::win32

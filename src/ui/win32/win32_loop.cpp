#include "ui/win32/win32_loop.h"

namespace ui::win32 {

namespace {
constexpr UINT kRunPosted = WM_APP + 77;
const wchar_t kLoopClass[] = L"ZelcorLoopWindow";
}  // namespace

Win32Loop::Win32Loop() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = wndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kLoopClass;
  RegisterClassW(&wc);
  hwnd_ = CreateWindowExW(0, kLoopClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Loop::~Win32Loop() {
  for (auto& [id, fn] : timers_) KillTimer(hwnd_, id);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK Win32Loop::wndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Win32Loop*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && msg == WM_TIMER) {
    auto it = self->timers_.find(static_cast<int>(wp));
    if (it != self->timers_.end()) {
      auto tick = it->second;  // the handler may stop its own timer
      tick();
    }
    return 0;
  }
  if (self && msg == kRunPosted) {
    self->runPosted();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

int Win32Loop::startTimer(unsigned intervalMs, std::function<void()> onTick) {
  int id = nextId_++;
  timers_[id] = std::move(onTick);
  SetTimer(hwnd_, id, intervalMs == 0 ? 1 : intervalMs, nullptr);
  return id;
}

void Win32Loop::stopTimer(int id) {
  KillTimer(hwnd_, id);
  timers_.erase(id);
}

void Win32Loop::post(std::function<void()> work) {
  posted_.push_back(std::move(work));
  PostMessageW(hwnd_, kRunPosted, 0, 0);
}

void Win32Loop::runPosted() {
  for (auto n = posted_.size(); n > 0 && !posted_.empty(); --n) {
    auto work = std::move(posted_.front());
    posted_.pop_front();
    work();
  }
}

void Win32Loop::dispatch(MSG& msg) {
  if (preTranslate && preTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Loop::processMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    dispatch(msg);
  }
}

void Win32Loop::runUntil(const std::function<bool()>& done) {
  MSG msg;
  while (!done()) {
    BOOL r = GetMessageW(&msg, nullptr, 0, 0);
    if (r <= 0) {
      // Leave the quit for the outer loop and end this one.
      PostQuitMessage(r == 0 ? static_cast<int>(msg.wParam) : 1);
      return;
    }
    dispatch(msg);
  }
}

}  // namespace ui::win32

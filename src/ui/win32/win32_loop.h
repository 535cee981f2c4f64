#pragma once
// The event loop on the thread's message queue: SetTimer on a message-only window.
#include <windows.h>

#include <deque>
#include <functional>
#include <map>

#include "ui/event_loop.h"

namespace ui::win32 {

class Win32Loop : public EventLoop {
 public:
  Win32Loop();
  ~Win32Loop() override;
  int startTimer(unsigned intervalMs, std::function<void()> onTick) override;
  void stopTimer(int id) override;
  void post(std::function<void()> work) override;
  void processMessages() override;
  void runUntil(const std::function<bool()>& done) override;
  void sleep(unsigned ms) override { Sleep(ms); }
  std::uint64_t nowMs() override { return GetTickCount64(); }

  // Dialog keys (Tab, Enter, Escape) go to the window that has them first.
  std::function<bool(MSG&)> preTranslate;

 private:
  static LRESULT CALLBACK wndProc(HWND, UINT, WPARAM, LPARAM);
  void dispatch(MSG& msg);
  void runPosted();
  HWND hwnd_ = nullptr;
  int nextId_ = 1;
  std::map<int, std::function<void()>> timers_;
  std::deque<std::function<void()>> posted_;
};

}  // namespace ui::win32

#pragma once
// The controls' hints, shown once the mouse rests on a control, in a child window of the
// control's form. Wine on a plain X display shows top-level pop-ups that never take the focus
// (the system's tool-tip window among them) as black boxes; a child window draws as every
// control does.
#include <windows.h>

namespace ui {
class EventLoop;
}

namespace ui::win32 {

class Win32Backend;

// The hint window among the children of a form.
constexpr int kHintWindowId = 0xE100;

class HintTracker {
 public:
  // The hint's waits run on the loop's timers.
  HintTracker(Win32Backend& backend, EventLoop& loop);
  ~HintTracker();
  // A message from the loop: a mouse move onto a control starts its hint; a press, a key or a
  // move onto another control ends it.
  void message(const MSG& m);
  // Hides the hint; the next move over a control starts one again.
  void reset();

 private:
  void timerFired();
  void show();
  void hide();
  Win32Backend& backend_;
  EventLoop& loop_;
  HWND target_ = nullptr;  // the control window the mouse rests on
  POINT at_{};             // where, in screen coordinates
  HWND shown_ = nullptr;   // the hint window while it shows
  int timer_ = 0;
};

}  // namespace ui::win32

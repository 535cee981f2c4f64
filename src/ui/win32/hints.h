#pragma once
// The controls' hints, shown once the mouse rests on a control, in a child window of the
// control's form. Wine on a plain X display shows top-level pop-ups that never take the focus
// (the system's tool-tip window among them) as black boxes; a child window draws as every
// control does.
#include <windows.h>

namespace ui::win32 {

class Win32Backend;

// The hint window among the children of a form.
constexpr int kHintWindowId = 0xE100;

class HintTracker {
 public:
  explicit HintTracker(Win32Backend& backend);
  ~HintTracker();
  // A message from the loop: a mouse move onto a control starts its hint; a press, a key or a
  // move onto another control ends it.
  void message(const MSG& m);
  // Hides the hint; the next move over a control starts one again.
  void reset();

 private:
  static LRESULT CALLBACK timerProc(HWND, UINT, WPARAM, LPARAM);
  void timerFired();
  void startTimer(UINT ms);
  void show();
  void hide();
  Win32Backend& backend_;
  HWND timerWindow_ = nullptr;  // a message-only window of the tracker's own that gets its timer
  HWND target_ = nullptr;  // the control window the mouse rests on
  POINT at_{};             // where, in screen coordinates
  HWND shown_ = nullptr;   // the hint window while it shows
  bool timing_ = false;
};

}  // namespace ui::win32

#pragma once
// Pause, the pause-position spins, back to the pause point, resume, and seeking with the
// play bar. Each works by stopping the main channel with a reason the completion message
// reads: a seek and replay (TimerSEEK) follows, or nothing.
#include <cstdint>

namespace ui {
class Panel;
}

namespace playback {

class Playback;

class PauseControl {
 public:
  explicit PauseControl(Playback& pb) : pb_(pb) {}
  // Lays out the spin buttons on the resume panel and wires every handler.
  void createAndWire();

  void ButtonStop2Click();
  void ButtonResumeClick();
  void ButtonRsumeINIClick();
  // step: 60000, 1000 or 100 ms; direction -1 down, +1 up.
  void SpinClick(std::int32_t stepMs, int direction);
  void ScrollBar1Scroll();
  void TimerSEEKTimer();
  void SAISEIBARClick();
  // A click on the file status bar during a play run shows or hides the position panel.
  void StatusBar2Click();

 private:
  void showPausePosition();
  ui::Panel& positionPanel();
  Playback& pb_;
};

}  // namespace playback

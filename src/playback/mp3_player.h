#pragma once
// MP3 through the media player component: load the tune in PlayFile, start it
// (Timer_MP3_Start), poll its position once a second (Timer_MP3_LOOP), give up a tune that
// failed (Timer_MP3_ERR), pause, resume and seek with ScrollBar_MP3. The component's events
// only set flags; the poll acts on them.
#include <cstdint>

#include "playback/progress_watch.h"

namespace platform {
class MediaPlayer;
}

namespace playback {

class Playback;

class Mp3Player {
 public:
  explicit Mp3Player(Playback& pb) : pb_(pb) {}
  // Lays out the panel's controls and wires every handler.
  void createAndWire();
  // The component, or none; read when the settings are restored at start-up.
  void setComponent(platform::MediaPlayer* component);
  void decideAtStart();
  // The component exists and "MP3" did not turn it off at start-up.
  bool Mp3PlayerAvailable() const { return available_; }

  // False when the tune is to be skipped.
  bool Load();
  void Timer_MP3_StartTimer();
  void Timer_MP3_LOOPTimer();
  void Timer_MP3_ERRTimer();
  void PlayStateChange(long newState);
  void ErrorEvent();
  void StopMp3();
  void StopMp3AndContinue();
  void Button_MP3_STOPClick();
  void Button_MP3_PLAYClick();
  void ScrollBar_MP3Scroll();

  bool Mp3MediaEnded = false;
  bool Mp3Error = false;
  double Mp3DurationSec = 0;
  double Mp3PositionSec = 0;

 private:
  bool startPlaying();
  void failStart();

  Playback& pb_;
  platform::MediaPlayer* component_ = nullptr;
  bool available_ = false;
  bool busyStart_ = false, busyLoop_ = false, busyStop_ = false;
  ProgressWatch watch_;
};

}  // namespace playback

#pragma once
// The main MCI channel as a player: opening and starting the tune in PlayFile (Timer11),
// the once-a-second position tick (Timer3), the completion message, and the stop routines
// that hand control back to the driver.
#include <cstdint>

#include "playback/progress_watch.h"

namespace playback {

class Playback;

class MciPlayer {
 public:
  explicit MciPlayer(Playback& pb) : pb_(pb) {}

  void Timer11Timer();
  void Timer3Timer();
  // MM_MCINOTIFY: flags 1 successful, 2 superseded, 4 aborted, 8 failure.
  void MciNotify(unsigned flags);
  void StopMain();
  void StopMainAndContinue();
  // Starts the position tick of a tune that has just (re)started playing from fromMs.
  void StartPositionTick(std::int32_t fromMs);
  // Stops the position tick (pause, seek).
  void StopPositionTick();
  // The tune on the main channel is over for good (closing).
  void Release() { mainInUse_ = false; }

 private:
  // Any failure between opening and playing: the tune cannot be played, move on.
  void giveUpTune();
  bool readLength();
  void setUpPlayBar();
  void showDetails();
  void tunePlaying();

  Playback& pb_;
  bool busy11_ = false;
  bool busy3_ = false;
  bool mainInUse_ = false;  // a tune is open on the main channel (playing or paused)
  ProgressWatch watch_;
};

}  // namespace playback

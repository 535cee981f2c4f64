#pragma once
// The main MCI channel as a player: opening and starting the tune in PlayFile (Timer11),
// the once-a-second position tick (Timer3), the completion message, and the stop routines
// that hand control back to the driver.
#include <cstdint>

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
  // Starts the position tick of a tune that has just (re)started playing.
  void StartPositionTick();
  // Stops the position tick (pause, seek).
  void StopPositionTick();
  // The tune on the main channel is over for good (closing).
  void Release() { mainInUse_ = false; }

  // A tune whose position stays put this long while it should play is given up.
  static constexpr std::uint64_t kStallMs = 5000;

 private:
  // Any failure between opening and playing: the tune cannot be played, move on.
  void giveUpTune();
  bool readLength();
  void setUpPlayBar();
  void showDetails();
  void tunePlaying();
  void watchProgress(bool queried, std::int32_t position);

  Playback& pb_;
  bool busy11_ = false;
  bool busy3_ = false;
  bool mainInUse_ = false;  // a tune is open on the main channel (playing or paused)
  std::int32_t lastPosition_ = -1;
  std::uint64_t lastMoveAt_ = 0;
};

}  // namespace playback

#pragma once
// The playback fields the channel, the driver and the pause controls share (one thread).
#include <cstdint>
#include <string>

namespace ui {
class Control;
}

namespace playback {

// Why the main channel was last stopped; the completion handler decides by it.
enum InterruptReason : int {
  kNoInterrupt = 0,
  kBarSeek = 1,
  kResume = 2,
  kPauseOrStop = 3,
  kCdPause = 5,
};

// Play modes, as steps through the list.
constexpr int kContinuous = 1;
constexpr int kReverse = -1;
constexpr int kSingle = 0;
constexpr int kRandom = 2;

constexpr int kNoSavedMode = -2;

struct PlaybackState {
  // The tune on the main channel.
  std::int32_t TrackLengthMs = 0;
  std::int32_t PositionMs = 0;
  std::int32_t MsPerBarStep = 1;
  int InterruptReason = kNoInterrupt;
  bool CdMode = false;
  // Bit 0: a tune started in this run; 2: the list wrapped once with nothing started.
  std::uint8_t PlayedFlags = 0;

  // The driver.
  int PlayModeStep = kContinuous;
  int StepDirection = 1;  // 1 normal, -1 after back, 2 after skip
  int SavedModeIndex = kNoSavedMode;
  ui::Control* PlayTrigger = nullptr;
  int PoolPickIndex = -1;
  std::string PoolPickText;  // the pool entry of the last pick, as it was drawn
  bool PlayingFromShownList2 = false;  // the tune comes from ListBox2 (the history is not fed from itself)

  // Pause and seek.
  std::int32_t PausePosMs = 0;
  std::int32_t PauseOriginMs = 0;
  std::int32_t BarSeekStep = 0;
};

constexpr int kWavBufferSeconds = 6;
constexpr int kHistoryHardCap = 16000;
constexpr int kPlayBarSteps = 512;

}  // namespace playback

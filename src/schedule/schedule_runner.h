#pragma once
// The time scheduler at work: from the set files of the selected mode it builds one event list
// for the week, applies the event in effect when started, and fires each event inside its own
// minute. The window's Timer_JK drives it: each tick returns the interval to arm next.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace schedule {

inline constexpr char kStoppedText[] = "停止中";
inline constexpr char kWaitingText[] = "待機中";
inline constexpr char kPlayingText[] = "実行中";
inline constexpr char kNoEntriesMessage[] = "タイマー登録データがありません・・・";
inline constexpr unsigned kFineIntervalMs = 999;
inline constexpr unsigned kCoarseIntervalMs = 30000;

enum class RunnerState { Stopped, Waiting, Playing };
// Label_JK_MODE's text, and the top bar's ("" when the bar is hidden).
const char* StateText(RunnerState state);
const char* StateBarText(RunnerState state);

// What the runner asks of the player. The calls come in the order of an event: a stop request
// first, then a close or the start of playback.
class RunnerActions {
 public:
  virtual ~RunnerActions() = default;
  // Set StopRequested and let pending messages run.
  virtual void RequestStop() = 0;
  // Memory mode; open memory when it exists and is not the open one (otherwise keep the open
  // memory); endless on; play in playMode (RadioGroup1: 0 連続, 1 逆連, 3 ﾗﾝﾀﾞﾑ).
  virtual void PlayMemory(const std::string& memory, int playMode) = 0;
  // Close the main window; shutDownWindows: with the "WIN終了" end action.
  virtual void CloseProgram(bool shutDownWindows) = 0;
};

// Day digit ("0" Monday .. "6" Sunday; "0" for every entry of a daily set) + entry line, for
// every line of the mode's set files.
std::vector<std::string> BuildRunList(platform::FileSystem& fs, const std::string& dataFolder, int mode,
                                      const std::string& dailySetName);

class ScheduleRunner {
 public:
  ScheduleRunner(platform::Clock& clock, RunnerActions& actions) : clock_(clock), actions_(actions) {}

  // "開始", the start-up resume and an entry added while running (the panel saves the shown
  // set first). Applies the event in effect now; C and W only request a stop here. Events
  // too short, with a bad time or an unknown kind are left out; false, and stopped, when
  // none is left.
  bool Start(int mode, std::vector<std::string> runList);
  // "停止": playback is left as it is.
  void Stop();
  // Timer_JK's tick; returns the interval to arm, 0 to switch the timer off.
  unsigned Tick();

  RunnerState state() const { return state_; }
  unsigned interval() const { return interval_; }
  const std::string& nextEventKey() const { return nextKey_; }
  const std::string& preArmKey() const { return preArmKey_; }
  // The entry the panel follows (playing: the one in effect; waiting: the next), with its
  // day digit; "" when stopped.
  const std::string& shownEntry() const { return shown_; }
  // Label_JK_TM and Label_JK_DISP: day label + the shown entry ("MF07:30 R name").
  std::string ShownEntryText() const;
  // The sub index whose set holds the shown entry (Mon-Fri and weekly modes), -1 otherwise.
  int ShownSubIndex() const;
  // The start entry's kind as RadioGroup_JK_ST index, or the end entry's as RadioGroup_JK_EN's.
  int ShownKindIndex() const;

 private:
  enum class Phase { Align, Coarse, Fine };
  std::int64_t nowMinute(int* second = nullptr);
  std::string keyAt(std::int64_t minute) const;
  std::int64_t minutesUntil(const std::string& fromKey, const std::string& toKey) const;
  void plan(std::int64_t now);
  void apply(bool fromTimer);
  void run(bool fromTimer);

  platform::Clock& clock_;
  RunnerActions& actions_;
  int mode_ = 0;
  std::vector<std::string> runList_;
  RunnerState state_ = RunnerState::Stopped;
  Phase phase_ = Phase::Align;
  unsigned interval_ = 0;
  bool busy_ = false;
  bool closing_ = false;  // a C or W event fired by the timer
  bool shutDown_ = false;
  std::size_t next_ = 0;
  std::string nextKey_, preArmKey_, shown_;
  std::int64_t nextAt_ = 0;     // minute of the next event's occurrence
  std::int64_t appliedAt_ = -1;  // minute of the occurrence last applied
  std::int64_t lastTick_ = 0;
};

}  // namespace schedule

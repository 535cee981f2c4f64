#include "schedule/schedule_runner.h"

#include <algorithm>

#include "base/date_time.h"
#include "schedule/schedule_entry.h"
#include "schedule/schedule_sets.h"

namespace schedule {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr std::int64_t kFileTimePerMinute = 600'000'000;
// RadioGroup1's play mode for each start kind.
constexpr int kPlayModes[3] = {0, 1, 3};

int Digit(const std::string& key) { return key[0] - '0'; }

std::int64_t MinuteOfCycle(const std::string& key) {
  return Digit(key) * kMinutesPerDay + std::stoi(key.substr(1, 2)) * 60 + std::stoi(key.substr(4, 2));
}

// An event the runner can carry out: a day digit, a real time and a known kind; anything
// else from a hand-edited file is passed over.
bool IsRunnable(const std::string& event) {
  return event.size() >= 8 && event[0] >= '0' && event[0] <= '6' && IsValidTime(event.substr(1, 5)) &&
         event[6] == ' ' && (KindIndex(kStartKinds, event[7]) >= 0 || KindIndex(kEndKinds, event[7]) >= 0);
}

void AddSet(std::vector<std::string>& runList, char digit, const std::vector<std::string>& lines) {
  for (auto& line : lines) runList.push_back(digit + line);
}

}  // namespace

const char* StateText(RunnerState state) {
  return state == RunnerState::Stopped ? kStoppedText : state == RunnerState::Waiting ? kWaitingText : kPlayingText;
}

const char* StateBarText(RunnerState state) {
  return state == RunnerState::Stopped ? "" : state == RunnerState::Waiting ? "タイマー待機中" : "タイマー実行中";
}

std::vector<std::string> BuildRunList(platform::FileSystem& fs, const std::string& dataFolder, int mode,
                                      const std::string& dailySetName) {
  std::vector<std::string> runList;
  if (mode == kDaily) {
    AddSet(runList, '0', LoadSet(fs, dataFolder, SetFile(kDaily, 0, dailySetName)));
  } else if (mode == kMonFri) {
    const auto weekdays = LoadSet(fs, dataFolder, WeekdaySetFile(0));
    for (char d = '0'; d <= '4'; ++d) AddSet(runList, d, weekdays);
    AddSet(runList, '5', LoadSet(fs, dataFolder, WeekdaySetFile(1)));
    AddSet(runList, '6', LoadSet(fs, dataFolder, WeekdaySetFile(2)));
  } else {
    for (int i = 0; i < 7; ++i) AddSet(runList, char('0' + i), LoadSet(fs, dataFolder, WeeklySetFile(i)));
  }
  return runList;
}

std::int64_t ScheduleRunner::nowMinute(int* second) {
  const platform::DateTime now = clock_.now();
  if (second) *second = now.second;
  return static_cast<std::int64_t>(base::FileTimeFromDateTime(now) / kFileTimePerMinute);
}

std::string ScheduleRunner::keyAt(std::int64_t minute) const {
  // Minute 0 (1601-01-01) was a Monday, the day digit "0".
  const int digit = mode_ == kDaily ? 0 : static_cast<int>(minute / kMinutesPerDay % 7);
  const int ofDay = static_cast<int>(minute % kMinutesPerDay);
  return char('0' + digit) + TwoDigits(ofDay / 60) + ":" + TwoDigits(ofDay % 60);
}

std::int64_t ScheduleRunner::minutesUntil(const std::string& fromKey, const std::string& toKey) const {
  const std::int64_t cycle = mode_ == kDaily ? kMinutesPerDay : 7 * kMinutesPerDay;
  const std::int64_t d = MinuteOfCycle(toKey) - MinuteOfCycle(fromKey);
  return d > 0 ? d : d + cycle;
}

void ScheduleRunner::plan(std::int64_t now) {
  const std::string nowKey = keyAt(now);
  const auto after = std::find_if(runList_.begin(), runList_.end(),
                                  [&](const std::string& e) { return e.compare(0, 6, nowKey) > 0; });
  next_ = after == runList_.end() ? 0 : static_cast<std::size_t>(after - runList_.begin());
  nextKey_ = runList_[next_].substr(0, 6);
  nextAt_ = now + minutesUntil(nowKey, nextKey_);
  preArmKey_ = keyAt(nextAt_ - 1);
  if (state_ == RunnerState::Waiting) shown_ = runList_[next_];
}

void ScheduleRunner::apply(bool fromTimer) {
  const std::string& entry = runList_[next_ == 0 ? runList_.size() - 1 : next_ - 1];
  appliedAt_ = nextAt_ - minutesUntil(entry.substr(0, 6), nextKey_);
  const char kind = entry[7];
  closing_ = false;
  shutDown_ = kind == 'W';
  if (KindIndex(kStartKinds, kind) >= 0) {
    state_ = RunnerState::Playing;
    shown_ = entry;
    return;
  }
  actions_.RequestStop();
  state_ = RunnerState::Waiting;
  shown_ = runList_[next_];
  closing_ = fromTimer && kind != 'E';
}

void ScheduleRunner::run(bool fromTimer) {
  // When the minute turns during the work and brings the next event, that one is in effect.
  for (int round = 0; round < 3; ++round) {
    plan(nowMinute());
    apply(fromTimer);
    lastTick_ = nowMinute();
    if (closing_ || lastTick_ != nextAt_) break;
  }
  if (state_ == RunnerState::Playing) {
    actions_.PlayMemory(shown_.size() > 9 ? shown_.substr(9) : std::string(), kPlayModes[ShownKindIndex()]);
  } else if (closing_) {
    actions_.CloseProgram(shutDown_);
  }
}

bool ScheduleRunner::Start(int mode, std::vector<std::string> runList) {
  Stop();
  mode_ = mode;
  runList_.clear();
  for (auto& event : runList)
    if (IsRunnable(event)) runList_.push_back(std::move(event));
  // Set files are kept in time order; a hand-edited one may not be.
  std::stable_sort(runList_.begin(), runList_.end(),
                   [](const std::string& a, const std::string& b) { return a.compare(0, 6, b, 0, 6) < 0; });
  if (runList_.empty()) return false;
  closing_ = false;
  appliedAt_ = -1;
  run(false);
  phase_ = lastTick_ == nextAt_ - 1 ? Phase::Fine : Phase::Align;
  interval_ = kFineIntervalMs;
  return true;
}

void ScheduleRunner::Stop() {
  state_ = RunnerState::Stopped;
  interval_ = 0;
  shown_.clear();
}

unsigned ScheduleRunner::Tick() {
  if (state_ == RunnerState::Stopped || busy_) return interval_;
  busy_ = true;
  int second = 0;
  const std::int64_t now = nowMinute(&second);
  if (now == nextAt_ && appliedAt_ != now) {
    run(true);
    phase_ = Phase::Coarse;
    interval_ = closing_ ? 0 : kCoarseIntervalMs;
  } else if (now >= nextAt_ || now < lastTick_) {
    // The clock jumped (a sleep, a correction): a passed event is not fired late and an
    // applied one not again; the runner waits for whatever comes next from now.
    plan(now);
    phase_ = now == nextAt_ - 1 ? Phase::Fine : Phase::Align;
    interval_ = kFineIntervalMs;
  } else if (phase_ == Phase::Coarse && now == nextAt_ - 1) {
    phase_ = Phase::Fine;
    interval_ = kFineIntervalMs;
  } else if (phase_ == Phase::Align && second == 0) {
    // From here the coarse ticks fall at about :00 and :30 of every minute.
    phase_ = Phase::Coarse;
    interval_ = kCoarseIntervalMs;
  }
  lastTick_ = nowMinute();
  busy_ = false;
  if (state_ == RunnerState::Stopped) interval_ = 0;
  return interval_;
}

std::string ScheduleRunner::ShownEntryText() const {
  if (shown_.empty()) return {};
  const std::string label = mode_ == kDaily ? "TM" : mode_ == kWeekly ? kWeekDayNames[ShownSubIndex()] : kMonFriLabels[ShownSubIndex()];
  return label + shown_.substr(1);
}

int ScheduleRunner::ShownSubIndex() const {
  if (shown_.empty() || mode_ == kDaily) return -1;
  return mode_ == kWeekly ? Digit(shown_) : std::max(Digit(shown_) - 4, 0);
}

int ScheduleRunner::ShownKindIndex() const {
  if (shown_.size() < 8) return -1;
  const int start = KindIndex(kStartKinds, shown_[7]);
  return start >= 0 ? start : KindIndex(kEndKinds, shown_[7]);
}

}  // namespace schedule

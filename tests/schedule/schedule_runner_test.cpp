// The schedule runner on a virtual clock: what a start applies, and that every event fires
// once, inside its own minute, whatever the clock does in between.
#include "schedule/schedule_runner.h"

#include <gtest/gtest.h>

#include "base/date_time.h"
#include "base/format.h"
#include "base/line_file.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "schedule/schedule_sets.h"

namespace {

using Lines = std::vector<std::string>;
using schedule::kDaily;
using schedule::kMonFri;
using schedule::kWeekly;

constexpr std::uint64_t kSecond = 1000, kMinute = 60 * kSecond, kHour = 60 * kMinute, kDay = 24 * kHour;

struct ScheduleRunnerTest : ::testing::Test, schedule::RunnerActions {
  fakes::FakeFileSystem fs;
  fakes::FakeClock clock;
  const std::string data = "C:\\ZELCOR\\";
  schedule::ScheduleRunner runner{clock, *this};
  // Timer_JK runs on the tick count; the wall clock is the tick plus an offset that a sleep
  // or a clock correction moves.
  std::uint64_t tick = 0, due = 0;
  std::int64_t wallOffset = 0;
  Lines calls;  // each action with the day and time it came at
  int ticks = 0;

  void RequestStop() override { note("stop"); }
  void PlayMemory(const std::string& memory, int mode) override { note("play " + memory + " " + std::to_string(mode)); }
  void CloseProgram(bool shutDownWindows) override { note(shutDownWindows ? "close W" : "close"); }
  void note(const std::string& what) { calls.push_back(base::FormatDateTime("ddd hh:nn:ss ", clock.now()) + what); }

  void put(const std::string& file, const Lines& lines) { fs.addFile(data + file, base::JoinLines(lines)); }
  void jump(std::int64_t ms) {
    wallOffset += ms;
    clock.set(base::DateTimeFromFileTime((tick + wallOffset) * 10'000));
  }
  // Day 0 is Monday 2024-05-13.
  bool start(int mode, int day, int hour, int minute, std::uint64_t extraMs = 0) {
    const auto wall = base::FileTimeFromDateTime({2024, 5, 13 + day, hour, minute, 0, 0}) / 10'000 + extraMs;
    jump(static_cast<std::int64_t>(wall - tick) - wallOffset);
    calls.clear();
    const bool started = runner.Start(mode, schedule::BuildRunList(fs, data, mode, "Work"));
    due = tick + runner.interval();
    return started;
  }
  // Lets Timer_JK run for duration at the intervals the runner asks for.
  void runFor(std::uint64_t duration) {
    const std::uint64_t end = tick + duration;
    for (; runner.interval() && due <= end; ++ticks) {
      tick = due;
      jump(0);
      due = tick + runner.Tick();
    }
    tick = end;
    jump(0);
  }
};

TEST_F(ScheduleRunnerTest, AStartAppliesTheEventInEffect) {
  put("Work.day", {"12:00 E", "09:00 @ m", "08:00 E"});  // hand-edited out of order
  ASSERT_TRUE(start(kDaily, 0, 10, 0));
  EXPECT_EQ(calls, Lines{"月 10:00:00 play m 0"});
  EXPECT_EQ(runner.state(), schedule::RunnerState::Playing);

  put("Work.day", {"08:00 G m", "09:30 E"});
  ASSERT_TRUE(start(kDaily, 0, 10, 0));
  EXPECT_EQ(calls, Lines{"月 10:00:00 stop"});
  EXPECT_EQ(runner.state(), schedule::RunnerState::Waiting);
  EXPECT_EQ(runner.nextEventKey(), "008:00");
  runFor(22 * kHour + 1 * kSecond);
  EXPECT_EQ(calls, (Lines{"月 10:00:00 stop", "火 08:00:00 play m 1"}));

  put("Work.day", {"7:30 E", "07:3x E", "08:00 Q"});
  EXPECT_FALSE(start(kDaily, 0, 10, 0));  // nothing a runner can carry out
  EXPECT_EQ(runner.state(), schedule::RunnerState::Stopped);
}

TEST_F(ScheduleRunnerTest, EachModeTakesTheSetOfTheDay) {
  put("zelcor32f0.lis", {"07:00 @ weekday"});
  put("zelcor32f1.lis", {"07:00 G saturday"});
  put("zelcor32f2.lis", {"07:00 R sunday"});
  put("zelcor32w6.lis", {"23:00 @ late"});
  put("Work.day", {"07:00 @ daily"});
  struct {
    int mode, day;
    const char *played, *shown;
    int subIndex;
  } cases[] = {
      {kMonFri, 4, "play weekday 0", "MF07:00 @ weekday", 0},
      {kMonFri, 5, "play saturday 1", "土07:00 G saturday", 1},
      {kMonFri, 6, "play sunday 3", "日07:00 R sunday", 2},
      {kWeekly, 0, "play late 0", "日23:00 @ late", 6},  // last Sunday's event wraps round
      {kDaily, 5, "play daily 0", "TM07:00 @ daily", -1},
  };
  for (auto& c : cases) {
    ASSERT_TRUE(start(c.mode, c.day, 10, 0));
    EXPECT_NE(calls.at(0).find(c.played), std::string::npos) << c.shown;
    EXPECT_EQ(runner.ShownEntryText(), c.shown);
    EXPECT_EQ(runner.ShownSubIndex(), c.subIndex) << c.shown;
  }
  EXPECT_EQ(runner.nextEventKey(), "007:00");  // daily keys ignore the weekday
}

TEST_F(ScheduleRunnerTest, AMidnightEventIsPreArmedAtTheEndOfTheDayBefore) {
  put("zelcor32w1.lis", {"00:00 E"});
  put("zelcor32w3.lis", {"12:00 @ m"});
  ASSERT_TRUE(start(kWeekly, 0, 23, 58, 10 * kSecond));
  EXPECT_EQ(runner.nextEventKey(), "100:00");
  EXPECT_EQ(runner.preArmKey(), "023:59");
  runFor(81 * kSecond);
  EXPECT_EQ(runner.interval(), schedule::kFineIntervalMs);
  runFor(30 * kSecond);
  EXPECT_EQ(calls, (Lines{"月 23:58:10 play m 0", "火 00:00:00 stop"}));
}

TEST_F(ScheduleRunnerTest, EntriesAMinuteApartBothFireWithinTheirFirstSecond) {
  put("Work.day", {"07:30 @ a", "07:31 R b", "20:00 E"});
  ASSERT_TRUE(start(kDaily, 0, 7, 0, 17'300));
  runFor(32 * kMinute);
  EXPECT_EQ(calls, (Lines{"月 07:00:17 stop", "月 07:30:00 play a 0", "月 07:31:00 play b 3"}));
}

TEST_F(ScheduleRunnerTest, AWeekOfEventsFiresEachOnceWithFewTicks) {
  put("Work.day", {"07:00 @ a", "12:00 E", "18:30 G b"});
  ASSERT_TRUE(start(kDaily, 0, 0, 0, 500));
  runFor(7 * kDay);
  ASSERT_EQ(calls.size(), 1u + 7 * 3);
  for (std::size_t i = 1; i < calls.size(); ++i)
    EXPECT_NE(calls[i].find(i % 3 == 1 ? ":00:00 play a 0" : i % 3 == 2 ? ":00:00 stop" : ":30:00 play b 1"),
              std::string::npos)
        << calls[i];
  EXPECT_LE(ticks / 7, 3500);  // event minutes included
}

TEST_F(ScheduleRunnerTest, AnEventSleptThroughIsNotFiredLate) {
  put("Work.day", {"08:00 @ a", "12:00 E", "18:00 G b"});
  ASSERT_TRUE(start(kDaily, 0, 10, 0));
  runFor(1 * kHour + 59 * kMinute);
  jump(2 * kHour);  // asleep from 11:59 to 13:59
  runFor(4 * kHour + kMinute + 2 * kSecond);
  EXPECT_EQ(calls, (Lines{"月 10:00:00 play a 0", "月 18:00:00 play b 1"}));
  runFor(18 * kHour);
  EXPECT_EQ(calls.back(), "火 12:00:00 stop");  // the slept-through event at its next time
}

TEST_F(ScheduleRunnerTest, AClockSetBackDoesNotFireAnEventTwiceInItsMinute) {
  put("Work.day", {"12:00 E"});
  ASSERT_TRUE(start(kDaily, 0, 11, 59, 30 * kSecond));
  runFor(45 * kSecond);
  jump(-40 * std::int64_t(kSecond));  // from 12:00:15 back to 11:59:35
  runFor(2 * kMinute);
  EXPECT_EQ(calls, (Lines{"月 11:59:30 stop", "月 12:00:00 stop"}));
  runFor(1 * kDay);
  EXPECT_EQ(calls.back(), "火 12:00:00 stop");
}

TEST_F(ScheduleRunnerTest, CloseEventsCloseOnlyWhenTheTimerFiresThem) {
  put("Work.day", {"08:00 C", "09:00 W"});
  ASSERT_TRUE(start(kDaily, 0, 8, 30));
  runFor(31 * kMinute);
  EXPECT_EQ(calls, (Lines{"月 08:30:00 stop", "月 09:00:00 stop", "月 09:00:00 close W"}));
  EXPECT_EQ(runner.interval(), 0u);
}

}  // namespace

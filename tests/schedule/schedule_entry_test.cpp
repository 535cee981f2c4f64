// Schedule entries: registering a time, and pasting copied entries with the checks that keep a
// bad line out of a set.
#include "schedule/schedule_entry.h"

#include <gtest/gtest.h>

#include "base/line_file.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_system.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ScheduleEntryTest, ATimeRegisteredAgainReplacesItsLineInTimeOrder) {
  Lines set{"07:00 E", "22:00 C"};
  EXPECT_EQ(schedule::FindEntryAt(set, "07:30"), -1);
  EXPECT_EQ(schedule::PutEntry(set, schedule::StartEntry("07:30", schedule::StartKindLetter(2), "m")), 1);
  ASSERT_EQ(schedule::FindEntryAt(set, "07:30"), 1);  // the panel asks before the next put
  EXPECT_EQ(schedule::PutEntry(set, schedule::EndEntry("07:30", schedule::EndKindLetter(7))), 1);
  EXPECT_EQ(set, (Lines{"07:00 E", "07:30 E", "22:00 C"}));
  EXPECT_EQ(schedule::PutEntry(set, "06:00 W"), 0);
}

TEST(ScheduleEntryTest, PastedLinesAreCheckedInOrder) {
  const Lines set{"07:00 C"};
  const Lines memories{"m1", "新表"};
  struct {
    const char *line, *error;
  } cases[] = {
      {"7:30 E", " ***サイズエラー 6"},
      {"7:30 EE", " ***タイムエラー 7:30 "},
      {"24:00 E", " ***タイムエラー 24:00"},
      {"1:2:3 E", " ***タイムエラー 1:2:3"},
      {"07:00 EE", " ***登録済みタイムエラー 07:00"},
      {"07:30-E", " ***モードエラー L"},
      {"07:30 @", " ***モードエラー R"},
      {"07:30 Gm1", " ***モードエラー R"},
      {"07:30 R nosuch", " ***メモリー名が、存在しません。"},
      {"07:30 R M1", " ***メモリー名が、存在しません。"},
      {"07:30 X", " ***モードエラーX"},
      {"07:30 R 新表", ""},
      {"23:59 W", ""},
  };
  for (auto& c : cases) EXPECT_EQ(schedule::PastedLineError(c.line, set, memories), c.error) << c.line;
}

TEST(ScheduleEntryTest, PasteAddsGoodLinesAndReportsTheRest) {
  fakes::FakeFileSystem fs;
  fakes::FakeShell shell;
  fakes::FakeClock clock;
  const std::string data = "C:\\ZELCOR\\";
  fs.addFolder("C:\\ZELCOR");
  Lines set{"06:00 E"};
  ASSERT_TRUE(schedule::CopyEntries(fs, data, {"07:30 R m1", "7:30 E", "07:30 E", "22:00 C"}));
  EXPECT_EQ(schedule::PasteCopiedEntries(fs, shell, clock, data, set, {"m1"}), 2);
  EXPECT_EQ(set, (Lines{"06:00 E", "07:30 R m1", "22:00 C"}));
  const Lines report = base::LoadLines(fs, data + "COPY_Er$.TXT").value_or(Lines{});
  ASSERT_EQ(report.size(), 6u);
  EXPECT_EQ(report[1], "2個、登録不能データがありました。");
  EXPECT_EQ(report[3], "7:30 E ***サイズエラー 6");
  EXPECT_EQ(report[4], "07:30 E ***登録済みタイムエラー 07:30");
  EXPECT_EQ(shell.runs.size(), 1u);
}

}  // namespace

// Schedule upkeep: renaming or deleting a memory keeps every schedule set consistent and
// reports each changed line in Notepad.
#include "schedule/schedule_upkeep.h"

#include <gtest/gtest.h>

#include "base/line_file.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_system.h"
#include "tools/report.h"

namespace {

using Lines = std::vector<std::string>;

struct ScheduleUpkeepTest : ::testing::Test {
  fakes::FakeFileSystem fs;
  fakes::FakeShell shell;
  fakes::FakeClock clock;
  const std::string data = "C:\\ZELCOR\\";
  ui::ListBox shown{nullptr, "ListBox_JK", 0};
  ui::Label count{nullptr, "Label_JK_KOSU", 0};
  schedule::ScheduleUpkeep upkeep{fs, shell, clock, data, shown, count};

  ScheduleUpkeepTest() {
    fs.addFolder("C:\\ZELCOR");
    clock.set({2024, 5, 17, 9, 5, 7, 5});
  }
  void put(const std::string& file, const Lines& lines) { fs.addFile(data + file, base::JoinLines(lines)); }
  Lines lines(const std::string& file) { return base::LoadLines(fs, data + file).value_or(Lines{"<missing>"}); }
  Lines report() { return lines("COPY_Er$.TXT"); }
};

TEST_F(ScheduleUpkeepTest, OnlyTheWholeTailOfAStartEntryNamesItsMemory) {
  put("zelcor32w3.lis", {"07:00 @ m1", "08:00 R xm", "09:00 E"});
  EXPECT_FALSE(upkeep.IsMemoryScheduled("m"));
  put("Evening.day", {"20:00 G m"});
  EXPECT_TRUE(upkeep.IsMemoryScheduled("m"));
  EXPECT_FALSE(upkeep.IsMemoryScheduled("M"));  // names are matched exactly
  EXPECT_TRUE(upkeep.IsMemoryScheduled("m1"));
  shown.setItems({"06:00 R shownOnly"});
  EXPECT_TRUE(upkeep.IsMemoryScheduled("shownOnly"));
}

TEST_F(ScheduleUpkeepTest, RenameChangesEverySetAndReportsEachLineWithItsPlace) {
  shown.setItems({"06:00 @ m", "06:30 @ m1"});
  put("zelcor32f1.lis", {"07:00 R m", "23:00 C"});
  put("zelcor32w6.lis", {"07:30 G m"});
  put("Zelcor32W0.LIS", {"08:00 @ other"});
  put("B.day", {"10:00 @ m"});
  put("a.DAY", {"09:00 @ m"});
  const Lines items = upkeep.RenameMemoryInSchedules("m", "新表");
  EXPECT_EQ(items, (Lines{"06:00 @ 新表 <OLD>m 表示中", "07:00 R 新表 <OLD>m 月-金土", "07:30 G 新表 <OLD>m 毎週日",
                          "09:00 @ 新表 <OLD>m DAY a", "10:00 @ 新表 <OLD>m DAY B"}));
  EXPECT_EQ(shown.items(), (Lines{"06:00 @ 新表", "06:30 @ m1"}));
  EXPECT_EQ(lines("zelcor32f1.lis"), (Lines{"07:00 R 新表", "23:00 C"}));
  EXPECT_EQ(lines("zelcor32w6.lis"), (Lines{"07:30 G 新表"}));
  EXPECT_EQ(lines("zelcor32w0.lis"), (Lines{"08:00 @ other"}));
  EXPECT_EQ(lines("a.DAY"), (Lines{"09:00 @ 新表"}));
  Lines expected{"メモリー名変更に伴う、時刻タイマー変更データ、一覧　24/05/17 金 09:05:07 ",
                 "5個、メモリー名が変更されました。", "－－－－－－－－－－－－－－－－－－－－"};
  expected.insert(expected.end(), items.begin(), items.end());
  expected.push_back(expected[2]);
  EXPECT_EQ(report(), expected);
  EXPECT_EQ(shell.runs, (Lines{"notepad.exe \"C:\\ZELCOR\\COPY_Er$.TXT\" "}));
  EXPECT_EQ(fs.currentFolder(), "C:\\ZELCOR");
}

TEST_F(ScheduleUpkeepTest, NothingToRenameWritesNoReportAndTouchesNoFile) {
  put("zelcor32f0.lis", {"07:00 R m1"});
  EXPECT_TRUE(upkeep.RenameMemoryInSchedules("m", "n").empty());
  EXPECT_FALSE(fs.fileExists(data + "COPY_Er$.TXT"));
  EXPECT_TRUE(shell.runs.empty());
  EXPECT_FALSE(fs.fileExists(data + "zelcor32f2.lis"));  // missing sets are not created
}

TEST_F(ScheduleUpkeepTest, DeleteRemovesTheEntriesUpdatesTheCountAndReports) {
  shown.setItems({"06:00 @ m", "22:00 E"});
  put("zelcor32f0.lis", {"07:00 R m", "07:10 R m1"});
  put("zelcor32w2.lis", {"07:20 R m"});
  const Lines items = upkeep.DeleteMemoryFromSchedules("m");
  EXPECT_EQ(items, (Lines{"06:00 @ m ***削除 表示中", "07:00 R m ***削除 月-金MF", "07:20 R m ***削除 毎週水"}));
  EXPECT_EQ(shown.items(), (Lines{"22:00 E"}));
  EXPECT_EQ(count.caption(), "1ｺ");
  EXPECT_EQ(lines("zelcor32f0.lis"), (Lines{"07:10 R m1"}));
  EXPECT_EQ(lines("zelcor32w2.lis"), (Lines{}));
  EXPECT_EQ(report()[0], "メモリー名削除に伴う、時刻タイマー削除データ、一覧　24/05/17 金 09:05:07 ");
  EXPECT_EQ(report()[1], "3個、タイマー登録が削除されました。");
  EXPECT_EQ(shell.runs.size(), 1u);
}

TEST_F(ScheduleUpkeepTest, AReportThatCannotBeWrittenOpensNoNotepad) {
  fs.failAtomicWrites(true);
  EXPECT_FALSE(tools::ShowReport(fs, shell, clock, data, "t", "c", {"x"}));
  EXPECT_TRUE(shell.runs.empty());
}

}  // namespace

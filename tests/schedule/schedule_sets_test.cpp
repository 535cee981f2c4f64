// Schedule sets: which file each selection writes and reads, and the daily sets' naming,
// renaming and deleting.
#include "schedule/schedule_sets.h"

#include <gtest/gtest.h>

#include "base/line_file.h"
#include "fakes/fake_file_system.h"

namespace {

using Lines = std::vector<std::string>;

struct ScheduleSetsTest : ::testing::Test {
  fakes::FakeFileSystem fs;
  const std::string data = "C:\\ZELCOR\\";
  core::Settings settings;
  schedule::ScheduleSets sets{fs, data, settings};

  ScheduleSetsTest() { fs.addFolder("C:\\ZELCOR"); }
  void put(const std::string& file, const Lines& lines) { fs.addFile(data + file, base::JoinLines(lines)); }
  Lines lines(const std::string& file) { return base::LoadLines(fs, data + file).value_or(Lines{"<missing>"}); }
  // Shows the daily set of that name, as choosing it in the sub selector does.
  Lines showDaily(const std::string& name) {
    settings.dailySetName = name;
    sets.SubItems(schedule::kDaily);
    return sets.LoadShownSet(schedule::kDaily, sets.SubIndex(schedule::kDaily));
  }
};

TEST_F(ScheduleSetsTest, EachSelectionSavesToAndLoadsFromItsOwnFile) {
  struct {
    int mode, sub;
    const char *daily, *file;
  } cases[] = {
      {schedule::kMonFri, 1, "", "zelcor32f1.lis"},
      {schedule::kWeekly, 6, "", "zelcor32w6.lis"},
      {schedule::kDaily, 0, "Evening", "Evening.day"},
  };
  for (auto& c : cases) {
    settings.dailySetName = c.daily;
    put("Evening.day", {});
    sets.SubItems(c.mode);
    const int sub = c.mode == schedule::kDaily ? sets.SubIndex(c.mode) : c.sub;
    EXPECT_EQ(sets.LoadShownSet(c.mode, sub), Lines{});
    EXPECT_TRUE(sets.SaveShownSet({"07:30 E"}));  // to the set just shown
    EXPECT_EQ(lines(c.file), Lines{"07:30 E"}) << c.file;
    EXPECT_EQ(sets.LoadShownSet(c.mode, sub), Lines{"07:30 E"});
  }
  EXPECT_EQ(settings.weekdaySetIndex, 1);
  EXPECT_EQ(settings.weeklySetIndex, 6);
  fs.failAtomicWrites(true);
  EXPECT_FALSE(sets.SaveShownSet({}));
  EXPECT_EQ(lines("Evening.day"), Lines{"07:30 E"});  // a failed save keeps the old set
}

TEST_F(ScheduleSetsTest, RenameRefusesAnExistingNameInAnyCaseAndKeepsTheEntries) {
  put("a.day", {"06:00 E"});
  put("B.day", {"07:00 E"});
  EXPECT_EQ(showDaily("B"), Lines{"07:00 E"});
  EXPECT_EQ(sets.RenameDailySet("A", {"07:00 E", "08:00 C"}), "同名データが既に存在しています・・・\nA");
  EXPECT_EQ(sets.dailySetNames(), (Lines{"a", "B"}));
  EXPECT_EQ(sets.RenameDailySet("Night", {"07:00 E", "08:00 C"}), "");
  EXPECT_EQ(sets.dailySetNames(), (Lines{"a", "Night"}));
  EXPECT_EQ(settings.dailySetName, "Night");
  EXPECT_FALSE(fs.fileExists(data + "B.day"));
  EXPECT_EQ(lines("Night.day"), (Lines{"07:00 E", "08:00 C"}));
}

TEST_F(ScheduleSetsTest, DeletingTheOnlyDailySetLeavesDay000Empty) {
  put("a.day", {"06:00 E"});
  put("b.day", {"07:00 E"});
  showDaily("a");
  EXPECT_EQ(sets.DeleteDailySet(), "");
  EXPECT_EQ(settings.dailySetName, "b");  // the first deleted: the last one shows
  EXPECT_EQ(sets.DeleteDailySet(), "");
  EXPECT_EQ(sets.dailySetNames(), Lines{"DAY000"});
  EXPECT_EQ(sets.LoadShownSet(schedule::kDaily, sets.dailySetIndex()), Lines{});
  EXPECT_EQ(settings.dailySetName, "DAY000");
  EXPECT_TRUE(fs.list("C:\\ZELCOR", "*.DAY").empty());
}

TEST_F(ScheduleSetsTest, ANewDailySetTakesTheFirstFreeNumber) {
  settings.dailySetName.clear();
  EXPECT_EQ(sets.NewDailySet({}), "データがありません・・・\n強制終了します");
  put("DAY001.day", {});
  showDaily("DAY001");
  EXPECT_EQ(sets.NewDailySet({"09:00 E"}), "");
  EXPECT_EQ(lines("DAY001.day"), Lines{"09:00 E"});  // the shown set is saved first
  EXPECT_EQ(settings.dailySetName, "DAY000");
  EXPECT_EQ(sets.NewDailySet({}), "");  // "DAY000" got its file when this one was made
  EXPECT_EQ(sets.dailySetNames(), (Lines{"DAY001", "DAY000", "DAY002"}));
}

}  // namespace

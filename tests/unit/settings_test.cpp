#include <gtest/gtest.h>

#include "core/settings.h"
#include "fakes/fake_registry.h"

namespace {

using platform::Hive;

struct SettingsTest : ::testing::Test {
  fakes::FakeRegistry reg;
  void set(const char* name, const std::string& v) { reg.writeString(Hive::CurrentUser, core::kSettingsKey, name, v); }
  core::Settings read() { return core::ReadSettings(reg, "C:\\WINDOWS\\"); }
};

TEST_F(SettingsTest, MissingKeyGivesEveryDefault) {
  core::Settings s = read();
  EXPECT_EQ(s.kakuchoshi, (std::vector<int>{1, 1, 1, 1, 1, 1, 0, 1, 1}));
  EXPECT_EQ(s.zokusei, (std::vector<int>{1, 0, 0, 1, 1}));
  EXPECT_EQ(s.folderPath, "C:\\WINDOWS\\MEDIA");
  EXPECT_EQ(s.scheduleCaption, "停止中");
  EXPECT_EQ(s.index, (std::vector<int>{0, 0}));
  EXPECT_FALSE(s.windowPos.has_value());
}

TEST_F(SettingsTest, GarbageTakesTheDefaultOfEachValue) {
  set("KAKUCHOSHI", "1,1,1");
  set("ZOKUSEI", "1,0,0,1,1,1");
  set("TM_Mode", "5");
  set("TWEK_Index", "7");
  set("TM_F_Index", "-1");
  set("FOLDERHIS", "abc");
  set("FILEHIS", "-3");
  set("SAISEIM", "9,1,0,0,0,1,1,0");
  set("End_Kosu_Set", "");
  set("FP", "100");
  core::Settings s = read();
  EXPECT_EQ(s.kakuchoshi, (std::vector<int>{1, 1, 1, 1, 1, 1, 0, 1, 1}));
  EXPECT_EQ(s.zokusei, (std::vector<int>{1, 0, 0, 1, 1}));
  EXPECT_EQ(s.scheduleMode, 0);
  EXPECT_EQ(s.weeklySetIndex, 0);
  EXPECT_EQ(s.weekdaySetIndex, 0);
  EXPECT_EQ(s.folderHistoryLimit, 16);
  EXPECT_EQ(s.fileHistoryLimit, 16);
  EXPECT_EQ(s.playMode, 0);
  EXPECT_EQ(s.endCountSet, 20);
  EXPECT_FALSE(s.windowPos.has_value());
  set("TWEK_Index", "6");
  EXPECT_EQ(read().weeklySetIndex, 6);
}

TEST_F(SettingsTest, EndActionsAreReadOnlyWhenTheirSaveOptionIsOn) {
  set("EndClose", "1");
  set("EndWin", "1");
  EXPECT_FALSE(read().endClose);
  EXPECT_FALSE(read().endWin);
  set("EndClose_SAVE", "1");
  EXPECT_TRUE(read().endClose);
  EXPECT_FALSE(read().endWin);
}

TEST_F(SettingsTest, ScheduleTimerOnReadsAsRunning) {
  set("MS_JK", "1");
  set("JK", "停止中");
  EXPECT_EQ(read().scheduleCaption, "実行中");
  set("MS_JK", "0");
  set("JK", "何か");
  EXPECT_EQ(read().scheduleCaption, "停止中");
  set("JK", "待機中");
  EXPECT_EQ(read().scheduleCaption, "待機中");
}

TEST_F(SettingsTest, HugeValuesAreCutOrRefused) {
  set("FILENAME", std::string(65536, 'A'));
  set("CPATH", std::string(65536, 'B'));
  set("KAKUCHOSHI", std::string(65536, '1'));
  core::Settings s = read();
  EXPECT_EQ(s.fileName.size(), 254u);
  EXPECT_EQ(s.kakuchoshi, (std::vector<int>{1, 1, 1, 1, 1, 1, 0, 1, 1}));
}

TEST_F(SettingsTest, WritesTheFortyTwoValuesInOrderAndRoundTrips) {
  core::Settings s;
  s.windowPos = std::make_pair(12, 34);
  s.kakuchoshi = {0, 1, 0, 1, 0, 1, 0, 1, 0};
  s.extractFolder = "D:\\LZH\\";
  s.scheduleCaption = "実行中";
  s.currentMemory = "ZELCOR32_M001";
  s.index = {3, -1};
  ASSERT_TRUE(core::WriteSettings(reg, s));
  const std::vector<std::string> order{
      "FP", "ZOKUSEI", "KAKUCHOSHI", "DirNo", "CPATH", "FILESHITEI", "FILENAME", "MEMORY", "ALL",
      "CD_NAME", "SAISEIBAR", "SAISEIM", "INDEX", "FOLDERHIS", "FILEHIS", "minihelp", "LZHCOPY",
      "BackColor", "RND_RESET", "AUTO_VOL", "LZH_VOUT", "ReName", "Auto_No", "Auto_No_KETA",
      "SND_DIR", "No_Memo", "MP3", "REC_TXT", "End_Kosu_Set", "End_Kosu_index", "EndWin",
      "EndClose", "EndWin_SAVE", "EndClose_SAVE", "JK", "TM_Mode", "TDAY_S", "TM_F_Index",
      "TWEK_Index", "M_Fn", "MS_JK", "TEMPLZH"};
  EXPECT_EQ(reg.writtenNames, order);
  EXPECT_EQ(*reg.readString(Hive::CurrentUser, core::kSettingsKey, "TEMPLZH"), "D:\\LZH");
  EXPECT_EQ(*reg.readString(Hive::CurrentUser, core::kSettingsKey, "INDEX"), "3,-1");
  core::Settings back = read();
  EXPECT_EQ(back.kakuchoshi, s.kakuchoshi);
  EXPECT_EQ(back.windowPos, s.windowPos);
  EXPECT_EQ(back.currentMemory, s.currentMemory);
  EXPECT_EQ(back.scheduleCaption, "実行中");
}

TEST_F(SettingsTest, UnchosenExtractFolderKeepsTheStoredOne) {
  set("TEMPLZH", "E:\\OLD");
  core::Settings s;  // extractFolder "@@@@@\"
  ASSERT_TRUE(core::WriteSettings(reg, s));
  EXPECT_EQ(*reg.readString(Hive::CurrentUser, core::kSettingsKey, "TEMPLZH"), "E:\\OLD");
}

TEST_F(SettingsTest, AFailingWriteStopsTheRest) {
  reg.failWrites(true);
  EXPECT_FALSE(core::WriteSettings(reg, core::Settings{}));
}

TEST_F(SettingsTest, VersionReadsAs255WhenMissingOrEmpty) {
  EXPECT_EQ(core::StoredVersion(reg), 255);
  set("Version", "");
  EXPECT_EQ(core::StoredVersion(reg), 255);
  set("Version", "20");
  EXPECT_EQ(core::StoredVersion(reg), 20);
}

}  // namespace

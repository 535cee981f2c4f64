#include <gtest/gtest.h>

#include "core/settings.h"
#include "fakes/fake_registry.h"

namespace {

using platform::Hive;

struct SettingsTest : ::testing::Test {
  fakes::FakeRegistry reg;
  void set(const char* name, const std::string& v) { reg.writeString(Hive::CurrentUser, core::kSettingsKey, name, v); }
  core::Settings read() { return core::ReadSettings(reg, "C:\\WINDOWS\\"); }
  std::string stored(const char* name) { return reg.readString(Hive::CurrentUser, core::kSettingsKey, name).value_or("<missing>"); }
};

TEST_F(SettingsTest, GarbageTakesTheDefaultOfEachValue) {
  const core::Settings defaults = read();
  EXPECT_EQ(defaults.folderPath, "C:\\WINDOWS\\MEDIA");
  EXPECT_EQ(defaults.scheduleCaption, "停止中");
  const std::pair<const char*, std::string> garbage[] = {
      {"KAKUCHOSHI", "1,1,1"}, {"ZOKUSEI", "1,0,0,1,1,1"}, {"TM_Mode", "5"},      {"TWEK_Index", "7"},
      {"TM_F_Index", "-1"},    {"FOLDERHIS", "abc"},       {"FILEHIS", "-3"},     {"SAISEIM", "9,1,0,0,0,1,1,0"},
      {"End_Kosu_Set", ""},    {"FP", "100"},              {"KAKUCHOSHI", std::string(65536, '1')}};
  for (auto& [name, value] : garbage) {
    set(name, value);
    EXPECT_EQ(core::StoredSettingTexts(read()), core::StoredSettingTexts(defaults)) << name << " " << value.substr(0, 20);
  }
  set("TWEK_Index", "6");
  EXPECT_EQ(read().weeklySetIndex, 6);
  set("FILENAME", std::string(65536, 'A'));
  EXPECT_EQ(read().fileName.size(), 254u);
}

TEST_F(SettingsTest, EndActionsAreReadOnlyWhenTheirSaveOptionIsOn) {
  set("EndClose", "1");
  set("EndWin", "1");
  EXPECT_FALSE(read().endClose);
  set("EndClose_SAVE", "1");
  EXPECT_TRUE(read().endClose);
  EXPECT_FALSE(read().endWin);
}

TEST_F(SettingsTest, ScheduleTimerOnReadsAsRunning) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"1", "停止中", "実行中"}, {"0", "何か", "停止中"}, {"0", "待機中", "待機中"}};
  for (auto [timerOn, caption, expected] : cases) {
    set("MS_JK", timerOn);
    set("JK", caption);
    EXPECT_EQ(read().scheduleCaption, expected) << timerOn << caption;
  }
}

TEST_F(SettingsTest, WritesTheFortyTwoValuesInOrderAndRoundTrips) {
  core::Settings s;
  s.windowPos = std::make_pair(12, 34);
  s.folderPath = "C:\\MUSIC";
  s.kakuchoshi = {0, 1, 0, 1, 0, 1, 0, 1, 0};
  s.extractFolder = "D:\\LZH\\";
  s.scheduleCaption = "実行中";
  s.currentMemory = "ZELCOR32_M001";
  s.index = {3, -1};
  ASSERT_TRUE(core::WriteSettings(reg, s));
  std::vector<std::string> order;
  for (auto& [name, text] : core::StoredSettingTexts(s)) order.push_back(name);
  order.push_back("TEMPLZH");
  EXPECT_EQ(order.size(), 42u);
  EXPECT_EQ(reg.writtenNames, order);
  EXPECT_EQ(stored("TEMPLZH"), "D:\\LZH");
  EXPECT_EQ(stored("INDEX"), "3,-1");
  EXPECT_EQ(core::StoredSettingTexts(read()), core::StoredSettingTexts(s));
}

TEST_F(SettingsTest, UnchosenExtractFolderKeepsTheStoredOneAndAFailingWriteIsReported) {
  set("TEMPLZH", "E:\\OLD");
  ASSERT_TRUE(core::WriteSettings(reg, core::Settings{}));  // extractFolder "@@@@@\"
  EXPECT_EQ(stored("TEMPLZH"), "E:\\OLD");
  reg.failWrites(true);
  EXPECT_FALSE(core::WriteSettings(reg, core::Settings{}));
}

TEST_F(SettingsTest, VersionReadsAs255WhenMissingOrEmpty) {
  EXPECT_EQ(core::StoredVersion(reg), 255);
  for (auto [text, version] : {std::pair{"", 255}, std::pair{"20", 20}}) {
    set("Version", text);
    EXPECT_EQ(core::StoredVersion(reg), version) << text;
  }
}

}  // namespace

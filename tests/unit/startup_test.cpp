#include <gtest/gtest.h>

#include "core/settings.h"
#include "app/startup.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_system.h"

namespace {

using platform::Hive;

struct StartTest : ::testing::Test {
  fakes::FakeRegistry reg;
  fakes::FakeInstanceLink link;
  fakes::FakeFileSystem fs;
  void version(const std::string& v) { reg.writeString(Hive::CurrentUser, core::kSettingsKey, "Version", v); }
};

TEST_F(StartTest, StartKindFollowsVersionNameAndRunningWindows) {
  struct Case {
    const char* version;
    const char* exe;
    app::StartKind kind;
  } cases[] = {
      {"20", "zelcor32.exe", app::StartKind::Player},
      {"21", "zelcor32.exe", app::StartKind::Setup},
      {"", "zelcor32.exe", app::StartKind::Setup},
      {"20", "zelSETUPx.exe", app::StartKind::Setup},
      {"20", "MySetup.EXE", app::StartKind::Setup},
  };
  for (auto& c : cases) {
    version(c.version);
    EXPECT_EQ(app::DecideStart({}, c.exe, reg, link).kind, c.kind) << c.version << " " << c.exe;
  }
  link.windowClasses.insert("TBGM_SETUPFM");
  version("21");
  EXPECT_EQ(app::DecideStart({}, "zelcor32.exe", reg, link).kind, app::StartKind::SetupRunning);
}

TEST_F(StartTest, SecondStartForwardsItsParametersJoined) {
  link.windowClasses.insert("TZELCOR32ZUMIK");
  auto d = app::DecideStart({"-play", "C:\\M\\曲.wav"}, "zelcor32.exe", reg, link);
  EXPECT_EQ(d.kind, app::StartKind::Forwarded);
  ASSERT_EQ(link.received.size(), 1u);
  EXPECT_EQ(link.received[0].second, "-play?C:\\M\\曲.wav");
  app::DecideStart({}, "zelcor32.exe", reg, link);
  EXPECT_EQ(link.received[1].second, "");
}

TEST_F(StartTest, UninstallGoesToTheSetupWindowAndNotesARunningPlayer) {
  link.windowClasses.insert("TZELCOR32ZUMIK");
  auto d = app::DecideStart({"/uninstall"}, "zelcor32.exe", reg, link);
  EXPECT_EQ(d.setupMode, app::SetupMode::Running);
  EXPECT_EQ(d.kind, app::StartKind::Setup);
  EXPECT_EQ(app::DecideStart({"/DeleteFile"}, "UNIN_ZUMIK000.EXE", reg, link).setupMode, app::SetupMode::Uninstall2)
      << "the first stage's window may still be there";
}

TEST_F(StartTest, SwitchesAreCaseInsensitiveAndMinusCountsAsSlash) {
  fs.addFile("C:\\MUSIC\\song.wav", "RIFF");
  auto cl = app::ParseCommandLine({"-play", "/c", "/Wc", "-T", "/CLOSE", "/other", "C:\\MUSIC\\song.wav",
                                   "C:\\MUSIC\\missing.wav", "song.wav"},
                                  fs);
  EXPECT_TRUE(cl.play && cl.closeC && cl.winClose && cl.tray && cl.close);
  ASSERT_EQ(cl.files.size(), 1u);
  EXPECT_EQ(cl.files[0], "C:\\MUSIC\\song.wav");
}

TEST_F(StartTest, ForwardedTextSplitsAtQuestionMarks) {
  EXPECT_EQ(app::SplitForwarded("/PLAY??C:\\a.wav"), (std::vector<std::string>{"/PLAY", "C:\\a.wav"}));
  EXPECT_TRUE(app::SplitForwarded("").empty());
  EXPECT_EQ(app::SplitForwarded(std::string(255, 'x')).size(), 1u);
}

TEST_F(StartTest, OldListsMigrateOnceAndStopAtTheFirstMissingKind) {
  fs.addFolder("C:\\Z");
  fs.addFile("C:\\Z\\ZeLC32M0.LIS", "a\r\n");
  fs.addFile("C:\\Z\\ZeLC32V0.LIS", "100\r\n");
  fs.addFile("C:\\Z\\ZeLC32R0.LIS", "0\r\n");
  fs.addFile("C:\\Z\\ZeLC32MH.LIS", "h\r\n");
  fs.addFile("C:\\Z\\ZeLC32R1.LIS", "orphan\r\n");  // no M or V of set 1: stays as it is
  app::MigrateOldLists(fs, reg, "C:\\Z\\");
  for (const char* f : {"ZeLC32M0.LIM", "ZeLC32V0.LIV", "ZeLC32R0.LIR", "ZeLC32M0.LISOLD", "ZeLC32MH.LIM"})
    EXPECT_TRUE(fs.fileExists(std::string("C:\\Z\\") + f)) << f;
  EXPECT_EQ(*fs.contents("C:\\Z\\ZeLC32V0.LIV"), "100\r\n");
  EXPECT_TRUE(fs.fileExists("C:\\Z\\ZeLC32R1.LIS"));
  EXPECT_FALSE(fs.fileExists("C:\\Z\\ZeLC32R1.LIR"));
  EXPECT_EQ(*reg.readString(Hive::CurrentUser, core::kSettingsKey, "OLD_M"), "OK");
  // Once done, new old-layout files are left alone.
  fs.addFile("C:\\Z\\ZeLC32M1.LIS", "b\r\n");
  app::MigrateOldLists(fs, reg, "C:\\Z\\");
  EXPECT_FALSE(fs.fileExists("C:\\Z\\ZeLC32M1.LIM"));
}

}  // namespace

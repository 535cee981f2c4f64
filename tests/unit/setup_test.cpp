// Installing and uninstalling over the in-memory file system and registry.
#include <gtest/gtest.h>

#include "app/setup_window.h"
#include "core/settings.h"
#include "desktop/setup_plan.h"
#include "fakes/fake_platform.h"
#include "test_support.h"

namespace {

using platform::Hive;

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kPrograms[] = "C:\\U\\Programs";
const char kStartup[] = "C:\\U\\Programs\\Startup";
const char kLink[] = "Zelcor32 B-G-M.lnk";

class SetupTest : public testing::Test {
 protected:
  SetupTest() {
    shell.files = &fs;
    shell.program = "D:\\DL\\zelSETUP.exe";
    fs.addFile(shell.program, "EXE");
    fs.addFile("D:\\DL\\UnLha32.dll", "DLL");
    fs.addFolder(kStartup);
    fs.addFolder("C:\\WINDOWS");
    reg.writeString(Hive::CurrentUser, kShellFolders, "Programs", kPrograms);
    reg.writeString(Hive::CurrentUser, kShellFolders, "Startup", kStartup);
    reg.writeString(Hive::CurrentUser, kShellFolders, "Desktop", "C:\\U\\Desktop");
  }
  desktop::SetupPlan plan() {
    return desktop::SetupPlan({reg, fs, shell, shell.program, "C:\\WINDOWS\\"},
                              {[this](const std::string& t) { shown.push_back(t); },
                               [this](const std::string& t, bool defaultYes) {
                                 asked.push_back(t);
                                 return answers.empty() ? defaultYes : answers[asked.size() - 1];
                               }});
  }
  std::string setting(const char* name) {
    return reg.readString(Hive::CurrentUser, core::kSettingsKey, name).value_or("(none)");
  }
  std::string entry(const char* name) {
    return reg.readString(Hive::LocalMachine, desktop::kUninstallEntry, name).value_or("(none)");
  }
  fakes::FakeFileSystem fs;
  fakes::FakeRegistry reg;
  fakes::FakeShell shell;
  std::vector<std::string> shown, asked;
  std::vector<bool> answers;  // empty: every countdown runs out
};

TEST_F(SetupTest, ChoicesThatCannotBeInstalledAreRefusedWithTheirTexts) {
  const struct {
    const char *folder, *group, *text;
  } cases[] = {
      {"C:\\P", "", "グループ名を設定して下さい。"},
      {"C:\\P", "zumiksoft setup", "zumiksoft setupは、グループ名に設定出来ません・・・"},
      {"", "G", "フォルダーを設定して下さい。"},
      {"C:\\ZUMIKSOFT SETUP\\X", "G",
       "C:\\ZUMIKSOFT SETUP\\X\nこのフォルダーには設定出来ません・・・\n別のフォルダーを登録して下さい。"},
      {"C:\\ZUMIKSOFT SETUPS", "G", ""},  // a neighbour whose name only begins the same
  };
  for (const auto& c : cases) EXPECT_EQ(plan().refusal({c.folder, c.group}), c.text) << c.folder << " " << c.group;
  EXPECT_FALSE(plan().install({"", "G"}));
  EXPECT_EQ(shown, std::vector<std::string>{"フォルダーを設定して下さい。"});
  EXPECT_EQ(setting("Version"), "(none)");
}

TEST_F(SetupTest, InstallCopiesRegistersTheGroupItemAndTheUninstallEntry) {
  fs.addFile("C:\\ZUMIKSOFT SETUP\\ZELCOR32.TXT", "old guide");
  fs.addFile("C:\\U\\Programs\\ZUMIKSOFT SETUP\\SETUP セットアップ Zelcor32 B-G-M.lnk", "D:\\DL\\zelSETUP.exe");
  reg.writeString(Hive::CurrentUser, core::kSettingsKey, "EXEPATH", "C:\\ZUMIKSOFT SETUP");
  auto p = plan();
  EXPECT_EQ(p.initialFolder(), "C:\\ZUMIKP32\\ZELCOR32") << "the setup folder is never offered";
  ASSERT_TRUE(p.install({"C:\\Apps\\BGM\\", "音楽", true}));
  EXPECT_EQ(fs.contents("C:\\Apps\\BGM\\ZELCOR32.EXE"), "EXE");
  EXPECT_EQ(fs.contents("C:\\Apps\\BGM\\UnLha32.dll"), "DLL");
  EXPECT_EQ(fs.contents(std::string(kPrograms) + "\\音楽\\" + kLink), "C:\\Apps\\BGM\\ZELCOR32.EXE");
  EXPECT_EQ(fs.contents(std::string(kStartup) + "\\" + kLink), "C:\\Apps\\BGM\\ZELCOR32.EXE");
  EXPECT_FALSE(fs.fileExists("C:\\ZUMIKSOFT SETUP\\ZELCOR32.TXT"));
  EXPECT_FALSE(fs.folderExists("C:\\U\\Programs\\ZUMIKSOFT SETUP")) << "the setup group goes once installed";
  EXPECT_EQ(entry("DisplayName"), "ZUMIKSOFT Zelcor32 B-G-M V2.0");
  EXPECT_EQ(entry("UninstallString"), "C:\\Apps\\BGM\\ZELCOR32.EXE /uninstall");
  EXPECT_EQ(entry("Publisher"), "ZUMIKSOFT");
  EXPECT_EQ(setting("Version"), "20");
  EXPECT_EQ(setting("EXEPATH"), "C:\\Apps\\BGM");
  EXPECT_EQ(setting("Group"), "音楽");
  EXPECT_TRUE(shown.empty()) << shown[0];
  p.finishInstall({"C:\\Apps\\BGM", "音楽"});
  EXPECT_EQ(fs.contents("C:\\WINDOWS\\unin_zumik000.exe"), "EXE");
  EXPECT_EQ(shown.back(), "登録完了です。\n\n[ 音楽 ]\nグループに登録しました☆☆\nお疲れ様☆☆");
}

TEST_F(SetupTest, WithoutMachineRightsTheSetupCopyIsStartedOrLeftInTheSetupGroup) {
  EXPECT_TRUE(plan().mayWriteMachineKeys());
  EXPECT_FALSE(reg.keyExists(Hive::LocalMachine, desktop::kUninstallEntry)) << "the test entry stays behind";
  reg.failWrites(true);
  auto p = plan();
  EXPECT_FALSE(p.mayWriteMachineKeys());
  const std::string copy = p.copyForRelaunch();
  EXPECT_EQ(copy, "C:\\ZUMIKSOFT SETUP\\ZELCOR32SetUp.exe");
  p.relaunch(copy);
  EXPECT_EQ(shell.runs, std::vector<std::string>{"\"C:\\ZUMIKSOFT SETUP\\ZELCOR32SetUp.exe\""});
  shell.runSucceeds = false;
  p.relaunch(copy);
  EXPECT_EQ(fs.contents("C:\\U\\Programs\\ZUMIKSOFT SETUP\\SETUP セットアップ Zelcor32 B-G-M.lnk"), copy);
  EXPECT_EQ(shown, std::vector<std::string>{"1セットアップエラー：セットアップソフトの起動に失敗しました"});
}

class UninstallTest : public SetupTest {
 protected:
  UninstallTest() {
    shell.program = "C:\\Apps\\BGM\\ZELCOR32.EXE";
    fs.addFile(shell.program, "EXE");
    plan().install({"C:\\Apps\\BGM", "音楽", true});
    reg.writeString(Hive::CurrentUser, core::kSettingsKey, "REC_TXT", "1");
    for (const char* f : {"ZeLC32M0.LIS", "ZeLC32MH.LIS", "a.LIM", "zelcor32f1.LIS", "ZeLC32R3.LISOLD",
                          "ErR$$$$$.TXT", "LZH_TEMP\\x.wav", "UnLha32.dll", "my own.txt"})
      fs.addFile(std::string("C:\\Apps\\BGM\\") + f, "x");
    fs.addFile(std::string(kPrograms) + "\\音楽\\notes.lnk", "x");  // the user's own item in that group
  }
  bool has(const char* name) { return fs.fileExists(std::string("C:\\Apps\\BGM\\") + name); }
};

TEST_F(UninstallTest, UnansweredQuestionsKeepTheListsAndTheSettings) {
  auto p = plan();
  ASSERT_TRUE(p.uninstall("C:\\Apps\\BGM\\"));
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_FALSE(reg.keyExists(Hive::LocalMachine, desktop::kUninstallEntry));
  EXPECT_FALSE(fs.fileExists(std::string(kPrograms) + "\\音楽\\" + kLink));
  EXPECT_TRUE(fs.folderExists(std::string(kPrograms) + "\\音楽")) << "a group with the user's item stays";
  EXPECT_FALSE(fs.fileExists(std::string(kStartup) + "\\" + kLink));
  EXPECT_TRUE(fs.folderExists(kStartup)) << "the Startup folder is the system's, empty or not";
  EXPECT_FALSE(has("UnLha32.dll") || has("ErR$$$$$.TXT") || has("LZH_TEMP\\x.wav"));
  EXPECT_TRUE(has("ZeLC32M0.LIS") && has("a.LIM")) << "lists go only on a yes";
  EXPECT_EQ(setting("Version"), "(none)");
  EXPECT_EQ(setting("Group"), "音楽") << "settings go only on a yes";
  EXPECT_EQ(reg.readString(Hive::CurrentUser, desktop::kHandOverKey, "File"), shell.program);
}

TEST_F(UninstallTest, AnsweredYesRemovesListsAndSettingsButNotTheUsersFiles) {
  reg.writeString(Hive::CurrentUser, "Software\\ZUMIK SOFT32\\OTHER", "x", "1");
  answers = {true, true, true};
  ASSERT_TRUE(plan().uninstall("C:\\Apps\\BGM\\"));
  for (const char* f : {"ZeLC32M0.LIS", "ZeLC32MH.LIS", "a.LIM", "zelcor32f1.LIS", "ZeLC32R3.LISOLD"})
    EXPECT_FALSE(has(f)) << f;
  EXPECT_TRUE(has("my own.txt"));
  EXPECT_FALSE(reg.keyExists(Hive::CurrentUser, core::kSettingsKey));
  EXPECT_TRUE(reg.keyExists(Hive::CurrentUser, "Software\\ZUMIK SOFT32")) << "another program's settings live there";
  answers = {false};
  asked.clear();
  EXPECT_FALSE(plan().uninstall("C:\\Apps\\BGM\\"));
  EXPECT_EQ(shown.back(), "アンインストールを中止しました。");
}

TEST_F(UninstallTest, SecondStageDeletesTheProgramAndItsFolderOnlyWhenEmpty) {
  plan().uninstall("C:\\Apps\\BGM\\");
  auto p = plan();
  p.startStage2("C:\\Apps\\BGM\\");
  EXPECT_EQ(shell.runs.back(), "\"C:\\WINDOWS\\unin_zumik000.exe\" \"/DeleteFile\"");
  EXPECT_TRUE(has("my own.txt"));
  ASSERT_TRUE(p.takeHandOver({"/DeleteFile"}));
  EXPECT_FALSE(reg.keyExists(Hive::CurrentUser, desktop::kHandOverKey));
  EXPECT_TRUE(p.removeProgram());
  EXPECT_FALSE(fs.fileExists(shell.program));
  EXPECT_TRUE(has("my own.txt"));
  EXPECT_EQ(shown, (std::vector<std::string>{"フォルダー削除エラー", "アンインストールが完了しました☆☆☆\nお疲れ様☆☆☆"}));

  fs.addFile("C:\\Solo\\ZELCOR32.EXE", "EXE");
  reg.writeString(Hive::CurrentUser, desktop::kHandOverKey, "File", "C:\\Solo\\ZELCOR32.EXE");
  ASSERT_TRUE(p.takeHandOver({"/DeleteFile"}));
  p.removeProgram();
  EXPECT_FALSE(fs.folderExists("C:\\Solo"));
  EXPECT_FALSE(p.takeHandOver({}));
  EXPECT_EQ(shown.back(), "ｱﾝｲﾝｽﾄｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[ZUMIK SOFT32]専用のｱﾝｲﾝｽﾄｰﾙｿﾌﾄです。");
}

// The window as the user drives it: the choice typed in, "設定", and the window closes itself.
struct SetupWindowTest : testing::Test {
  SetupWindowTest() {
    w.fs.addFile(kSetup, "EXE");
    testing_support::AnswerBoxesAtOnce(w.application, messages, yes);
  }
  void run(std::function<void(app::TBGM_SETUPFM&)> user = {}) {
    if (user) w.loop.post([this, user] { user(*static_cast<app::TBGM_SETUPFM*>(w.application.mainForm)); });
    app::RunSetupWindow(w.application, app::SetupMode::Install, {w.services, kSetup, {}, "D:\\DL\\", "@@@@@\\"});
  }
  static constexpr char kSetup[] = "D:\\DL\\zelSETUP.exe";
  fakes::FakeWorld w;
  std::vector<std::string> messages;
  bool yes = true;
};

TEST_F(SetupWindowTest, SetInstallsWhatTheUserTyped) {
  run([](app::TBGM_SETUPFM& f) {
    f.Edit1.userTyped("C:\\BGM");
    f.ComboBox1.userTyped("音楽");
    f.Button3.click();
  });
  EXPECT_EQ(w.fs.contents("C:\\BGM\\ZELCOR32.EXE"), "EXE");
  EXPECT_EQ(w.reg.readString(Hive::CurrentUser, core::kSettingsKey, "Version"), "20");
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "登録完了です。\n\n[ 音楽 ]\nグループに登録しました☆☆\nお疲れ様☆☆");
}

TEST_F(SetupWindowTest, WithoutMachineRightsTheSetupCopyIsStartedInstead) {
  w.reg.failWrites(true);
  run();
  EXPECT_EQ(w.shell.runs, std::vector<std::string>{"\"C:\\ZUMIKSOFT SETUP\\ZELCOR32SetUp.exe\""});
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back().rfind("インストーラーを再起動します☆", 0), 0u) << messages.back();
}

}  // namespace

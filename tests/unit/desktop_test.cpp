#include <gtest/gtest.h>

#include "desktop/TaskTray.h"
#include "fakes/fake_notify_area.h"
#include "player_fixture.h"

namespace {

using desktop::TrayError;
using desktop::TTaskTray;
using platform::NotifyOp;

std::string refusal(const std::function<void()>& f) {
  try {
    f();
  } catch (const TrayError& e) {
    return e.what();
  }
  return "";
}

TEST(TaskTrayTest, IdsCountUpAndSettersRefuseWithTheirMessages) {
  fakes::FakeNotifyArea area;
  TTaskTray first(area), second(area);
  EXPECT_EQ(first.IconID(), 1);
  EXPECT_EQ(second.IconID(), 2);
  EXPECT_EQ(refusal([&] { second.setIconID(1); }), "同じアイコン識別子が有ります");
  EXPECT_EQ(refusal([&] { second.setIconID(0); }), "0以下は指定できません");
  EXPECT_EQ(refusal([&] { second.setRegistered(true); }), "アイコンが指定されていません");
  EXPECT_EQ(second.IconID(), 2);
  EXPECT_TRUE(area.calls.empty());
}

TEST(TaskTrayTest, TipDecidesTheFlagsAndTheShellHearsEveryChange) {
  fakes::FakeNotifyArea area;
  {
    TTaskTray tray(area);
    tray.setIcon(0x77);
    tray.setRegistered(true);
    tray.setTipString("Zelcor32 B-G-M");
    tray.setIconID(5);  // a registered icon moves to its new ID
    ASSERT_EQ(area.calls.size(), 4u);
    EXPECT_EQ(area.calls[0].op, NotifyOp::Add);
    EXPECT_EQ(area.calls[0].data.flags, 3u);
    EXPECT_EQ(area.calls[0].data.callbackMessage, 0x466u);
    EXPECT_EQ(area.calls[1].op, NotifyOp::Modify);
    EXPECT_EQ(area.calls[1].data.flags, 7u);
    EXPECT_EQ(area.calls[1].data.tip, "Zelcor32 B-G-M");
    EXPECT_EQ(area.calls[2].op, NotifyOp::Delete);
    EXPECT_EQ(area.calls[2].data.id, 1u);
    EXPECT_EQ(area.calls[3].op, NotifyOp::Add);
    EXPECT_EQ(area.calls[3].data.id, 5u);
    EXPECT_EQ(area.windowsMade, 1);
  }
  // Destruction takes the icon away and releases its copy.
  EXPECT_EQ(area.calls.back().op, NotifyOp::Delete);
  EXPECT_EQ(area.iconsHeld, 0);
}

TEST(TaskTrayTest, ARestartedTaskbarGetsTheRegisteredIconsAgain) {
  fakes::FakeNotifyArea area;
  TTaskTray shown(area), hidden(area);
  shown.setIcon(0x77);
  hidden.setIcon(0x78);
  shown.setRegistered(true);
  area.calls.clear();
  area.listener->taskbarCreated();
  ASSERT_EQ(area.calls.size(), 1u);
  EXPECT_EQ(area.calls[0].op, NotifyOp::Add);
  EXPECT_EQ(area.calls[0].data.id, static_cast<std::uint32_t>(shown.IconID()));
}

struct TrayWindowTest : PlayerTest {
  fakes::FakeNotifyArea& area = player.notifyArea;
  std::vector<std::string> popups;
  TrayWindowTest() {
    application.onPopup = [this](ui::Form&, ui::MenuItem& m) { popups.push_back(m.name()); };
  }
  void press(std::uint32_t mouseMessage) { area.listener->iconMessage(1, mouseMessage, 10, 10); }
};

TEST_F(TrayWindowTest, TrayButtonHidesTheWindowAndLeavingRestoresItsExactBounds) {
  auto& w = start();
  w.setBounds(ui::Rect{37, 51, 603, 411});
  const ui::Rect before = w.bounds();
  w.ButtonTRAY.click();
  EXPECT_TRUE(w.InTray());
  EXPECT_EQ(w.bounds(), (ui::Rect{0, -40, 0, 0}));
  EXPECT_FALSE(w.taskbarButton());
  EXPECT_FALSE(w.ButtonTRAY.visible());
  EXPECT_EQ(area.calls.back().data.tip, "Zelcor32 B-G-M");
  w.menu("TRIconOFF").click();
  EXPECT_FALSE(w.InTray());
  EXPECT_EQ(area.calls.back().op, NotifyOp::Delete);
  EXPECT_EQ(w.bounds(), before);
  EXPECT_TRUE(w.taskbarButton());
  EXPECT_TRUE(w.ButtonTRAY.visible());
}

TEST_F(TrayWindowTest, TrayMenusShowTheVersionTheModeAndTheRunState) {
  auto& w = start();
  w.ButtonTRAY.click();
  set("Version", "32");
  w.RadioGroup1.setItemIndex(3);
  press(0x204);
  EXPECT_EQ(popups, std::vector<std::string>{"PopupMenuTR"});
  EXPECT_EQ(w.menu("TR1").caption(), "再生　－　（Zelcor32 V3．2） (&P)");
  EXPECT_EQ(w.menu("TR2").caption(), "中断　－　(停止中) (&K)");
  EXPECT_TRUE(w.menu("TR2").checked());
  EXPECT_FALSE(w.menu("TR1").checked());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(w.menu(("TRM" + std::to_string(i)).c_str()).checked(), i == 3) << i;
  reg.deleteValue(platform::Hive::CurrentUser, core::kSettingsKey, "Version");
  press(0x201);
  EXPECT_EQ(popups.back(), "PopupMenuTL");
  EXPECT_EQ(w.menu("TL1").caption(), "再生開始　－　（Zelcor32 V?.?） (&P)");
  // A middle button, a release and a move open nothing.
  for (std::uint32_t m : {0x207u, 0x205u, 0x200u}) press(m);
  EXPECT_EQ(popups.size(), 2u);
}

TEST_F(TrayWindowTest, ASecondPressWhileTheFirstMenuIsPreparedOpensNoSecondMenu) {
  auto& w = start();
  w.ButtonTRAY.click();
  loop.post([this] { press(0x204); });  // arrives while the first press lets messages run
  press(0x204);
  EXPECT_EQ(popups.size(), 1u);
  press(0x204);  // once the menu has closed the next press opens it again
  EXPECT_EQ(popups.size(), 2u);
}

TEST_F(TrayWindowTest, TrayModeItemChoosesThePlayMode) {
  auto& w = start();
  w.menu("TRM1").click();
  EXPECT_EQ(w.RadioGroup1.itemIndex(), 1);
}

TEST_F(TrayWindowTest, SwitchTGoesToTheTrayByItselfAndTheTipNeverSplitsACharacter) {
  auto& w = start({"/T"});
  const ui::Rect placed = w.bounds();
  EXPECT_FALSE(w.InTray());
  loop.advance(500);
  EXPECT_TRUE(w.InTray());
  EXPECT_FALSE(w.PanelOPEN.visible());
  EXPECT_EQ(w.bounds(), (ui::Rect{0, -40, 0, 0}));
  std::string title = "Zelcor32 x";
  for (int i = 0; i < 30; ++i) title += "曲";
  w.SetTitle(title);
  EXPECT_EQ(area.calls.back().data.tip, title.substr(0, 62));
  w.menu("TRIconOFF").click();
  EXPECT_EQ(w.bounds(), placed);
}

}  // namespace

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST_F(PlayerTest, OwnShortcutsAreWrittenThenRemovedAndTheMenuOffersTheOtherCommand) {
  struct Case {
    const char *folderName, *folder, *set, *del;
  } cases[] = {{"Startup", "C:\\START", "MSC_ST_SET", "MSC_ST_DEL"}, {"Desktop", "C:\\DESK", "MSC_DK_SET", "MSC_DK_DEL"}};
  for (const Case& c : cases) reg.writeString(platform::Hive::CurrentUser, kShellFolders, c.folderName, c.folder);
  auto& w = start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folderName);
    const std::string link = std::string(c.folder) + "\\Zelcor32 B-G-M.lnk";
    EXPECT_TRUE(w.menu(c.set).visible());
    EXPECT_FALSE(w.menu(c.del).visible());
    w.menu(c.set).click();
    EXPECT_EQ(fs.readAll(link).value_or(""), "C:\\ZELCOR\\zelcor32.exe");
    EXPECT_FALSE(w.menu(c.set).visible());
    EXPECT_TRUE(w.menu(c.del).visible());
    w.menu(c.del).click();
    EXPECT_FALSE(fs.fileExists(link));
    EXPECT_TRUE(w.menu(c.set).visible());
  }
}

TEST_F(AnsweringPlayerTest, DesktopShortcutWithoutADesktopFolderOrAlreadyThereIsRefusedWithItsText) {
  auto& w = start();
  w.menu("MSC_DK_SET").click();
  // Both come after the menu was drawn: the command looks again.
  reg.writeString(platform::Hive::CurrentUser, kShellFolders, "Desktop", "C:\\DESK");
  fs.addFolder("C:\\DESK");
  fs.writeAtomic("C:\\DESK\\Zelcor32 B-G-M.lnk", "elsewhere");
  w.menu("MSC_DK_SET").click();
  EXPECT_EQ(messages,
            (std::vector<std::string>{"デスクトップへの登録に失敗しました・・・\nZelcor32 B-G-M\nデスクトップフォルダーが不明です・・・",
                                      "デスクトップには、既に登録されています☆☆☆"}));
  EXPECT_EQ(fs.readAll("C:\\DESK\\Zelcor32 B-G-M.lnk").value_or(""), "elsewhere");
  EXPECT_TRUE(w.menu("MSC_DK_DEL").visible());
}

TEST_F(PlayerTest, StartupShortcutWithoutAStartupFolderSaysSo) {
  player.closeBoxesKeepingTexts();
  auto& w = start();
  w.menu("MSC_ST_SET").click();
  EXPECT_EQ(player.messages, std::vector<std::string>{"ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません"});
}

}  // namespace

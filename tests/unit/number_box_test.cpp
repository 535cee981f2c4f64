// Number box and its three callers in the main window.
#include "dialogs/TmSETdlg.h"

#include <functional>

#include "files/file_list.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// Zero stays zero under a minimum (the box tests show the clamps and 3 raised to 5).
TEST(NumberBoxRules, MinCountRaisesAllButZero) {
  EXPECT_EQ(dialogs::AcceptedValue(0, 5), 0);
  EXPECT_EQ(dialogs::AcceptedValue(7, 5), 7);
}

struct NumberBoxTest : AnsweringPlayerTest {
  std::function<void(dialogs::TTMSETBox&)> onBox;
  NumberBoxTest() { onOtherForm = [this](ui::Form& f) { onBox(static_cast<dialogs::TTMSETBox&>(f)); }; }
};

TEST_F(NumberBoxTest, SpinsShowTheValueWithItsUnitAndTheConfirmationAccepts) {
  start();
  dialogs::TTmSETBoxDlg dlg(application);
  dlg.TCount = 30;
  dlg.MinCount = 5;
  std::vector<std::string> shown;
  onBox = [&](dialogs::TTMSETBox& box) {
    shown.push_back(box.Label2.caption());
    box.SpinButton3Down.click();  // 30 - 60 -> 0
    shown.push_back(box.Label2.caption());
    box.SpinButton1Up.click();
    box.SpinButton1Up.click();
    box.SpinButton1Up.click();  // 3
    box.Button1.click();        // raised to 5, asked
  };
  EXPECT_EQ(dlg.Execute("ﾃｽﾄ"), 1);
  EXPECT_EQ(dlg.TCount, 5);
  EXPECT_EQ(shown, (Lines{"30個", "0個"}));
  EXPECT_EQ(messages, (Lines{"ﾃｽﾄを、\n5個に、設定します"}));
}

TEST_F(NumberBoxTest, NoKeepsTheBoxOpenAndCancelLeavesTheValue) {
  start();
  dialogs::TTmSETBoxDlg dlg(application);
  dlg.TCount = 32680;
  dlg.Msg0 = "待ち時間";
  int seen = 0;
  std::string unitShown;
  onBox = [&](dialogs::TTMSETBox& box) {
    box.SpinButton3Up.click();
    unitShown = box.Label2.caption();
    box.Button1.click();  // answered No: still open
    seen = box.value();
    EXPECT_EQ(box.modalResult(), ui::kResultNone);
    box.Button4.click();
  };
  answerYes = false;
  EXPECT_EQ(dlg.Execute("x"), 3);
  EXPECT_EQ(dlg.TCount, 32680);
  EXPECT_EQ(seen, 32700);
  EXPECT_EQ(unitShown, "32700秒");
}

TEST_F(NumberBoxTest, FolderHistoryLimitThreeKeepsTheLastThreeAndZeroRecordsNothing) {
  for (const char* f : {"C:\\A", "C:\\B", "C:\\C", "C:\\D"}) fs.addFolder(f);
  auto& w = start();
  onBox = [&](dialogs::TTMSETBox& box) {
    while (box.value() > 3) box.SpinButton1Down.click();
    box.Button1.click();
  };
  w.menu("FOLDERHIS").click();
  EXPECT_EQ(w.S.settings.folderHistoryLimit, 3);
  EXPECT_EQ(w.menu("FOLDERHIS").caption(), "フォルダーヒストリーの設定　3個 (&H)");
  w.ListBoxKaKo.clear();
  for (const char* f : {"C:\\A", "C:\\B", "C:\\C", "C:\\D"}) w.Files->RebuildFileList(f);
  EXPECT_EQ(w.ListBoxKaKo.items(), (Lines{"C:\\D", "C:\\C", "C:\\B"}));
  w.Files->RebuildFileList("C:\\B");
  EXPECT_EQ(w.ListBoxKaKo.items(), (Lines{"C:\\B", "C:\\D", "C:\\C"}));
  EXPECT_EQ(w.ListBoxKaKo.itemIndex(), 0);
  EXPECT_EQ(w.LabelKaKo.caption(), "3ｺ");

  onBox = [&](dialogs::TTMSETBox& box) {
    box.SpinButton3Down.click();
    box.Button1.click();
  };
  w.menu("FOLDERHIS").click();
  EXPECT_EQ(w.S.settings.folderHistoryLimit, 0);
  EXPECT_EQ(w.menu("FOLDERHIS").caption(), "フォルダーヒストリーの設定　ＯＦＦ (&H)");
  w.Files->RebuildFileList("C:\\A");
  EXPECT_EQ(w.ListBoxKaKo.items(), (Lines{"C:\\B", "C:\\D", "C:\\C"}));
}

TEST_F(NumberBoxTest, FileHistoryAndEndCountTakeTheirValuesAndCancelSaysSo) {
  auto& w = start();
  onBox = [&](dialogs::TTMSETBox& box) {
    box.SpinButton2Up.click();
    box.Button1.click();
  };
  w.menu("FILEHIS").click();
  EXPECT_EQ(w.S.settings.fileHistoryLimit, 26);
  EXPECT_EQ(w.menu("FILEHIS").caption(), "ファイルヒストリーの設定　26個 (&F)");
  w.menu("ME_kosu_Set_Edit").click();
  EXPECT_EQ(w.S.settings.endCountSet, 30);
  EXPECT_EQ(w.S.settings.endCountChoice, 11);
  EXPECT_EQ(w.menu("ME_kosu_Set").caption(), "Set 30");
  EXPECT_EQ(w.menu("ME_kosu").caption(), "終了曲数 Set 30 曲(&P)");
  EXPECT_EQ(messages.back(), "Set 曲数設定を、\n30個に、設定します");

  onBox = [&](dialogs::TTMSETBox& box) { box.Button4.click(); };
  w.menu("FILEHIS").click();
  EXPECT_EQ(w.S.settings.fileHistoryLimit, 26);
  EXPECT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages.back(), "中止しました。");
  EXPECT_FALSE(w.S.run.MenuBusy);
}

}  // namespace

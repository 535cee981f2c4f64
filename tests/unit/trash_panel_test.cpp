// The trash panel: deleting selected entries, emptying the trash, its switches.
#include "base/line_file.h"
#include "files/file_list.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

struct TrashPanelTest : AnsweringPlayerTest {
  TrashPanelTest() {
    fs.addFile(data + "M.LIM", base::JoinLines({"C:\\a.wav", "C:\\b.wav", "C:\\c.wav", "C:\\d.wav"}));
    fs.addFile(data + "M.LIV", base::JoinLines({"va", "vb", "vc", "vd"}));
    set("M_Fn", "M");
    set("MEMORY", "0,-1,1,0,0,0,0");  // memory view, the delete button shown
  }
  memory::Trash& trash() { return *window->TrashBin; }
  ui::Control& button(const char* name) { return *window->findControl(name); }
};

TEST_F(TrashPanelTest, DeleteTakesTheSelectedEntriesWithTheirVolumes) {
  auto& w = start();
  EXPECT_TRUE(trash().ButtonMCut.visible());
  w.ListBox2.setItemIndex(1);
  w.ListBox2.setSelected(3, true);
  trash().ButtonMCut.click();
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\a.wav", "C:\\c.wav"}));
  EXPECT_EQ(w.Memory->ListBoxVM.items(), (Lines{"va", "vc"}));
  EXPECT_EQ(w.ListBox2.itemIndex(), -1);  // deleting stopped past the end
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "2ｺ");
  w.ListBox2.setItemIndex(0);
  trash().ButtonMCut.click();
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\c.wav"}));
  EXPECT_EQ(w.ListBox2.itemIndex(), 0);  // where deleting stopped
  w.CheckBoxGomi.click();
  EXPECT_FALSE(trash().ButtonMCut.visible());
}

TEST_F(TrashPanelTest, DeletingFromAnEmptyListOnlyBeeps) {
  auto& w = start();
  button("ButtonGomiCut").click();
  EXPECT_EQ(shell.beeps, 1);
  button("Button_GOMI_ALLCLR").click();
  EXPECT_EQ(shell.beeps, 2);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(w.ListBox2.count(), 4);
}

TEST_F(TrashPanelTest, ClearAsksAndEmptiesTheTrashOnlyOnYes) {
  auto& w = start();
  w.ListBox6.setItems({"C:\\x.wav", "C:\\y.wav"});
  trash().ListBoxVG.setItems({"1", "2"});
  trash().ShowTrashCount();
  answerYes = false;
  button("Button_GOMI_ALLCLR").click();
  EXPECT_EQ(messages, (Lines{"ゴミ箱を空にしても、いいですか？", "削除を中止しました・・・"}));
  EXPECT_EQ(w.ListBox6.count(), 2);
  answerYes = true;
  button("Button_GOMI_ALLCLR").click();
  EXPECT_EQ(w.ListBox6.count(), 0);
  EXPECT_EQ(trash().ListBoxVG.count(), 0);
  EXPECT_EQ(trash().Label7.caption(), "0ｺ");
  EXPECT_EQ(trash().Image1.icon(), ui::Image::Icon::Trash);
}

TEST_F(TrashPanelTest, TheIconOpensThePanelAndClosingBringsTheIconBack) {
  auto& w = start();
  w.Panel_JK.setVisible(true);
  trash().Image1RightUp();
  EXPECT_TRUE(w.PanelGomi.visible());
  EXPECT_FALSE(trash().Image1.visible());
  EXPECT_FALSE(w.Panel_JK.visible());
  w.Files->ActiveList = &w.ListBox6;
  button("ButtonGomiOFF").click();
  EXPECT_FALSE(w.PanelGomi.visible());
  EXPECT_TRUE(trash().Image1.visible());
  EXPECT_EQ(w.Files->ActiveList, &w.ListBox2);
}

}  // namespace

// The trash panel: deleting selected entries, emptying the trash, its switches.
#include "base/line_file.h"
#include "files/file_list.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "memory_fixture.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

struct TrashPanelTest : MemoryFixture {
  TrashPanelTest() {
    fs.addFile(data + "M.LIM", base::JoinLines({"C:\\a.wav", "C:\\b.wav", "C:\\c.wav", "C:\\d.wav"}));
    fs.addFile(data + "M.LIV", base::JoinLines({"va", "vb", "vc", "vd"}));
    CheckBoxGomi.setChecked(true);  // the delete button shown
  }
  ui::Control& button(const char* name) { return *form.findControl(name); }
};

TEST_F(TrashPanelTest, DeleteTakesTheSelectedEntriesWithTheirVolumes) {
  start("M");
  EXPECT_TRUE(trash.ButtonMCut.visible());
  ListBox2.setItemIndex(1);
  ListBox2.setSelected(3, true);
  trash.ButtonMCut.click();
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\a.wav", "C:\\c.wav"}));
  EXPECT_EQ(lists.ListBoxVM.items(), (Lines{"va", "vc"}));
  EXPECT_EQ(ListBox2.itemIndex(), -1);  // deleting stopped past the end
  EXPECT_EQ(Label_MFN_Kosu.caption(), "2ｺ");
  ListBox2.setItemIndex(0);
  trash.ButtonMCut.click();
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\c.wav"}));
  EXPECT_EQ(ListBox2.itemIndex(), 0);  // where deleting stopped
  CheckBoxGomi.click();
  EXPECT_FALSE(trash.ButtonMCut.visible());
}

TEST_F(TrashPanelTest, DeletingFromAnEmptyListOnlyBeeps) {
  start("M");
  button("ButtonGomiCut").click();
  EXPECT_EQ(shell.beeps, 1);
  button("Button_GOMI_ALLCLR").click();
  EXPECT_EQ(shell.beeps, 2);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(ListBox2.count(), 4);
}

TEST_F(TrashPanelTest, ClearAsksAndEmptiesTheTrashOnlyOnYes) {
  start("M");
  ListBox6.setItems({"C:\\x.wav", "C:\\y.wav"});
  trash.ListBoxVG.setItems({"1", "2"});
  trash.ShowTrashCount();
  answerYes = false;
  button("Button_GOMI_ALLCLR").click();
  EXPECT_EQ(messages, (Lines{"ゴミ箱を空にしても、いいですか？", "削除を中止しました・・・"}));
  EXPECT_EQ(ListBox6.count(), 2);
  answerYes = true;
  button("Button_GOMI_ALLCLR").click();
  EXPECT_EQ(ListBox6.count(), 0);
  EXPECT_EQ(trash.ListBoxVG.count(), 0);
  EXPECT_EQ(trash.Label7.caption(), "0ｺ");
  EXPECT_EQ(trash.Image1.icon(), ui::Image::Icon::Trash);
}

// The whole window: closing the trash hands the list commands back to the memory list.
struct TrashWindowTest : AnsweringPlayerTest {
  TrashWindowTest() { set("MEMORY", "0,-1,1,0,0,0,0"); }  // memory view, the delete button shown
  memory::Trash& trash() { return *window->TrashBin; }
  ui::Control& button(const char* name) { return *window->findControl(name); }
};

TEST_F(TrashWindowTest, TheIconOpensThePanelAndClosingBringsTheIconBack) {
  auto& w = start();
  w.Panel_JK.setVisible(true);
  ASSERT_TRUE(trash().Image1.onRightButtonUp);
  trash().Image1.onRightButtonUp();
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

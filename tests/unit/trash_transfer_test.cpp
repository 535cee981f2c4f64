// Moving entries between the file list, the memory list and the trash by drag and drop.
#include "base/line_file.h"
#include "memory/drop.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "ui/drag.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

struct TransferTest : AnsweringPlayerTest {
  TransferTest() {
    fs.addFolder("C:\\MUSIC");
    fs.addFile("C:\\MUSIC\\x.wav", "x");
    fs.addFile("C:\\MUSIC\\y.wav", "y");
    fs.addFolder("E:\\");
    fs.addFile("E:\\Track01.cda", "");
    fs.addFile("E:\\Track02.CDA", "");
    fs.addFile(data + "M.LIM", base::JoinLines({"C:\\a.wav", "C:\\b.wav", "C:\\c.wav"}));
    fs.addFile(data + "M.LIV", base::JoinLines({"va", "vb", "vc"}));
    set("M_Fn", "M");
    set("CPATH", "C:\\MUSIC");
    set("MEMORY", "0,-1,0,0,0,0,0");
  }
  memory::Trash& trash() { return *window->TrashBin; }
  memory::DragDrop& drop() { return *window->Drop; }
  ui::ListBox& vm() { return window->Memory->ListBoxVM; }
  ui::ListBox& vg() { return trash().ListBoxVG; }
  // A drop, its menu once open, and the chosen item.
  void dropAndChoose(ui::Control& target, ui::Control& source, const char* item) {
    drop().DropOn(target, source);
    loop.advance(0);
    window->menu(item).click();
  }
  void select(ui::ItemList& list, std::initializer_list<int> indexes) {
    list.setItemIndex(*indexes.begin());
    for (int i : indexes) list.setSelected(i, true);
  }
};

TEST_F(TransferTest, MoveAllFromTheTrashIconGoesToTheDropPositionAndEmptiesTheTrash) {
  auto& w = start();
  select(w.ListBox2, {0, 2});
  dropAndChoose(w.ListBox6, w.ListBox2, "P0");  // move the selected two into the trash
  EXPECT_EQ(w.ListBox6.items(), (Lines{"C:\\a.wav", "C:\\c.wav"}));
  EXPECT_EQ(vg().items(), (Lines{"va", "vc"}));
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\b.wav"}));
  EXPECT_EQ(vm().items(), (Lines{"vb"}));
  EXPECT_EQ(trash().Label7.caption(), "2ｺ");
  EXPECT_EQ(trash().Image1.icon(), ui::Image::Icon::TrashFull);

  ASSERT_TRUE(drop().DragOver(w.ListBox2, trash().Image1, 0));  // over "b"
  dropAndChoose(w.ListBox2, trash().Image1, "P2");
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\a.wav", "C:\\c.wav", "C:\\b.wav"}));
  EXPECT_EQ(vm().items(), (Lines{"va", "vc", "vb"}));
  EXPECT_EQ(w.ListBox2.itemIndex(), 2);  // the drop position follows the inserted entries
  EXPECT_EQ(w.ListBox6.count(), 0);
  EXPECT_EQ(vg().count(), 0);
  EXPECT_EQ(trash().LabelGomiKosu2.caption(), "0ｺ");
  EXPECT_EQ(trash().Image1.icon(), ui::Image::Icon::Trash);
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "3ｺ");
}

TEST_F(TransferTest, AMouseDragFromTheFileListCopiesToTheEntryUnderTheMouse) {
  auto& w = start();
  ui::DragTracker drag(4, 4);
  w.ListBox4.setItemIndex(1);  // y.wav
  ASSERT_TRUE(drag.press(w.ListBox4, {0, 0}, 1));
  EXPECT_EQ(drag.move({0, 50}, &trash().Image1, -1), ui::DragCursor::Refuse);  // files never go to the trash
  EXPECT_EQ(drag.move({0, 90}, &w.ListBox2, 2), ui::DragCursor::Accept);
  EXPECT_EQ(w.ListBox2.itemIndex(), 2);
  ASSERT_TRUE(drag.release({0, 80}, &w.ListBox2, 1));
  loop.advance(0);
  window->menu("P1").click();
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\a.wav", "C:\\MUSIC\\y.wav", "C:\\b.wav", "C:\\c.wav"}));
  EXPECT_EQ(w.ListBox4.count(), 2);

  // The trash icon's right button opens the trash panel.
  ASSERT_TRUE(trash().Image1.onRightButtonUp);
  trash().Image1.onRightButtonUp();
  EXPECT_TRUE(w.PanelGomi.visible());
}

TEST_F(TransferTest, TheMenuEnablesItemsBySourceAndASecondDropWaitsForTheFirst) {
  auto& w = start();
  w.ListBox6.setItems({"C:\\t.wav"});
  vg().setItems({""});
  auto enabled = [&] {
    std::string s;
    for (const char* p : {"P0", "P1", "P2", "P3"}) s += w.menu(p).enabled() ? '1' : '0';
    return s;
  };
  drop().DropOn(w.ListBox2, w.ListBox4);
  drop().DropOn(trash().Image1, w.ListBox2);  // ignored: the first menu is not open yet
  EXPECT_TRUE(drop().DropBusy);
  loop.advance(0);
  EXPECT_FALSE(drop().DropBusy);
  EXPECT_EQ(drop().DropSource, &w.ListBox4);
  EXPECT_EQ(enabled(), "0101");
  drop().DropOn(w.ListBox2, trash().Image1);
  loop.advance(0);
  EXPECT_EQ(enabled(), "0011");
  drop().DropOn(w.ListBox2, w.ListBox6);
  loop.advance(0);
  EXPECT_EQ(enabled(), "1111");
}

TEST_F(TransferTest, DragsAreAcceptedOnlyFromOtherListsThatHoldEntries) {
  auto& w = start();
  auto& icon = trash().Image1;
  EXPECT_FALSE(drop().Accepts(w.ListBox2, w.ListBox8));   // from itself
  EXPECT_FALSE(drop().Accepts(w.ListBox2, w.ListBox6));   // the trash is empty
  EXPECT_FALSE(drop().Accepts(w.ListBox2, icon));
  EXPECT_TRUE(drop().Accepts(w.ListBox2, w.ListBox4));
  EXPECT_TRUE(drop().Accepts(w.ListBox6, w.ListBox2));
  EXPECT_FALSE(drop().Accepts(w.ListBox6, icon));
  EXPECT_FALSE(drop().Accepts(icon, w.ListBox4));
  EXPECT_FALSE(drop().Accepts(icon, icon));
  EXPECT_TRUE(drop().Accepts(icon, w.ListBox2));
  w.ListBox6.setItems({"C:\\t.wav"});
  EXPECT_TRUE(drop().Accepts(w.ListBox2, icon));
  EXPECT_FALSE(drop().Accepts(icon, w.ListBox6));  // the trash into itself
  w.ListBox2.clear();
  EXPECT_FALSE(drop().Accepts(w.ListBox6, w.ListBox2));
  EXPECT_FALSE(drop().Accepts(icon, w.ListBox2));
  // Hovering selects the entry under the mouse, or nothing.
  w.ListBox6.setItemIndex(0);
  EXPECT_TRUE(drop().DragOver(w.ListBox2, w.ListBox6, -1));
  EXPECT_EQ(w.ListBox2.itemIndex(), -1);
}

TEST_F(TransferTest, TheClearModeReplacesTheTrashOtherwiseDropsAreAppended) {
  auto& w = start();
  w.ListBox2.setItemIndex(0);
  dropAndChoose(trash().Image1, w.ListBox2, "P1");
  w.ListBox2.setItemIndex(1);
  dropAndChoose(trash().Image1, w.ListBox2, "P1");
  EXPECT_EQ(w.ListBox6.items(), (Lines{"C:\\a.wav", "C:\\b.wav"}));
  w.LabelGomiSASIN.click();  // the mode is off: its label is hidden, but both labels toggle
  trash().LabelGomiTUIKA.click();
  trash().LabelGomiTUIKA.click();
  EXPECT_TRUE(w.S.settings.trashClearMode);
  EXPECT_TRUE(w.LabelGomiSASIN.visible());
  EXPECT_FALSE(trash().LabelGomiTUIKA.visible());
  w.ListBox2.setItemIndex(2);
  dropAndChoose(trash().Image1, w.ListBox2, "P1");
  EXPECT_EQ(w.ListBox6.items(), (Lines{"C:\\c.wav"}));
  EXPECT_EQ(vg().items(), (Lines{"vc"}));
  EXPECT_EQ(w.ListBox2.count(), 3);  // copies leave the memory list as it was
}

TEST_F(TransferTest, FilesOfAnAudioCdFolderBecomeTrackEntriesOthersFullPaths) {
  auto& w = start();
  trash().discIdentity = [](char drive) { return drive == 'E' ? std::string("12AB34CD") : std::string(); };
  w.ListBox4.selectAll();
  ASSERT_TRUE(drop().DragOver(w.ListBox2, w.ListBox4, -1));  // below the last entry: appended
  dropAndChoose(w.ListBox2, w.ListBox4, "P1");
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\a.wav", "C:\\b.wav", "C:\\c.wav", "C:\\MUSIC\\x.wav", "C:\\MUSIC\\y.wav"}));
  EXPECT_EQ(vm().count(), 5);
  EXPECT_EQ(w.ListBox4.count(), 2);  // never removed from the file list
  w.S.settings.folderPath = "E:\\";
  w.ListBox4.setItems({"Track01.cda", "Track02.CDA"});
  w.ListBox2.setItemIndex(-1);
  dropAndChoose(w.ListBox2, w.ListBox4, "P3");
  EXPECT_EQ(w.ListBox2.item(5), ">E:\\Track01.cda/12AB34CD");
  EXPECT_EQ(w.ListBox2.item(6), ">E:\\Track02.CDA/12AB34CD");
}

TEST_F(TransferTest, NamesOnlyListsTravelWithTheirEntries) {
  set("SSN", "1");
  auto& w = start();
  w.S.settings.namesOnly = true;
  w.Memory->RefreshNamesOnly();
  select(w.ListBox8, {1});
  dropAndChoose(w.ListBox9, w.ListBox8, "P0");
  EXPECT_EQ(w.ListBox8.items(), (Lines{"a.wav", "c.wav"}));
  EXPECT_EQ(w.ListBox9.items(), (Lines{"b.wav"}));
  EXPECT_EQ(w.ListBox6.items(), (Lines{"C:\\b.wav"}));
  EXPECT_EQ(w.ListBox8.itemIndex(), 1);  // where the first moved entry stood
}

TEST_F(TransferTest, ATransferStopsAfterTheEntryThatReachedTheLimit) {
  Lines many(memory::kEntryLimit - 2, "C:\\m.wav");
  fs.addFile(data + "M.LIM", base::JoinLines(many));
  fs.addFile(data + "M.LIV", "");
  auto& w = start();
  w.ListBox6.setItems({"C:\\1.wav", "C:\\2.wav", "C:\\3.wav", "C:\\4.wav"});
  vg().setItems({"1", "2", "3", "4"});
  ASSERT_TRUE(drop().DragOver(w.ListBox2, trash().Image1, -1));
  dropAndChoose(w.ListBox2, trash().Image1, "P2");
  EXPECT_EQ(w.ListBox2.count(), memory::kEntryLimit);
  EXPECT_EQ(w.ListBox2.items().back(), "C:\\2.wav");
  EXPECT_EQ(w.ListBox6.items(), (Lines{"C:\\3.wav", "C:\\4.wav"}));  // the rest stays in the trash
  EXPECT_EQ(vg().items(), (Lines{"3", "4"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].substr(0, messages[0].find('\n')), "データ項目制限：32700");
}

}  // namespace

// Moving entries between the file list, the memory list and the trash by drag and drop.
#include "base/line_file.h"
#include "memory/drop.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "ui/drag.h"
#include "memory_fixture.h"

namespace {

using Lines = std::vector<std::string>;

struct TransferTest : MemoryFixture {
  TransferTest() {
    fs.addFile(data + "M.LIM", base::JoinLines({"C:\\a.wav", "C:\\b.wav", "C:\\c.wav"}));
    fs.addFile(data + "M.LIV", base::JoinLines({"va", "vb", "vc"}));
    S.settings.folderPath = "C:\\MUSIC";
    ListBox4.setItems({"x.wav", "y.wav"});
  }
  ui::ListBox& vm() { return ListBoxVM; }
  ui::ListBox& vg() { return ListBoxVG; }
  ui::MenuItem& menu(const char* name) { return *form.findMenu(name); }
  // A drop, its menu once open, and the chosen item.
  void dropAndChoose(ui::Control& target, ui::Control& source, const char* item) {
    drop.DropOn(target, source);
    loop.advance(0);
    menu(item).click();
  }
  void select(ui::ItemList& list, std::initializer_list<int> indexes) {
    list.setItemIndex(*indexes.begin());
    for (int i : indexes) list.setSelected(i, true);
  }
};

TEST_F(TransferTest, MoveAllFromTheTrashIconGoesToTheDropPositionAndEmptiesTheTrash) {
  start("M");
  select(ListBox2, {0, 2});
  dropAndChoose(ListBox6, ListBox2, "P0");  // move the selected two into the trash
  EXPECT_EQ(ListBox6.items(), (Lines{"C:\\a.wav", "C:\\c.wav"}));
  EXPECT_EQ(vg().items(), (Lines{"va", "vc"}));
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\b.wav"}));
  EXPECT_EQ(vm().items(), (Lines{"vb"}));
  EXPECT_EQ(trash.Label7.caption(), "2ｺ");
  EXPECT_EQ(trash.Image1.icon(), ui::Image::Icon::TrashFull);

  ASSERT_TRUE(drop.DragOver(ListBox2, trash.Image1, 0));  // over "b"
  dropAndChoose(ListBox2, trash.Image1, "P2");
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\a.wav", "C:\\c.wav", "C:\\b.wav"}));
  EXPECT_EQ(vm().items(), (Lines{"va", "vc", "vb"}));
  EXPECT_EQ(ListBox2.itemIndex(), 2);  // the drop position follows the inserted entries
  EXPECT_EQ(ListBox6.count(), 0);
  EXPECT_EQ(vg().count(), 0);
  EXPECT_EQ(trash.LabelGomiKosu2.caption(), "0ｺ");
  EXPECT_EQ(trash.Image1.icon(), ui::Image::Icon::Trash);
  EXPECT_EQ(Label_MFN_Kosu.caption(), "3ｺ");
}

TEST_F(TransferTest, AMouseDragFromTheFileListCopiesToTheEntryUnderTheMouse) {
  start("M");
  ui::DragTracker drag(4, 4);
  ListBox4.setItemIndex(1);  // y.wav
  ASSERT_TRUE(drag.press(ListBox4, {0, 0}, 1));
  EXPECT_EQ(drag.move({0, 50}, &trash.Image1, -1), ui::DragCursor::Refuse);  // files never go to the trash
  EXPECT_EQ(drag.move({0, 90}, &ListBox2, 2), ui::DragCursor::Accept);
  EXPECT_EQ(ListBox2.itemIndex(), 2);
  ASSERT_TRUE(drag.release({0, 80}, &ListBox2, 1));
  loop.advance(0);
  menu("P1").click();
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\a.wav", "C:\\MUSIC\\y.wav", "C:\\b.wav", "C:\\c.wav"}));
  EXPECT_EQ(ListBox4.count(), 2);
}

TEST_F(TransferTest, TheMenuEnablesItemsBySourceAndASecondDropWaitsForTheFirst) {
  start("M");
  ListBox6.setItems({"C:\\t.wav"});
  vg().setItems({""});
  auto enabled = [&] {
    std::string s;
    for (const char* p : {"P0", "P1", "P2", "P3"}) s += menu(p).enabled() ? '1' : '0';
    return s;
  };
  drop.DropOn(ListBox2, ListBox4);
  drop.DropOn(trash.Image1, ListBox2);  // ignored: the first menu is not open yet
  EXPECT_TRUE(drop.DropBusy);
  loop.advance(0);
  EXPECT_FALSE(drop.DropBusy);
  EXPECT_EQ(drop.DropSource, &ListBox4);
  EXPECT_EQ(enabled(), "0101");
  drop.DropOn(ListBox2, trash.Image1);
  loop.advance(0);
  EXPECT_EQ(enabled(), "0011");
  drop.DropOn(ListBox2, ListBox6);
  loop.advance(0);
  EXPECT_EQ(enabled(), "1111");
}

TEST_F(TransferTest, DragsAreAcceptedOnlyFromOtherListsThatHoldEntries) {
  start("M");
  auto& icon = trash.Image1;
  EXPECT_FALSE(drop.Accepts(ListBox2, ListBox8));   // from itself
  EXPECT_FALSE(drop.Accepts(ListBox2, ListBox6));   // the trash is empty
  EXPECT_FALSE(drop.Accepts(ListBox2, icon));
  EXPECT_TRUE(drop.Accepts(ListBox2, ListBox4));
  EXPECT_TRUE(drop.Accepts(ListBox6, ListBox2));
  EXPECT_FALSE(drop.Accepts(ListBox6, icon));
  EXPECT_FALSE(drop.Accepts(icon, ListBox4));
  EXPECT_FALSE(drop.Accepts(icon, icon));
  EXPECT_TRUE(drop.Accepts(icon, ListBox2));
  ListBox6.setItems({"C:\\t.wav"});
  EXPECT_TRUE(drop.Accepts(ListBox2, icon));
  EXPECT_FALSE(drop.Accepts(icon, ListBox6));  // the trash into itself
  ListBox2.clear();
  EXPECT_FALSE(drop.Accepts(ListBox6, ListBox2));
  EXPECT_FALSE(drop.Accepts(icon, ListBox2));
  // Hovering selects the entry under the mouse, or nothing.
  ListBox6.setItemIndex(0);
  EXPECT_TRUE(drop.DragOver(ListBox2, ListBox6, -1));
  EXPECT_EQ(ListBox2.itemIndex(), -1);
}

TEST_F(TransferTest, TheClearModeReplacesTheTrashOtherwiseDropsAreAppended) {
  start("M");
  ListBox2.setItemIndex(0);
  dropAndChoose(trash.Image1, ListBox2, "P1");
  ListBox2.setItemIndex(1);
  dropAndChoose(trash.Image1, ListBox2, "P1");
  EXPECT_EQ(ListBox6.items(), (Lines{"C:\\a.wav", "C:\\b.wav"}));
  LabelGomiSASIN.click();  // the mode is off: its label is hidden, but both labels toggle
  trash.LabelGomiTUIKA.click();
  trash.LabelGomiTUIKA.click();
  EXPECT_TRUE(S.settings.trashClearMode);
  EXPECT_TRUE(LabelGomiSASIN.visible());
  EXPECT_FALSE(trash.LabelGomiTUIKA.visible());
  ListBox2.setItemIndex(2);
  dropAndChoose(trash.Image1, ListBox2, "P1");
  EXPECT_EQ(ListBox6.items(), (Lines{"C:\\c.wav"}));
  EXPECT_EQ(vg().items(), (Lines{"vc"}));
  EXPECT_EQ(ListBox2.count(), 3);  // copies leave the memory list as it was
}

TEST_F(TransferTest, FilesOfAnAudioCdFolderBecomeTrackEntriesOthersFullPaths) {
  start("M");
  trash.discIdentity = [](char drive) { return drive == 'E' ? std::string("12AB34CD") : std::string(); };
  ListBox4.selectAll();
  ASSERT_TRUE(drop.DragOver(ListBox2, ListBox4, -1));  // below the last entry: appended
  dropAndChoose(ListBox2, ListBox4, "P1");
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\a.wav", "C:\\b.wav", "C:\\c.wav", "C:\\MUSIC\\x.wav", "C:\\MUSIC\\y.wav"}));
  EXPECT_EQ(vm().count(), 5);
  EXPECT_EQ(ListBox4.count(), 2);  // never removed from the file list
  S.settings.folderPath = "E:\\";
  ListBox4.setItems({"Track01.cda", "Track02.CDA"});
  ListBox2.setItemIndex(-1);
  dropAndChoose(ListBox2, ListBox4, "P3");
  EXPECT_EQ(ListBox2.item(5), ">E:\\Track01.cda/12AB34CD");
  EXPECT_EQ(ListBox2.item(6), ">E:\\Track02.CDA/12AB34CD");
}

TEST_F(TransferTest, NamesOnlyListsTravelWithTheirEntries) {
  S.settings.namesOnly = true;
  start("M");
  S.settings.namesOnly = true;
  lists.RefreshNamesOnly();
  select(ListBox8, {1});
  dropAndChoose(ListBox9, ListBox8, "P0");
  EXPECT_EQ(ListBox8.items(), (Lines{"a.wav", "c.wav"}));
  EXPECT_EQ(ListBox9.items(), (Lines{"b.wav"}));
  EXPECT_EQ(ListBox6.items(), (Lines{"C:\\b.wav"}));
  EXPECT_EQ(ListBox8.itemIndex(), 1);  // where the first moved entry stood
}

TEST_F(TransferTest, ATransferStopsAfterTheEntryThatReachedTheLimit) {
  Lines many(memory::kEntryLimit - 2, "C:\\m.wav");
  fs.addFile(data + "M.LIM", base::JoinLines(many));
  fs.addFile(data + "M.LIV", "");
  start("M");
  ListBox6.setItems({"C:\\1.wav", "C:\\2.wav", "C:\\3.wav", "C:\\4.wav"});
  vg().setItems({"1", "2", "3", "4"});
  ASSERT_TRUE(drop.DragOver(ListBox2, trash.Image1, -1));
  dropAndChoose(ListBox2, trash.Image1, "P2");
  EXPECT_EQ(ListBox2.count(), memory::kEntryLimit);
  EXPECT_EQ(ListBox2.items().back(), "C:\\2.wav");
  EXPECT_EQ(ListBox6.items(), (Lines{"C:\\3.wav", "C:\\4.wav"}));  // the rest stays in the trash
  EXPECT_EQ(vg().items(), (Lines{"3", "4"}));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].substr(0, messages[0].find('\n')), "データ項目制限：32700");
}

}  // namespace

// Folders, drives and histories: flat list, tree, drives, history panel; the bulk add.
#include "files/folders.h"

#include "files/file_list.h"
#include "files_fixture.h"
#include "memory/bulk_add.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

void addJazz(fakes::FakeFileSystem& fs) {
  fs.addFolder("C:\\MUSIC\\JAZZ\\a");
  fs.addFolder("C:\\MUSIC\\JAZZ\\b");
  fs.addFolder("C:\\MUSIC\\JAZZ\\c", platform::kAttrDirectory | platform::kAttrHidden);
  fs.addFile("C:\\MUSIC\\JAZZ\\j.wav", "x");
  fs.addFile("C:\\MUSIC\\JAZZ\\a\\in-a.wav", "x");
}

struct FoldersTest : FilesTest {
  FoldersTest() {
    addJazz(fs);
    S.settings.folderPath = "C:\\MUSIC\\JAZZ";
    S.settings.folderViewMode = 0;
    S.settings.showHiddenFolders = false;
    S.settings.namesOnly = false;
  }
  std::string folderHeader() { return HeaderFolder.sections().at(0); }
};

// The history panel and the bulk add in the whole window: the trash deletes history entries,
// the panel floats with its handles, and the bulk add fills the memory list.
struct FolderWindowTest : AnsweringPlayerTest {
  FolderWindowTest() {
    addJazz(fs);
    set("CPATH", "C:\\MUSIC\\JAZZ");
    set("DirNo", "0");
    set("MEMORY", "1,1,0,1,0,0,0");  // hidden folders off, names-only off
  }
};

TEST_F(FoldersTest, FlatListShowsThePathAndTheSubfoldersAndOpensAClickedOne) {
  auto& w = start();
  EXPECT_EQ(w.ListBox1.items(), (Lines{"C:\\", "  MUSIC", "    JAZZ", "      a", "      b"}));
  EXPECT_EQ(w.ListBox1.itemIndex(), 2);
  EXPECT_EQ(folderHeader(), "5ｺ　普通のフォルダー");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"j.wav"}));
  EXPECT_EQ(w.HeaderControl1.sections().at(0), "1ｺ　ファイル一覧");
  w.ListBox1.userSelect(3);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ\\a");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"in-a.wav"}));
  w.ListBox1.userSelect(1);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC");
  w.ListBox1.userSelect(0);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\");
}

TEST_F(FoldersTest, HiddenFolderSwitchShowsHiddenFoldersAndOffMovesToTheDriveRoot) {
  auto& w = start();
  w.menu("K6").click();
  EXPECT_TRUE(w.menu("K6").checked());
  EXPECT_EQ(w.ListBox1.count(), 6);
  w.ListBox1.userSelect(5);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ\\c");
  w.menu("K6").click();
  EXPECT_EQ(w.S.settings.folderPath, "C:\\");
}

TEST_F(FoldersTest, HeaderClickSwitchesToTheTreeWithItsCaption) {
  auto& w = start();
  w.HeaderFolder.click();
  EXPECT_EQ(w.S.settings.folderViewMode, 1);
  EXPECT_TRUE(w.TreeView1.visible());
  EXPECT_FALSE(w.ListBox1.visible());
  // Root, the siblings along the path (MUSIC, WINDOWS, ZELCOR under C:\; JAZZ; a and b).
  EXPECT_EQ(folders.TreeNodes.front().name, "C:\\");
  EXPECT_EQ(folderHeader(), std::to_string(folders.TreeNodes.size()) + "ｺ　ツリーフォルダー");
  EXPECT_EQ(folders.TreeNodes.back().name, "b");
  w.HeaderFolder.click();
  EXPECT_EQ(folderHeader(), "5ｺ　普通のフォルダー");
}

TEST_F(FoldersTest, VanishedFolderRecoversToTheDeepestExistingOne) {
  auto& w = start();
  fs.removeFolder("C:\\MUSIC\\JAZZ\\b");
  w.ListBox1.userSelect(4);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages[0], "フォルダー・エラー発生\nC:\\MUSIC\\JAZZ\\b\\\nエラーを回避してみます。");
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ");
}

TEST_F(FoldersTest, DrivesRememberTheirLastFolderAndAMissingDriveGoesBack) {
  fs.addFolder("D:\\SONGS");
  S.DriveLastFolders = {"D:\\SONGS"};
  auto& w = start();
  EXPECT_EQ(w.ComboBox2.items(), (Lines{"C:", "D:"}));
  EXPECT_EQ(w.ComboBox2.itemIndex(), 0);
  w.ComboBox2.userSelect(1);
  EXPECT_EQ(w.S.settings.folderPath, "D:\\SONGS");
  folders.ChangeDrive('q');
  EXPECT_EQ(messages.back(), "ドライブ・エラー発生\nQ\n元のドライブに戻します");
  EXPECT_EQ(w.S.settings.folderPath, "D:\\SONGS");
  w.ComboBox2.userSelect(0);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ");
  w.close();
  EXPECT_EQ(*fs.contents(data + "ZeLC32CD.LIS"), "D:\\SONGS\r\nC:\\MUSIC\\JAZZ\r\n");
}

TEST_F(FoldersTest, DriveSelectorKeepsKnownTypesWithPicturesAndCollectsCdDrives) {
  using T = platform::DriveType;
  using P = ui::ItemPicture;
  drives.add('A', T::Removable, false);
  drives.add('E', T::CdRom, true, "DISC");
  drives.add('G', T::Unknown);
  drives.add('H', T::NoRootFolder);
  drives.add('N', T::Remote);
  drives.add('R', T::RamDisk);
  auto& w = start();
  EXPECT_EQ(w.ComboBox2.items(), (Lines{"A:", "C:", "D:", "E:", "N:", "R:"}));
  std::vector<P> pictures;
  for (int i = 0; i < w.ComboBox2.count(); ++i) pictures.push_back(w.ComboBox2.pictureOf(i));
  EXPECT_EQ(pictures, (std::vector<P>{P::RemovableDrive, P::FixedDrive, P::FixedDrive, P::CdDrive,
                                      P::RemoteDrive, P::RamDrive}));
  EXPECT_EQ(static_cast<ui::ListBox*>(w.findControl("ListBoxCD"))->items(), (Lines{"E:"}));
  EXPECT_EQ(files::VolumeLabelText(drives, 'E'), "[DISC]");
  EXPECT_EQ(files::VolumeLabelText(drives, 'A'), "");  // no medium: nothing, not "[]"
}

TEST_F(FoldersTest, DriveThatIsNotReadyGoesBackToTheListedFolderOrTheWindowsDrive) {
  fs.addFolder("D:\\SONGS");
  auto& w = start();
  // Another drive fails: the listed folder stays.
  drives.setReady('D', false);
  w.ComboBox2.userSelect(1);
  EXPECT_EQ(messages.back(), "ドライブ・エラー発生\nD\n元のドライブに戻します");
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ");
  EXPECT_EQ(w.ComboBox2.itemIndex(), 0);
  // The listed folder's own drive fails: back to the root of the Windows drive.
  drives.setReady('D', true);
  folders.OpenFolderList("D:\\SONGS");
  drives.setReady('D', false);
  w.ComboBox2.userSelect(1);
  EXPECT_EQ(messages.size(), 2u) << messages.back();
  EXPECT_EQ(w.S.settings.folderPath, "C:\\");
  EXPECT_EQ(w.ComboBox2.itemIndex(), 0);
}

TEST_F(FolderWindowTest, HistoryPanelOpensEntriesWithoutRecordingAndGoesBack) {
  fs.addFolder("C:\\OLD");
  fs.addFile(data + "ZeLC32FH.LIS", "C:\\OLD\r\nc:\\music\\jazz\r\n");
  auto& w = start();
  // Exact comparison: the lower-case entry is another folder.
  EXPECT_EQ(w.ListBoxKaKo.items(), (Lines{"C:\\MUSIC\\JAZZ", "C:\\OLD", "c:\\music\\jazz"}));
  w.ButtonKaka.click();
  EXPECT_TRUE(w.PanelKaKo.visible());
  EXPECT_FALSE(w.ButtonKaka.visible());
  w.ListBoxKaKo.userSelect(1);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\OLD");
  EXPECT_EQ(w.ListBoxKaKo.item(0), "C:\\MUSIC\\JAZZ");  // not recorded while navigating
  w.findControl("ButtonKaKoRESET")->click();
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ");
  w.ListBoxKaKo.setItemIndex(-1);
  w.findControl("ButtonKaKoCUT")->click();
  EXPECT_EQ(w.ListBoxKaKo.count(), 3) << "nothing selected deletes nothing";
  w.ListBoxKaKo.setSelected(0, true);
  w.ListBoxKaKo.setSelected(2, true);
  w.findControl("ButtonKaKoCUT")->click();
  EXPECT_EQ(w.ListBoxKaKo.items(), Lines{"C:\\OLD"});
  EXPECT_EQ(w.LabelKaKo.caption(), "1ｺ");
  w.findControl("ButtonKaKoOK")->click();
  EXPECT_FALSE(w.PanelKaKo.visible());
  EXPECT_TRUE(w.ButtonKaka.visible());
  w.findControl("ButtonKaKoALLCUT")->click();
  EXPECT_EQ(w.LabelKaKo.caption(), "0ｺ");
  w.close();
  EXPECT_EQ(*fs.contents(data + "ZeLC32FH.LIS"), "");
}

TEST_F(FolderWindowTest, BulkAddWalksDepthFirstSkippingNetHood) {
  fs.addFolder("C:\\BULK\\sub1\\deep");
  fs.addFolder("C:\\BULK\\NetHood");
  fs.addFolder("C:\\BULK\\sub2");
  fs.addFile("C:\\BULK\\a.wav", "x");
  fs.addFile("C:\\BULK\\skip.txt", "x");
  fs.addFile("C:\\BULK\\sub1\\b.wav", "x");
  fs.addFile("C:\\BULK\\sub1\\deep\\c.wav", "x");
  fs.addFile("C:\\BULK\\NetHood\\x.wav", "x");
  fs.addFile("C:\\BULK\\sub2\\d.wav", "x");
  set("CPATH", "C:\\BULK");
  set("MEMORY", "0,1,0,1,0,0,0");
  auto& w = start();
  w.Button7.click();
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\BULK\\a.wav", "C:\\BULK\\sub1\\b.wav", "C:\\BULK\\sub1\\deep\\c.wav",
                                       "C:\\BULK\\sub2\\d.wav"}));
  EXPECT_EQ(w.Memory->ListBoxVM.count(), 4);
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "4ｺ");
  EXPECT_EQ(w.S.settings.folderPath, "C:\\BULK");
  EXPECT_FALSE(w.S.run.BusyBulkAdd);
  EXPECT_TRUE(w.Button7.visible());
  EXPECT_TRUE(w.Button11.visible());
  EXPECT_FALSE(w.Bulk->Button12.visible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(FolderWindowTest, BulkAddStopsAt32700Entries) {
  for (int i = 0; i < 5; ++i) fs.addFile("C:\\MUSIC\\JAZZ\\a\\f" + std::to_string(i) + ".wav", "x");
  auto& w = start();
  w.ListBox2.setItems(std::vector<std::string>(32697, "C:\\x.wav"));
  w.Button7.click();
  EXPECT_EQ(w.ListBox2.count(), 32700);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "バッファーが、いっぱいです。\n検索を強制終了しました。");
}

TEST_F(FoldersTest, TreeShowsThePathOpenAndAChosenNodeOpensItsFolder) {
  S.settings.folderViewMode = 1;
  fs.addFolder("C:\\OTHER");
  auto& w = start();
  const auto& nodes = w.TreeView1.nodes();
  ASSERT_GE(nodes.size(), 5u);
  ASSERT_GE(w.TreeView1.selected(), 0);
  EXPECT_EQ(nodes[w.TreeView1.selected()].text, "JAZZ");
  EXPECT_TRUE(nodes[w.TreeView1.selected()].open);
  // Every node names its own folder through its open ancestors.
  for (int i = 0; i < static_cast<int>(nodes.size()); ++i)
    EXPECT_TRUE(fs.folderExists(folders.TreePath(i))) << folders.TreePath(i);
  int aNode = -1;
  for (int i = 0; i < static_cast<int>(nodes.size()); ++i)
    if (nodes[i].text == "a") aNode = i;
  ASSERT_GE(aNode, 0);
  EXPECT_EQ(folders.TreePath(aNode), "C:\\MUSIC\\JAZZ\\a");
  w.TreeView1.userSelect(aNode);
  loop.advance(10);
  EXPECT_EQ(w.S.settings.folderPath, "C:\\MUSIC\\JAZZ\\a");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"in-a.wav"}));
  EXPECT_EQ(w.TreeView1.nodes()[w.TreeView1.selected()].text, "a");
}

}  // namespace

// File list and filters: patterns, attributes, modes, header, selection display.
#include "files/file_list.h"

#include "base/date_time.h"
#include "base/format.h"
#include "files_fixture.h"

namespace {

using Lines = std::vector<std::string>;
constexpr auto kArc = platform::kAttrArchive;
constexpr auto kRo = platform::kAttrReadOnly;
constexpr auto kHid = platform::kAttrHidden;
constexpr auto kSys = platform::kAttrSystem;

struct FileListTest : FilesTest {
  const std::string music = "C:\\MUSIC";
  FileListTest() {
    fs.addFolder(music);
    S.settings.folderPath = music;
  }
  void file(const std::string& name, std::uint32_t attr = kArc) { fs.addFile(music + "\\" + name, "data", attr); }
  void plain(std::initializer_list<const char*> names) {
    for (const char* n : names) file(n);
  }
  std::string header() { return HeaderControl1.sections().at(0); }
};

TEST_F(FileListTest, StartUpListsTheSavedFolderSortedIgnoringCaseWithTheCount) {
  plain({"b.wav", "A.WAV", "c.Mid", "d.txt"});
  fs.addFolder(music + "\\sub.wav");
  auto& w = start();
  EXPECT_EQ(w.ListBox4.items(), (Lines{"A.WAV", "b.wav", "c.Mid"}));
  EXPECT_EQ(header(), "3ｺ　ファイル一覧");
  EXPECT_EQ(w.ListBox4.tag, -1);
  EXPECT_EQ(files.ListedFolder, music);
  EXPECT_EQ(fs.currentFolder(), music);
}

TEST_F(FileListTest, TwoPatternsMatchingOneFileListItOnce) {
  plain({"x.wav", "Y.WAV"});
  auto& w = start();
  w.S.ActivePatterns = "*.WAV;*.wav";
  files.RebuildFileList(music);
  EXPECT_EQ(w.ListBox4.items(), (Lines{"x.wav", "Y.WAV"}));
  w.S.ActivePatterns = ";;";
  files.RebuildFileList(music);
  EXPECT_EQ(w.ListBox4.count(), 0);
  EXPECT_EQ(header(), "0ｺ　ファイル一覧");
}

TEST_F(FileListTest, HiddenAndSystemFilesNeedTheirSwitchEvenWithNor) {
  file("plain.wav");
  file("hidden.wav", kHid | kArc);
  file("system.wav", kSys);
  auto& w = start();
  EXPECT_EQ(w.ListBox4.items(), (Lines{"plain.wav"}));
  w.AttributeBoxes[2]->click();  // hid
  EXPECT_EQ(w.S.AttributeMask, 1 + 2 + 32);
  EXPECT_EQ(w.ListBox4.items(), (Lines{"hidden.wav", "plain.wav"}));
  w.AttributeBoxes[1]->click();  // sys
  EXPECT_EQ(w.ListBox4.items(), (Lines{"hidden.wav", "plain.wav", "system.wav"}));
}

TEST_F(FileListTest, WithoutNorOnlyFilesSharingAMaskBitAreListed) {
  file("ro.wav", kRo);
  file("arc.wav", kArc);
  file("none.wav", 0);
  file("roarc.wav", kRo | kArc);
  auto& w = start();
  EXPECT_EQ(w.ListBox4.count(), 4);
  w.AttributeBoxes[4]->click();  // nor off
  EXPECT_EQ(w.ListBox4.items(), (Lines{"arc.wav", "ro.wav", "roarc.wav"}));
  w.AttributeBoxes[3]->click();  // arc off: only rd
  EXPECT_EQ(w.ListBox4.items(), (Lines{"ro.wav", "roarc.wav"}));
}

TEST_F(FileListTest, ExtensionSwitchRemovesOnlyTheFirstOccurrenceAndAddsAtTheEnd) {
  plain({"a.wav", "b.mid"});
  auto& w = start();
  w.S.ExtensionPatterns = "*.WAV;*.MID;*.WAV;";
  w.ExtensionBoxes[0]->click();  // WAV off
  EXPECT_EQ(w.S.ExtensionPatterns, "*.MID;*.WAV;");
  EXPECT_EQ(w.S.ActivePatterns, "*.MID;*.WAV;");
  w.ExtensionBoxes[0]->click();  // on: present already, nothing added
  EXPECT_EQ(w.S.ExtensionPatterns, "*.MID;*.WAV;");
  w.ExtensionBoxes[1]->click();  // MID off
  EXPECT_EQ(w.S.ExtensionPatterns, "*.WAV;");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"a.wav"}));
  w.ExtensionBoxes[1]->click();
  EXPECT_EQ(w.S.ExtensionPatterns, "*.WAV;*.MID;");
}

TEST_F(FileListTest, ModesSwitchBetweenExtensionsTypedPatternAndAll) {
  plain({"a.wav", "b.txt"});
  file("c.hid", kHid);
  auto& w = start();
  const ui::Color background = w.CB32.effectiveColor(), text = w.CB32.fontColor();
  w.CB32.click();
  EXPECT_EQ(w.S.ActivePatterns, "*.*");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"a.wav", "b.txt"}));  // still subject to the attributes
  EXPECT_EQ(w.CB32.effectiveColor(), text);
  EXPECT_EQ(w.CB32.fontColor(), background);
  w.Button13.click();
  EXPECT_FALSE(w.CB32.checked());
  EXPECT_EQ(w.CB32.effectiveColor(), background);
  EXPECT_EQ(w.CB32.fontColor(), text);
  EXPECT_FALSE(w.Button13.visible());
  EXPECT_TRUE(w.Edit1.visible() && w.Button14.visible());
  w.Edit1.userTyped("*.txt");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"b.txt"}));
  // An extension switch in name-pattern mode returns to the switches, not the typed text.
  w.ExtensionBoxes[1]->click();  // MID off
  EXPECT_TRUE(w.Button13.visible());
  EXPECT_FALSE(w.Edit1.visible() || w.Button14.visible());
  EXPECT_EQ(w.ListBox4.items(), (Lines{"a.wav"}));
  w.Button13.click();
  EXPECT_EQ(w.ListBox4.items(), (Lines{"b.txt"}));
  w.Button14.click();
  EXPECT_EQ(w.ListBox4.items(), (Lines{"a.wav"}));
}

TEST_F(FileListTest, UnusableFolderKeepsTheListAndShowsTheWaitingCaption) {
  file("a.wav");
  auto& w = start();
  EXPECT_THROW(files.RebuildFileList("C:\\GONE"), files::FolderError);
  EXPECT_EQ(w.ListBox4.items(), (Lines{"a.wav"}));
  EXPECT_EQ(header(), "---ｺ　ファイル一覧");
  EXPECT_EQ(files.ListedFolder, music);
  // The listed folder itself gone: a rebuild says so.
  fs.removeFile(music + "\\a.wav");
  fs.removeFolder(music);
  w.ExtensionBoxes[0]->click();
  ASSERT_FALSE(messages.empty());
  EXPECT_NE(messages.back().find("ファイルリスト・エラー発生"), std::string::npos) << messages.back();
}

TEST_F(FileListTest, SelectingAFileShowsItsFolderSizeDateAndAttributes) {
  clock.set({2012, 5, 4, 10, 20, 30, 5});
  fs.addFile(music + "\\tune.wav", std::string(12345, 'x'), kRo | kArc,
             base::FileTimeFromDateTime({2012, 5, 4, 10, 20, 30, 5}));
  auto& w = start();
  w.ListBox4.userSelect(0);
  EXPECT_EQ(w.ListBox4.tag, 0);
  EXPECT_EQ(w.StatusBar1.panelText(0), music);
  EXPECT_EQ(w.StatusBar2.panelText(0), "tune.wav");
  EXPECT_EQ(w.StatusBar2.panelText(1), "  12,345");
  EXPECT_EQ(w.StatusBar2.panelText(2), " 12/05/04 金 10:20:30 r  a");
  EXPECT_GE(w.StatusBar2.panels()[2].width, 200);
}

TEST_F(FileListTest, MemoryEntriesShowTheirFileAndMissingOnesTheResetTexts) {
  fs.addFile("C:\\ARC\\box.lzh", "lzh", kArc);
  auto& w = start();
  w.ListBox2.setItems({"/C:\\ARC\\box.lzh/in.wav", "C:\\ARC\\gone.wav", ">C:\\ARC\\box.lzh/77"});
  w.ListBox2.userSelect(0);
  EXPECT_EQ(w.StatusBar2.panelText(0), "/box.lzh/in.wav");
  EXPECT_EQ(w.StatusBar2.panelText(1), "       3");
  EXPECT_EQ(w.StatusBar1.panelText(0), "C:\\ARC");
  w.ListBox2.userSelect(1);
  EXPECT_EQ(w.StatusBar2.panelText(1), "----------");
  EXPECT_EQ(w.StatusBar2.panelText(2), " yy/mm/dd day hh:mm:ss ----");
  EXPECT_EQ(w.ListBox2.tag, 1);
  w.ListBox2.userSelect(2);
  EXPECT_EQ(w.StatusBar2.panelText(1), "       3");
}

TEST_F(FileListTest, MouseReleaseSkipsTheNextDisplayOnceButKeepsTheTag) {
  plain({"a.wav", "b.wav"});
  auto& w = start();
  w.ListBox4.userSelect(0);
  files.ListMouseDown();
  files.ListMouseUp();
  w.ListBox4.userSelect(1);
  EXPECT_EQ(w.ListBox4.tag, 1);
  EXPECT_EQ(w.StatusBar2.panelText(0), "a.wav");
  w.ListBox4.userSelect(1);
  EXPECT_EQ(w.StatusBar2.panelText(0), "b.wav");
  files.ListMouseUp();  // a release without a press does not arm it
  w.ListBox4.userSelect(0);
  EXPECT_EQ(w.StatusBar2.panelText(0), "a.wav");
}

TEST(FileListRules, PiecesAndEnumeration) {
  EXPECT_EQ(files::PatternPieces("*.WAV;;*.MID;"), (Lines{"*.WAV", "*.MID"}));
  EXPECT_EQ(files::PatternPieces("*.WAV"), (Lines{"*.WAV"}));
  EXPECT_FALSE(files::Enumerated(platform::kAttrDirectory, 0xFF));
  EXPECT_FALSE(files::Enumerated(0x08, 0xFF));
  EXPECT_TRUE(files::Enumerated(kHid | kSys, kHid | kSys));
  EXPECT_FALSE(files::Enumerated(kHid | kSys, kHid));
  EXPECT_EQ(base::AttributeChars(kRo | kSys | kHid | kArc), "rsha");
  EXPECT_EQ(base::AttributeChars(0), "    ");
}

}  // namespace

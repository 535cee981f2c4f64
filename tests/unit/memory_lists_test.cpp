// Memory list files: names, loading at start, switching, saving at close.
#include "memory/memory_lists.h"

#include "memory_fixture.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// The whole window, where its settings, menu, command line or closing meet the memory lists.
struct MemoryTest : PlayerTest {
  void select(const std::string& name) {
    auto& box = window->ComboBox1;
    box.userSelect(box.indexOf(name));
  }
  std::string file(const std::string& name) { return fs.contents(data + name).value_or("<missing>"); }
};

struct MemoryListsTest : MemoryFixture {
  void select(const std::string& name) { ComboBox1.userSelect(ComboBox1.indexOf(name)); }
};

TEST_F(MemoryTest, EmptyDataFolderGivesTheDefaultNameAndHistoryAndWritesAtSwitchAndClose) {
  auto& w = start();
  EXPECT_EQ(w.ComboBox1.items(), (Lines{"ZELCOR32_M000", "HISTORY"}));
  EXPECT_EQ(w.ComboBox1.itemIndex(), 0);
  EXPECT_EQ(w.S.settings.currentMemory, "ZELCOR32_M000");
  EXPECT_EQ(w.ListBox2.count(), 0);
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "0ｺ");
  EXPECT_FALSE(fs.fileExists(data + "ZELCOR32_M000.LIM"));
  select("HISTORY");
  EXPECT_EQ(w.S.settings.currentMemory, "HISTORY");
  for (const char* ext : {".LIM", ".LIV", ".LIR"}) EXPECT_EQ(file(std::string("ZELCOR32_M000") + ext), "") << ext;
  EXPECT_FALSE(fs.fileExists(data + "HISTORY.LIM"));  // switching to the history writes nothing of it
  w.close();
  EXPECT_EQ(file("HISTORY.LIM"), "");
  EXPECT_EQ(file("HISTORY.LIV"), "");
  EXPECT_FALSE(fs.fileExists(data + "HISTORY.LIR"));
  EXPECT_EQ(get("M_Fn"), "HISTORY");
}

TEST_F(MemoryListsTest, NamesAreSortedIgnoringCaseWithHistoryLastAndFoldersLeftOut) {
  fs.addFile(data + "b.LIM", "");
  fs.addFile(data + "HISTORY.LIM", "");
  fs.addFile(data + "A2.lim", "", platform::kAttrHidden | platform::kAttrReadOnly | platform::kAttrSystem);
  fs.addFile(data + "a1.LIM", "");
  fs.addFolder(data + "DIR.LIM");
  fs.addFile(data + "c.LIV", "");
  start("nosuch");
  EXPECT_EQ(ComboBox1.items(), (Lines{"a1", "A2", "b", "HISTORY"}));
  // A stored name that is not there gives way to the first name.
  EXPECT_EQ(S.settings.currentMemory, "a1");
}

TEST_F(MemoryListsTest, VolumeFileShorterOrLongerThanItsEntriesIsPaddedOrCut) {
  fs.addFile(data + "SHORT.LIM", "C:\\a.wav\r\nC:\\b.wav\r\nC:\\c.wav\r\n");
  fs.addFile(data + "SHORT.LIV", "v1\r\n");
  fs.addFile(data + "LONG.LIM", "C:\\a.wav\r\n");
  fs.addFile(data + "LONG.LIV", "v1\r\nv2\r\nv3\r\n");
  start("SHORT");
  EXPECT_EQ(ListBoxVM.items(), (Lines{"v1", "", ""}));
  EXPECT_EQ(lists.RandomPool, (Lines{"0", "1", "2"}));  // no ".LIR": the full pool
  EXPECT_EQ(Label_MFN_Kosu.caption(), "3ｺ");
  select("LONG");
  EXPECT_EQ(ListBoxVM.items(), (Lines{"v1"}));
  EXPECT_EQ(file("SHORT.LIV"), "v1\r\n\r\n\r\n");
  EXPECT_EQ(file("SHORT.LIR"), "0\r\n1\r\n2\r\n");
}

TEST_F(MemoryListsTest, HistoryIsHeldAsideAndReachesTheDiskOnlyAtClose) {
  fs.addFile(data + "M.LIM", "C:\\m.wav\r\n");
  fs.addFile(data + "M.LIR", "0\r\n");
  fs.addFile(data + "HISTORY.LIM", "C:\\h1.wav\r\nC:\\h2.wav\r\nC:\\h3.wav\r\n");
  fs.addFile(data + "HISTORY.LIV", "x\r\n");
  start("M");
  EXPECT_EQ(lists.HistoryEntries.size(), 3u);
  EXPECT_EQ(lists.HistoryVolumes, (Lines{"x", "", ""}));
  select("HISTORY");
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\h1.wav", "C:\\h2.wav", "C:\\h3.wav"}));
  EXPECT_EQ(lists.RandomPool, (Lines{"0", "1", "2"}));
  ListBox2.add("C:\\h4.wav");
  select("M");
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\m.wav"}));
  EXPECT_EQ(lists.HistoryEntries.size(), 4u);
  EXPECT_EQ(lists.HistoryVolumes.size(), 4u);
  EXPECT_EQ(file("HISTORY.LIM"), "C:\\h1.wav\r\nC:\\h2.wav\r\nC:\\h3.wav\r\n");
  // Playback records through the public lists.
  lists.HistoryEntries.push_back("C:\\h5.wav");
  lists.HistoryVolumes.push_back("");
  ListBox2.add("C:\\m2.wav");
  lists.saveAtClose();
  EXPECT_EQ(file("HISTORY.LIM"), "C:\\h1.wav\r\nC:\\h2.wav\r\nC:\\h3.wav\r\nC:\\h4.wav\r\nC:\\h5.wav\r\n");
  EXPECT_EQ(file("HISTORY.LIV"), "x\r\n\r\n\r\n\r\n\r\n");
  EXPECT_EQ(file("M.LIM"), "C:\\m.wav\r\nC:\\m2.wav\r\n");
  EXPECT_EQ(file("M.LIV"), "\r\n");  // the list adds no volume line by itself
  EXPECT_EQ(file("M.LIR"), "0\r\n");
}

TEST_F(MemoryListsTest, UnreadableFilesFallBackWithoutLosingAnything) {
  fs.addFile(data + "M.LIM", "C:\\a.wav\r\nC:\\b.wav\r\n");
  fs.addFile(data + "M.LIV", "v\r\nw\r\n");
  fs.addFile(data + "M.LIR", "1\r\n");
  fs.addFile(data + "HISTORY.LIM", "C:\\h.wav\r\n");
  fs.failReadAfter(data + "M.LIV", 0);
  fs.failReadAfter(data + "M.LIR", 0);
  fs.failReadAfter(data + "HISTORY.LIM", 0);
  start("M");
  EXPECT_EQ(ListBoxVM.items(), (Lines{"", ""}));
  EXPECT_EQ(lists.RandomPool, (Lines{"0", "1"}));
  EXPECT_TRUE(lists.HistoryEntries.empty());
}

TEST_F(MemoryListsTest, MemoryFileDeletedWhileRunningShowsAnEmptyListAndSavesEmptyFiles) {
  fs.addFile(data + "A.LIM", "C:\\a.wav\r\n");
  fs.addFile(data + "B.LIM", "C:\\b.wav\r\n");
  start("A");
  fs.removeFile(data + "B.LIM");
  select("B");
  EXPECT_EQ(ListBox2.count(), 0);
  EXPECT_EQ(Label_MFN_Kosu.caption(), "0ｺ");
  select("A");
  EXPECT_EQ(file("B.LIM"), "");
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\a.wav"}));
}

TEST_F(MemoryListsTest, NoSelectedNameAddsErr0AndTakesTheFirstName) {
  fs.addFile(data + "A.LIM", "");
  start("A");
  S.settings.currentMemory = "GONE";
  ComboBox1.userSelect(-1);
  EXPECT_EQ(ComboBox1.items(), (Lines{"A", "HISTORY", "Err0"}));
  EXPECT_EQ(S.settings.currentMemory, "A");
  EXPECT_EQ(ComboBox1.itemIndex(), 0);
}

TEST_F(MemoryTest, NamesOnlyListFollowsTheDisplayRule) {
  fs.addFile(data + "M.LIM",
             "C:\\曲\\表.wav\r\n/C:\\arc\\ソフト.lzh/inner.mid\r\n>D:\\track01.cda/1234\r\n>D:\\track02.cda/1234\r\n");
  set("M_Fn", "M");
  set("MEMORY", "0,1,0,1,0,1,1");  // memory view, names only
  set("INDEX", "1,0");
  auto& w = start();
  EXPECT_EQ(w.ListBox8.items(), (Lines{"表.wav", "/ソフト.lzh/inner.mid", ">D:\\track01.cda/1234",
                                       ">D:\\track02.cda/1234"}));
  EXPECT_EQ(w.ListBox8.itemIndex(), 1);
  window->Memory->trackName = [](const std::string& e) { return e.find("track01") != std::string::npos ? "Intro" : "    "; };
  w.menu("SSN").click();  // off
  w.menu("SSN").click();  // on again: one rule rebuilds the names
  EXPECT_EQ(w.ListBox8.item(2), "Intro");
  EXPECT_EQ(w.ListBox8.item(3), ">D:\\track02.cda/1234");
}

TEST_F(MemoryTest, CommandLineFilesGoIntoTheHistoryWithVolumeLines) {
  fs.addFile(data + "M.LIM", "C:\\m.wav\r\n");
  fs.addFile("C:\\MUSIC\\new.wav", "x");
  set("M_Fn", "M");
  auto& w = start({"C:\\MUSIC\\new.wav"});
  EXPECT_EQ(w.S.settings.currentMemory, "HISTORY");
  EXPECT_EQ(w.ComboBox1.item(w.ComboBox1.itemIndex()), "HISTORY");
  EXPECT_EQ(w.ListBox2.items(), (Lines{"C:\\MUSIC\\new.wav"}));
  EXPECT_EQ(w.Memory->ListBoxVM.count(), 1);
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "1ｺ");
  EXPECT_EQ(file("M.LIM"), "C:\\m.wav\r\n");  // the memory shown before was saved on the switch
}

TEST_F(MemoryListsTest, BinaryLongAndInvalidShiftJisLinesSurviveARoundTrip) {
  // A 10,000-byte line of lead bytes, names with the trail byte 0x5C (表, ソ), a NUL, and a
  // lead byte cut off by the line end.
  const std::string lim = std::string(10000, '\x82') + "\r\n" + "C:\\\x95\x5c\\\x83\x5c.wav\r\n" + std::string("\xff\0\x81\r\n", 5);
  fs.addFile(data + "BIN.LIM", lim);
  start("BIN");
  EXPECT_EQ(ListBox2.count(), 3);
  lists.saveAtClose();
  EXPECT_EQ(file("BIN.LIM"), lim);
}

TEST_F(MemoryTest, WriteFailuresAtCloseAreIgnoredAndTheRestIsSaved) {
  fs.addFile(data + "M.LIM", "C:\\a.wav\r\n", platform::kAttrReadOnly);
  set("M_Fn", "M");
  auto& w = start();
  w.ListBox2.add("C:\\b.wav");
  w.close();
  EXPECT_TRUE(w.closed());
  EXPECT_EQ(file("M.LIM"), "C:\\a.wav\r\n");
  EXPECT_EQ(file("M.LIV"), "\r\n");
  EXPECT_EQ(file("HISTORY.LIM"), "");
}

}  // namespace

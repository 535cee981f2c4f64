// The memory edit panel: rename checks, new and deleted memories, and the schedule sets
// that follow them; the memory view switch.
#include "memory/memory_edit.h"

#include "base/line_file.h"
#include "files/file_list.h"
#include "memory/memory_lists.h"
#include "memory_fixture.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

TEST(RenameRefusalTest, ChecksRunInOrderAndNameTheOffendingCharacter) {
  const Lines names{"ZELCOR32_M000", "Jazz", "HISTORY"};
  auto refusal = [&](const std::string& current, const std::string& name, bool file = false) {
    return memory::RenameRefusal(current, "HISTORY", name, names, file);
  };
  EXPECT_EQ(refusal("HISTORY", ""), "HISTORY\nは、ヒストリーです・・・\n変更出来ません・・・");
  EXPECT_EQ(refusal("Jazz", ""), "\nメモリー名が空です・・・\n何か名前を付けて下さいね☆☆☆");
  EXPECT_EQ(refusal("Jazz", "a?b"), "?\n上記の文字は、ファイル名として使えません・・・\n\na?b\n別の名前を付けて下さいね☆☆☆");
  EXPECT_EQ(refusal("Jazz", "a<b|c\"d").substr(0, 2), "\"\n");  // the last forbidden character
  EXPECT_EQ(refusal("Jazz", "jazz"), "jazz\nこの名称は、既に使われています・・・\n別の名前を付けて下さいね☆☆☆");
  EXPECT_EQ(refusal("Jazz", "New", true), "New\nこのファイル名は、既に使われています・・・\n別の名前を付けて下さいね☆☆☆");
  // Trail bytes 0x5C and 0x7C of double-byte characters are no backslash or bar.
  EXPECT_EQ(refusal("Jazz", "表ソ能ポ"), "");
}

TEST(FirstFreeMemoryNameTest, CountsFromZeroWithThreeDigitsAtLeast) {
  EXPECT_EQ(memory::FirstFreeMemoryName({}), "ZELCOR32_M000");
  EXPECT_EQ(memory::FirstFreeMemoryName({"zelcor32_m000.lim", "ZELCOR32_M002.LIM"}), "ZELCOR32_M001");
  Lines all;
  for (int i = 0; i < 1000; ++i) all.push_back("ZELCOR32_M" + std::string(i < 10 ? "00" : i < 100 ? "0" : "") +
                                               std::to_string(i) + ".LIM");
  EXPECT_EQ(memory::FirstFreeMemoryName(all), "ZELCOR32_M1000");
}

struct MemoryEditTest : MemoryFixture {
  void put(const std::string& name, const Lines& lines) { fs.addFile(data + name, base::JoinLines(lines)); }
};

TEST_F(MemoryEditTest, RenameMovesTheFilesRenamesScheduleEntriesAndClosesThePanel) {
  put("m.LIM", {"C:\\a.wav"});
  put("m.LIV", {"50"});
  put("zz.LIM", {});
  put("zelcor32w0.lis", {"07:00 @ m", "08:00 @ m1"});
  start("m");
  Btn_M_EDIT.click();
  EXPECT_TRUE(Panel_M_EDIT.visible());
  EXPECT_EQ(edit.Edit_M_EDIT.text(), "m");
  edit.Edit_M_EDIT.userTyped("Blues");
  edit.Btn_M_HENKO.click();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(S.settings.currentMemory, "Blues");
  EXPECT_EQ(file("Blues.LIM"), "C:\\a.wav\r\n");
  EXPECT_EQ(file("Blues.LIV"), "50\r\n");
  EXPECT_FALSE(fs.fileExists(data + "m.LIM") || fs.fileExists(data + "m.LIV") || fs.fileExists(data + "m.LIR"));
  EXPECT_EQ(ComboBox1.items(), (Lines{"Blues", "zz", "HISTORY"}));
  EXPECT_EQ(ComboBox1.itemIndex(), 0);
  EXPECT_FALSE(Panel_M_EDIT.visible());
  EXPECT_EQ(file("zelcor32w0.lis"), "07:00 @ Blues\r\n08:00 @ m1\r\n");
  EXPECT_NE(file("COPY_Er$.TXT").find("07:00 @ Blues <OLD>m 毎週月"), std::string::npos);
  EXPECT_TRUE(edit.Btn_M_HENKO.enabled());
  EXPECT_EQ(edit.Btn_M_HENKO.fontColor(), 0u);
}

TEST_F(MemoryEditTest, RefusedRenameShowsWhyAndChangesNothingOnDisk) {
  put("m.LIM", {"C:\\a.wav"});
  start("m");
  Btn_M_EDIT.click();
  for (const char* name : {"M", "a?b"}) {
    edit.Edit_M_EDIT.userTyped(name);
    edit.Btn_M_HENKO.click();
  }
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].substr(0, 2), "M\n");
  EXPECT_EQ(messages[1].substr(0, 2), "?\n");
  EXPECT_EQ(S.settings.currentMemory, "m");
  EXPECT_EQ(file("m.LIM"), "C:\\a.wav\r\n");
  EXPECT_FALSE(fs.fileExists(data + "m.LIV"));
  EXPECT_TRUE(Panel_M_EDIT.visible());
}

TEST_F(MemoryEditTest, NewMemoryTakesTheFirstFreeNumberAndStartsEmpty) {
  put("ZELCOR32_M000.LIM", {"C:\\a.wav"});
  put("ZELCOR32_M000.LIV", {"70"});
  put("ZELCOR32_M002.LIM", {});
  start();
  Btn_M_EDIT.click();
  edit.Btn_M_NEW.click();
  EXPECT_EQ(S.settings.currentMemory, "ZELCOR32_M001");
  EXPECT_EQ(edit.Edit_M_EDIT.text(), "ZELCOR32_M001");
  EXPECT_EQ(ComboBox1.item(ComboBox1.itemIndex()), "ZELCOR32_M001");
  EXPECT_EQ(ListBox2.count(), 0);
  EXPECT_EQ(Label_MFN_Kosu.caption(), "0ｺ");
  EXPECT_EQ(file("ZELCOR32_M000.LIM"), "C:\\a.wav\r\n");  // the memory shown before was saved
  ComboBox1.userSelect(0);
  EXPECT_EQ(file("ZELCOR32_M001.LIM"), "");
  EXPECT_EQ(file("ZELCOR32_M001.LIV"), "");  // no volumes of the memory shown before
  EXPECT_EQ(file("ZELCOR32_M001.LIR"), "");
}

TEST_F(MemoryEditTest, DeletingTheOnlyMemoryLeavesTheDefaultName) {
  put("Only.LIM", {"C:\\a.wav"});
  start("Only");
  Btn_M_EDIT.click();
  edit.Btn_M_DEL.click();
  EXPECT_TRUE(messages.empty());  // no schedule uses it: no question
  EXPECT_FALSE(fs.fileExists(data + "Only.LIM"));
  EXPECT_EQ(ComboBox1.items(), (Lines{"ZELCOR32_M000", "HISTORY"}));
  EXPECT_EQ(S.settings.currentMemory, "ZELCOR32_M000");
  EXPECT_EQ(edit.Edit_M_EDIT.text(), "ZELCOR32_M000");
  EXPECT_EQ(ListBox2.count(), 0);
  EXPECT_TRUE(shell.runs.empty());
}

TEST_F(MemoryEditTest, DeletingAScheduledMemoryAsksAndTakesItsEntriesAlong) {
  put("a.LIM", {});
  put("b.LIM", {"C:\\b.wav"});
  put("c.LIM", {"C:\\c.wav"});
  put("zelcor32f0.lis", {"07:00 R b", "08:00 E"});
  start("b");
  Btn_M_EDIT.click();
  answerYes = false;
  edit.Btn_M_DEL.click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].substr(0, 2), "b\n");
  EXPECT_TRUE(fs.fileExists(data + "b.LIM"));
  answerYes = true;
  edit.Btn_M_DEL.click();
  EXPECT_FALSE(fs.fileExists(data + "b.LIM"));
  EXPECT_EQ(S.settings.currentMemory, "c");  // the name that moved up into its place
  EXPECT_EQ(ListBox2.items(), (Lines{"C:\\c.wav"}));
  EXPECT_EQ(file("zelcor32f0.lis"), "08:00 E\r\n");
  EXPECT_NE(file("COPY_Er$.TXT").find("07:00 R b ***削除 月-金MF"), std::string::npos);
  EXPECT_EQ(shell.runs.size(), 1u);
}

TEST_F(MemoryEditTest, TheHistoryCanNeitherBeRenamedNorDeleted) {
  start("HISTORY");
  Btn_M_EDIT.click();
  edit.Edit_M_EDIT.userTyped("X");
  edit.Btn_M_HENKO.click();
  edit.Btn_M_DEL.click();
  EXPECT_EQ(messages, (Lines{"HISTORY\nは、ヒストリーです・・・\n変更出来ません・・・",
                             "HISTORY\nは、ヒストリーです・・・\n削除出来ません・・・"}));
  EXPECT_EQ(ComboBox1.items(), (Lines{"ZELCOR32_M000", "HISTORY"}));
}

TEST_F(MemoryEditTest, BackSortsTheNamesWithTheHistoryLast) {
  start();
  Btn_M_EDIT.click();
  edit.Btn_M_NEW.click();
  ComboBox1.setItems({"ZELCOR32_M001", "HISTORY", "b", "A"});
  edit.Btn_M_CANCEL.click();
  EXPECT_EQ(ComboBox1.items(), (Lines{"A", "b", "ZELCOR32_M001", "HISTORY"}));
  EXPECT_EQ(ComboBox1.itemIndex(), 2);
  EXPECT_FALSE(Panel_M_EDIT.visible());
  EXPECT_TRUE(Panel_M_EDIT.enabled());
}

// The whole window: the view switch belongs to it.
using MemoryViewTest = AnsweringPlayerTest;

TEST_F(MemoryViewTest, TheViewSwitchChoosesTheActiveList) {
  set("SSN", "1");
  auto& w = start();
  w.S.settings.namesOnly = true;
  w.Button11.click();
  EXPECT_EQ(w.Files->ActiveList, &w.ListBox4);
  EXPECT_TRUE(w.Button9.visible());
  w.Button9.click();
  EXPECT_EQ(w.Files->ActiveList, &w.ListBox8);
  EXPECT_FALSE(w.Button9.visible());
  EXPECT_TRUE(w.ListBox9.visible() && !w.ListBox6.visible());
}

}  // namespace

// Extracting archives into "NAME.LZ$" folders, the report views, CR removal, registering
// archive entries in the memory and compressing files into the "$$$$圧縮" folder.
#include <gtest/gtest.h>

#include "dialogs/SNFM.h"
#include "fakes/lha_unlha.h"
#include "files/file_list.h"
#include "memory/memory_lists.h"
#include "player_fixture.h"

namespace {

using Names = std::vector<std::string>;

struct ArchiveCommandsTest : AnsweringPlayerTest {
  void SetUp() override {
    fakes::MakeArchive(fs, "C:\\MUSIC\\SONGS.LZH", {{"A.WAV", "RIFF-a"}, {"DIR/B.MID", "MThd"}});
    fakes::MakeArchive(fs, "C:\\MUSIC\\TALK.LZH", {{"C.MP3", "ID3"}});
    start();
    window->S.settings.folderPath = "C:\\MUSIC";
    window->S.settings.lzhCopy = false;
    window->ListBox4.setItems({"SONGS.LZH", "TALK.LZH", "MISSING.LZH", "NOTES.TXT"});
    window->Files->ActiveList = &window->ListBox4;
  }
  void extract(const char* command, std::vector<int> rows) { run(window->ListBox4, command, rows); }
  void run(ui::ListBox& list, const char* command, std::vector<int> rows) {
    window->Files->ActiveList = &list;
    for (int i = 0; i < list.count(); ++i) list.setSelected(i, false);
    for (int i : rows) list.setSelected(i, true);
    window->menu(command).click();
  }
  bool said(const std::string& text) const { return std::find(messages.begin(), messages.end(), text) != messages.end(); }
  std::string errorReport() { return fs.contents("C:\\ZELCOR\\ErR$$$$$.TXT").value_or(""); }
};

TEST_F(ArchiveCommandsTest, ExtractingTwiceMakesANumberedSubFolderWhenAnsweredYes) {
  extract("PLZH2", {0});
  EXPECT_EQ(fs.contents("D:\\TEMPLZH\\SONGS.LZ$\\A.WAV"), "RIFF-a");
  EXPECT_EQ(fs.contents("D:\\TEMPLZH\\SONGS.LZ$\\B.MID"), "MThd");
  answerYes = true;
  extract("PLZH2", {0});
  EXPECT_EQ(fs.contents("D:\\TEMPLZH\\SONGS.LZ$\\000\\A.WAV"), "RIFF-a");
  answerYes = false;  // no sub-folder, and no overwrite either: skipped
  messages.clear();
  extract("PLZH2", {0});
  EXPECT_FALSE(fs.folderExists("D:\\TEMPLZH\\SONGS.LZ$\\001"));
  EXPECT_EQ(messages.back(), "0個のLZHファイルを解凍しました。");
  EXPECT_FALSE(window->S.run.BusyBatch);
}

TEST_F(ArchiveCommandsTest, MusicOnlySkipsArchivesWithoutMusicAndMissingFilesAreReported) {
  window->S.settings.lzhCopy = true;
  extract("PLZH1", {});
  EXPECT_TRUE(fs.fileExists("D:\\TEMPLZH\\SONGS.LZ$\\A.WAV"));
  EXPECT_TRUE(fs.fileExists("D:\\TEMPLZH\\SONGS.LZ$\\SONGS.LZH"));  // the archive goes beside its files
  EXPECT_FALSE(fs.folderExists("D:\\TEMPLZH\\TALK.LZ$"));
  EXPECT_NE(std::find(messages.begin(), messages.end(), "1個のLZHファイルを解凍しました。"), messages.end());
  const auto report = fs.contents("C:\\ZELCOR\\ErR$$$$$.TXT");
  ASSERT_TRUE(report);
  EXPECT_NE(report->find("ﾌｧｲﾙがありません：　C:\\MUSIC\\MISSING.LZH"), std::string::npos);
  EXPECT_EQ(report->find("TALK.LZH"), std::string::npos);
}

TEST_F(ArchiveCommandsTest, ViewersWriteTheirReportAndOpenIt) {
  fs.addFile("C:\\MUSIC\\NOTES.TXT", "0123456789ABCDEF\r", platform::kAttrArchive | platform::kAttrReadOnly);
  extract("PBinary", {3});
  const auto dump = fs.contents("C:\\ZELCOR\\BiN$$$$$.TXT");
  ASSERT_TRUE(dump);
  EXPECT_NE(dump->find("r  a\r\n総ﾊﾞｲﾄ数　:      17 Bytes\r\n"), std::string::npos);
  EXPECT_NE(dump->find("\r\n010 0D" + std::string(46, ' ') + "^M\r\n"), std::string::npos);
  extract("PLZH4", {0});
  const auto list = fs.contents("C:\\ZELCOR\\LzH$$$$$.TXT");
  ASSERT_TRUE(list);
  EXPECT_NE(list->find("\r\n\r\nC:\\MUSIC\\SONGS.LZH\r\n\r\n"), std::string::npos);
  EXPECT_NE(list->find("DIR/B.MID"), std::string::npos);
  EXPECT_EQ(shell.runs.back(), "notepad.exe \"C:\\ZELCOR\\LzH$$$$$.TXT\" ");
  fs.addFile("C:\\MUSIC\\NOTES.TXT", "<p>\r\n\r\nend");
  extract("PHTML", {3});
  const auto html = fs.contents("C:\\ZELCOR\\HTM$$$$$.TXT");
  ASSERT_TRUE(html);
  EXPECT_NE(html->find("\r\n元の総ﾊﾞｲﾄ数　:      10 Bytes\r\n" + std::string(68, '-') + "\r\n<p>\r\nend\r\n"),
            std::string::npos);
}

TEST_F(ArchiveCommandsTest, CrRemovalRewritesWebFilesWholeOrNotAtAll) {
  window->ListBox4.setItems({"A.HTM", "B.CGI", "C.TXT", "D.HTML"});
  for (const char* name : {"A.HTM", "B.CGI", "C.TXT"}) fs.addFile(std::string("C:\\MUSIC\\") + name, "a\r\nb\r\n");
  fs.addFile("C:\\MUSIC\\D.HTML", "x\r\n", platform::kAttrReadOnly);
  answerYes = false;
  extract("P0DCUT", {0});
  EXPECT_TRUE(said("HTML 0Dh削除：中止しました・・・"));
  EXPECT_EQ(fs.contents("C:\\MUSIC\\A.HTM"), "a\r\nb\r\n");
  answerYes = true;
  fs.failAtomicWrites(true);  // the write of the new text fails half way
  extract("P0DCUT", {0});
  EXPECT_EQ(fs.contents("C:\\MUSIC\\A.HTM"), "a\r\nb\r\n");
  EXPECT_TRUE(said("ｴﾗｰ：HTML 0Dh削除に失敗しました・・・\nC:\\MUSIC\\A.HTM"));
  fs.failAtomicWrites(false);
  extract("P0DCUT", {0, 1, 2, 3});
  EXPECT_EQ(fs.contents("C:\\MUSIC\\A.HTM"), "a\nb\n");
  EXPECT_EQ(fs.contents("C:\\MUSIC\\B.CGI"), "a\nb\n");
  EXPECT_EQ(fs.contents("C:\\MUSIC\\C.TXT"), "a\r\nb\r\n");
  EXPECT_EQ(fs.contents("C:\\MUSIC\\D.HTML"), "x\r\n");
  EXPECT_TRUE(said("ｴﾗｰ： ReadOnlyファイルです。HTML 0Dh削除\nC:\\MUSIC\\D.HTML"));
}

TEST_F(ArchiveCommandsTest, RegistrationAddsEveryEntryWithItsValue) {
  window->S.settings.namesOnly = true;
  extract("PLZH_MEM_0", {0, 2});
  ui::ListBox& memory = window->ListBox2;
  EXPECT_EQ(memory.items(), (Names{"/C:\\MUSIC\\SONGS.LZH/A.WAV", "/C:\\MUSIC\\SONGS.LZH/B.MID"}));
  EXPECT_EQ(window->ListBox8.items(), (Names{"/SONGS.LZH/A.WAV", "/SONGS.LZH/B.MID"}));
  EXPECT_TRUE(said("2個のLZH内格納ファイル名を、登録しました。"));
  EXPECT_NE(errorReport().find("ﾌｧｲﾙがありません：　C:\\MUSIC\\MISSING.LZH"), std::string::npos);
  // A reference row counts only with PLZH_MEM_1, and its value is split over the entries.
  window->Memory->ListBoxVM.setItems({"", "/40/60/"});
  run(window->ListBox8, "PLZH_MEM_0", {1});
  EXPECT_EQ(memory.count(), 2);
  run(window->ListBox8, "PLZH_MEM_1", {1});
  ASSERT_EQ(memory.count(), 4);
  EXPECT_EQ(memory.item(3), "/C:\\MUSIC\\SONGS.LZH/B.MID");
  EXPECT_EQ(window->Memory->ListBoxVM.items(), (Names{"", "/40/60/", "40", "60"}));
  EXPECT_EQ(window->Memory->RandomPool, (Names{"0", "1", "2", "3"}));
}

TEST_F(ArchiveCommandsTest, CompressionAddsToTheNamedArchiveAndAsksBeforeReplacing) {
  fs.addFile("C:\\MUSIC\\A.WAV", "RIFF-1");
  fs.addFile("C:\\MUSIC\\B.WAV", "RIFF-2");
  window->ListBox4.setItems({"A.WAV", "B.WAV", "GONE.WAV"});
  onOtherForm = [](ui::Form& f) {
    auto& box = static_cast<dialogs::TSNBox&>(f);
    box.Edit1.userTyped("SONGS");
    box.Button1.click();
  };
  bool countdown = false;
  auto answer = application.onModalShown;
  application.onModalShown = [&](ui::Form& f) {
    if (f.windowClass() == "TMKBox") countdown |= static_cast<dialogs::TMKBox&>(f).Timer1.enabled();
    answer(f);
  };
  extract("PASHUKU", {0, 1});
  const std::string archive = "D:\\TEMPLZH\\$$$$圧縮\\SONGS.lzh";
  ASSERT_TRUE(fs.fileExists(archive));
  Names names;
  ASSERT_TRUE(window->Archives.ListArchiveEntries(archive, names));
  EXPECT_EQ(names, (Names{"A.WAV", "B.WAV"}));
  EXPECT_TRUE(said("2個のファイルを圧縮しました。"));
  answerYes = false;
  extract("PASHUKUALL", {});
  EXPECT_TRUE(said("C:\\MUSIC\\A.WAV\n：圧縮ファイル内に、同名ファイルが存在します。\n上書きしますか？？"));
  EXPECT_FALSE(countdown);
  EXPECT_TRUE(said("0個のファイルを圧縮しました。"));
  EXPECT_NE(errorReport().find("格納同名ﾌｧｲﾙ有り飛ばした：　C:\\MUSIC\\B.WAV"), std::string::npos);
  EXPECT_NE(errorReport().find("ﾌｧｲﾙがありません：　C:\\MUSIC\\GONE.WAV"), std::string::npos);
  player.archiveLibrary.libraryMissing = true;
  extract("PASHUKU", {0});
  EXPECT_TRUE(said("LZH圧縮ｴﾗｰ：UnLha32.DLLが見つかりません"));
}

TEST_F(ArchiveCommandsTest, RowsNameTheirArchive) {
  struct Case {
    std::string row;
    bool fileList;
    std::string path;
  } cases[] = {
      {"SONGS.LZH", true, "C:\\MUSIC\\SONGS.LZH"},
      {"/C:\\A\\S.LZH/X.WAV", false, "C:\\A\\S.LZH"},
      {">D:\\TRACK01.CDA/1234", false, "D:\\TRACK01.CDA"},
      {"C:\\A\\S.LZH", false, "C:\\A\\S.LZH"},
  };
  for (const Case& c : cases) EXPECT_EQ(archive::RowPath(c.row, c.fileList, "C:\\MUSIC"), c.path) << c.row;
  EXPECT_EQ(archive::ExtractionTarget("D:\\X\\", "C:\\A\\SONGS.LZH"), "D:\\X\\SONGS.LZ$");
}

}  // namespace

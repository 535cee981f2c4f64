// Extracting archives from the file list into "NAME.LZ$" folders of the extraction folder.
#include <gtest/gtest.h>

#include "fakes/lha_unlha.h"
#include "files/file_list.h"
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
  void extract(const char* command, std::vector<int> rows) {
    for (int i = 0; i < window->ListBox4.count(); ++i) window->ListBox4.setSelected(i, false);
    for (int i : rows) window->ListBox4.setSelected(i, true);
    window->menu(command).click();
  }
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

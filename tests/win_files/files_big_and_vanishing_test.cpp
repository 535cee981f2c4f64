// The folder view and the file list on real folders under Wine: a very large folder, and
// folders that disappear while they are shown or walked.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"
#include "fakes/headless_player.h"
#include "files/folders.h"
#include "memory/memory_lists.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text.h"
#include "temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

// The real file system, where a chosen folder disappears right after its subfolders have
// been listed, as when another program deletes it at that moment.
class VanishingFileSystem : public platform::win32::Win32FileSystem {
 public:
  std::string vanishing;
  std::vector<platform::FileEntry> list(const std::string& folder, const std::string& pattern) override {
    auto entries = Win32FileSystem::list(folder, pattern);
    if (pattern == "*" && !vanishing.empty() && base::SameTextIgnoringCase(folder, vanishing)) {
      // The player's current folder would hold it on Windows; the other program does not care.
      SetCurrentDirectoryW(L"C:\\");
      wintest::RemoveTree(vanishing);
      vanishing.clear();
    }
    return entries;
  }
};

class RealFoldersTest : public ::testing::Test {
 protected:
  VanishingFileSystem fs;
  wintest::TempFolder temp{"zelcor_folders_曲"};
  const std::string root = base::StripTrailingSlash(temp.path());
  fakes::HeadlessPlayer player{fs, temp.path() + "data\\"};
  const Lines memory = {"C:\\x\\one.wav", "/C:\\a.lzh/two.mid"};

  RealFoldersTest() { fs.makeFolder(root + "\\data"); }
  ~RealFoldersTest() override { SetCurrentDirectoryW(L"C:\\"); }

  // Empty files are enough: the list looks at names and attributes only.
  void files(const std::string& folder, const Lines& names) {
    fs.makeFolder(folder);
    for (auto& n : names) {
      HANDLE h = CreateFileW(platform::win32::ToWide(folder + "\\" + n).c_str(), GENERIC_WRITE, 0, nullptr,
                             CREATE_NEW, FILE_ATTRIBUTE_ARCHIVE, nullptr);
      ASSERT_NE(h, INVALID_HANDLE_VALUE) << n;
      CloseHandle(h);
    }
  }
  app::TZELCOR32ZUMIK& start(const std::string& folder) {
    player.set("CPATH", folder);
    player.set("MEMORY", "0,1,0,1,0,0,0");
    player.set("DirNo", "0");  // the flat folder list
    player.closeBoxesKeepingTexts();
    app::TZELCOR32ZUMIK& w = player.start();
    EXPECT_TRUE(player.started());
    w.ListBox2.setItems(memory);
    return w;
  }
  std::string fileHeader() { return player.window->HeaderControl1.sections().at(0); }
  // The shown memory survives: still in the list, and written whole when saved.
  void expectMemoryKept() {
    auto& w = *player.window;
    EXPECT_EQ(w.ListBox2.items(), memory);
    w.Memory->SaveShownMemory();
    const auto saved = base::LoadLines(fs, memory::FilesOf(temp.path() + "data\\", w.S.settings.currentMemory).lim);
    EXPECT_EQ(saved.value_or(Lines{"<unreadable>"}), memory);
  }
};

// 00000.wav .. 49999.wav, made by CTest on the host side: under Wine every new name costs a
// search of the whole folder, which makes 50,000 take many minutes there.
TEST_F(RealFoldersTest, FiftyThousandFilesAreListedCompletelyWithTheirCount) {
  const char* made = std::getenv("ZELCOR_BIG_FOLDER");
  if (!made) GTEST_SKIP() << "needs the folder CTest makes (ZELCOR_BIG_FOLDER)";
  std::string big = std::string("Z:") + made;  // Wine's drive Z: is the host's root
  for (char& c : big) c = c == '/' ? '\\' : c;
  auto& w = start(root + "\\data");
  w.Folders->OpenFolderList(big);
  ASSERT_EQ(w.ListBox4.count(), 50000);
  EXPECT_EQ(w.ListBox4.item(0), "00000.wav");
  EXPECT_EQ(w.ListBox4.item(49999), "49999.wav");
  EXPECT_EQ(fileHeader(), "50000ｺ　ファイル一覧");
  EXPECT_EQ(player.messages, Lines{});
}

TEST_F(RealFoldersTest, DeletedListedFolderFailsTheRebuildThenReopensAtItsParent) {
  files(root + "\\music", {"top.wav"});
  files(root + "\\music\\album", {"a.wav", "b.wav"});
  auto& w = start(root + "\\music\\album");
  ASSERT_EQ(w.ListBox4.items(), (Lines{"a.wav", "b.wav"}));
  SetCurrentDirectoryW(L"C:\\");
  wintest::RemoveTree(root + "\\music\\album");

  w.CB32.click();  // "ALL(*.*)": a rebuild of the listed folder
  ASSERT_EQ(player.messages.size(), 1u);
  EXPECT_EQ(player.messages[0], "ファイルリスト・エラー発生\r\n" + root + "\\music\\album\r\n別のドライブか、フォルダーを選択してみて下さい");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"a.wav", "b.wav"}));
  EXPECT_EQ(fileHeader(), "---ｺ　ファイル一覧");

  w.ListBox1.userSelect(w.ListBox1.itemIndex());  // the folder itself, in the folder list
  ASSERT_EQ(player.messages.size(), 2u);
  EXPECT_EQ(player.messages[1], "フォルダー・エラー発生\r\n" + root + "\\music\\album\\\r\nエラーを回避してみます。");
  EXPECT_EQ(w.S.settings.folderPath, root + "\\music");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"top.wav"}));
  EXPECT_EQ(fileHeader(), "1ｺ　ファイル一覧");
  expectMemoryKept();
}

TEST_F(RealFoldersTest, FolderVanishingBeforeItsFileListKeepsTheOldListAndSaysSo) {
  files(root + "\\music", {"top.wav"});
  files(root + "\\music\\album", {"a.wav"});
  auto& w = start(root + "\\music");
  fs.vanishing = root + "\\music\\album";
  w.ListBox1.userSelect(w.ListBox1.count() - 1);  // the subfolder "album"
  ASSERT_EQ(player.messages.size(), 1u);
  EXPECT_EQ(player.messages[0], "ファイルリスト・エラー発生\r\n" + root + "\\music\\album\r\n別のドライブか、フォルダーを選択してみて下さい");
  EXPECT_EQ(w.ListBox4.items(), (Lines{"top.wav"}));
  EXPECT_EQ(fileHeader(), "---ｺ　ファイル一覧");
  expectMemoryKept();
}

TEST_F(RealFoldersTest, BulkAddPassesOverAFolderThatVanishesDuringTheWalk) {
  files(root + "\\tree", {"0.wav"});
  files(root + "\\tree\\a", {"1.wav"});
  files(root + "\\tree\\b", {"2.wav"});
  files(root + "\\tree\\c", {"3.wav"});
  auto& w = start(root + "\\tree");
  fs.vanishing = root + "\\tree\\b";
  w.Button7.click();
  EXPECT_EQ(w.ListBox2.items(), (Lines{memory[0], memory[1], root + "\\tree\\0.wav", root + "\\tree\\a\\1.wav",
                                       root + "\\tree\\c\\3.wav"}));
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "5ｺ");
  EXPECT_EQ(w.S.settings.folderPath, root + "\\tree");
  EXPECT_EQ(player.messages, Lines{});
}

}  // namespace

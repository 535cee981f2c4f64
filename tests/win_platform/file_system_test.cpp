#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "base/buffered_copy.h"
#include "base/folder_ops.h"
#include "base/path.h"
#include "base/sjis.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/shell_namespace_win32.h"
#include "platform/win32/text.h"
#include "temp_folder.h"

namespace {

using platform::win32::ToWide;

class Win32FileSystemTest : public ::testing::Test {
 protected:
  platform::win32::Win32FileSystem fs;
  wintest::TempFolder temp{"zelcor_表フォルダ"};
  std::string at(const std::string& name) const { return temp.path() + name; }
  void setAttributes(const std::string& name, DWORD attributes) {
    ASSERT_TRUE(SetFileAttributesW(ToWide(at(name)).c_str(), attributes));
  }
  const platform::FileEntry* find(const std::vector<platform::FileEntry>& list, const std::string& name) {
    const auto it = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.name == name; });
    return it == list.end() ? nullptr : &*it;
  }
};

TEST_F(Win32FileSystemTest, ListingReportsAttributesOfHiddenAndReadOnlyFiles) {
  ASSERT_TRUE(fs.writeAtomic(at("隠し.wav"), "hidden"));
  ASSERT_TRUE(fs.writeAtomic(at("読取専用.WAV"), "ro"));
  ASSERT_TRUE(fs.writeAtomic(at("other.mid"), "m"));
  ASSERT_TRUE(fs.makeFolder(at("サブ")));
  setAttributes("隠し.wav", FILE_ATTRIBUTE_HIDDEN);
  setAttributes("読取専用.WAV", FILE_ATTRIBUTE_READONLY);

  const auto all = fs.list(temp.path(), "*.*");
  EXPECT_EQ(all.size(), 4u);
  const auto wav = fs.list(temp.path(), "*.wav");
  ASSERT_EQ(wav.size(), 2u);
  const auto* hidden = find(wav, "隠し.wav");
  const auto* readOnly = find(wav, "読取専用.WAV");
  ASSERT_TRUE(hidden && readOnly);
  EXPECT_TRUE(hidden->attributes & platform::kAttrHidden);
  EXPECT_FALSE(hidden->attributes & platform::kAttrReadOnly);
  EXPECT_TRUE(readOnly->attributes & platform::kAttrReadOnly);
  EXPECT_EQ(hidden->size, 6u);
  EXPECT_TRUE(find(all, "サブ")->attributes & platform::kAttrDirectory);
  EXPECT_TRUE(fs.folderExists(at("サブ")));
  EXPECT_FALSE(fs.fileExists(at("サブ")));
  EXPECT_FALSE(fs.removeFile(at("読取専用.WAV")));
}

TEST_F(Win32FileSystemTest, AtomicReplaceLeavesOnlyTheNewFile) {
  ASSERT_TRUE(fs.writeAtomic(at("表.LIM"), "old\r\n"));
  ASSERT_TRUE(fs.writeAtomic(at("表.LIM"), "new\r\n"));
  EXPECT_EQ(fs.readAll(at("表.LIM")), "new\r\n");
  EXPECT_EQ(fs.list(temp.path(), "*.*").size(), 1u);  // no temporary file left
  setAttributes("表.LIM", FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(fs.writeAtomic(at("表.LIM"), "lost"));
  EXPECT_EQ(fs.readAll(at("表.LIM")), "new\r\n");
  EXPECT_EQ(fs.list(temp.path(), "*.*").size(), 1u);
  EXPECT_FALSE(fs.writeAtomic(at("missing\\x.lim"), "x"));
}

TEST_F(Win32FileSystemTest, BufferedCopyKeepsTheFileTime) {
  const std::string source = at("曲ソ.wav"), target = at("コピー.wav");
  std::string data(base::kCopyBufferLarge + 123, 'x');
  ASSERT_TRUE(fs.writeAtomic(source, data));
  const platform::FileTime old = 125911584000000000ull;  // 2000-01-01
  {
    HANDLE h = CreateFileW(ToWide(source).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FILETIME ft{static_cast<DWORD>(old), static_cast<DWORD>(old >> 32)};
    SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
  }
  EXPECT_EQ(base::CopyFileBuffered(fs, source, target), "");
  EXPECT_EQ(fs.readAll(target), data);
  EXPECT_EQ(fs.stat(target)->lastWrite, old);
  // Onto itself: the source is open without write sharing, so nothing is truncated.
  EXPECT_EQ(base::CopyFileBuffered(fs, source, source), "コピーに失敗しました");
  EXPECT_EQ(fs.readAll(source), data);
}

TEST_F(Win32FileSystemTest, PathsAndFolders) {
  ASSERT_TRUE(fs.makeFolder(at("a")));
  EXPECT_FALSE(fs.makeFolder(at("b\\c")));
  ASSERT_TRUE(fs.setCurrentFolder(at("a")));
  EXPECT_EQ(base::AddTrailingSlash(fs.currentFolder()), at("a\\"));
  EXPECT_EQ(fs.fullPath("..\\x.txt"), at("x.txt"));
  EXPECT_EQ(fs.longPath(at("a")), at("a"));
  EXPECT_EQ(fs.longPath(at("none")), at("none"));
  const std::string windows = fs.windowsFolder();
  EXPECT_TRUE(base::EndsWithSeparator(windows));
  EXPECT_TRUE(fs.folderExists(windows));
  // Leave the folder so that it can be removed.
  ASSERT_TRUE(fs.setCurrentFolder(windows));
  EXPECT_TRUE(fs.removeFolder(at("a")));
}

TEST_F(Win32FileSystemTest, ShellListsFolderItemsWithTheirPaths) {
  ASSERT_TRUE(fs.makeFolder(at("サブ表")));
  platform::win32::Win32ShellNamespace shell;
  const auto items = shell.children(base::StripTrailingSlash(temp.path()));
  const auto it = std::find_if(items.begin(), items.end(),
                               [](const auto& item) { return item.displayName == "サブ表"; });
  ASSERT_NE(it, items.end());
  EXPECT_TRUE(base::SameTextIgnoringCase(it->path, at("サブ表")));
  // A level typed in another case is found directly or through the shell's names.
  std::string typed = at("サブ表");
  EXPECT_TRUE(base::ResolveFolderPath(fs, shell, typed));
  EXPECT_TRUE(fs.folderExists(typed));
  std::string missing = at("ないフォルダ\\x");
  EXPECT_FALSE(base::ResolveFolderPath(fs, shell, missing));
  EXPECT_EQ(missing, at("ないフォルダ\\x"));
}

}  // namespace

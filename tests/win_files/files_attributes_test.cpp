// The file list under Wine: patterns, the attribute mask and the "nor" rule on real files.
#include <gtest/gtest.h>
#include <windows.h>

#include "files/file_list.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text.h"
#include "temp_folder.h"

namespace {

using Lines = std::vector<std::string>;
constexpr int kDefaultMask = 1 + 32;  // rd and arc

class WinFileListTest : public ::testing::Test {
 protected:
  platform::win32::Win32FileSystem fs;
  wintest::TempFolder temp{"zelcor_files_表"};
  void make(const std::string& name, DWORD attributes) {
    ASSERT_TRUE(fs.writeAtomic(temp.path() + name, "x"));
    ASSERT_TRUE(SetFileAttributesW(platform::win32::ToWide(temp.path() + name).c_str(), attributes));
  }
  Lines list(const std::string& patterns, int mask, bool normal) {
    return files::ListFiles(fs, temp.path(), patterns, mask, normal);
  }
  void TearDown() override {
    for (auto& e : fs.list(temp.path(), "*.*"))
      SetFileAttributesW(platform::win32::ToWide(temp.path() + e.name).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
};

TEST_F(WinFileListTest, TwoPatternsForOneFileListItOnceSortedIgnoringCase) {
  make("b.wav", FILE_ATTRIBUTE_ARCHIVE);
  make("A.WAV", FILE_ATTRIBUTE_ARCHIVE);
  make("ソ表.wav", FILE_ATTRIBUTE_ARCHIVE);
  ASSERT_TRUE(fs.makeFolder(temp.path() + "dir.wav"));
  EXPECT_EQ(list("*.WAV;*.wav", kDefaultMask, true), (Lines{"A.WAV", "b.wav", "ソ表.wav"}));
}

TEST_F(WinFileListTest, HiddenFileNeedsHidEvenWithNor) {
  make("plain.wav", FILE_ATTRIBUTE_ARCHIVE);
  make("hidden.wav", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(list("*.wav", kDefaultMask, true), (Lines{"plain.wav"}));
  EXPECT_EQ(list("*.wav", kDefaultMask | 2, true), (Lines{"hidden.wav", "plain.wav"}));
}

TEST_F(WinFileListTest, WithoutNorAndOnlyRdOnlyReadOnlyFilesAreListed) {
  make("ro.wav", FILE_ATTRIBUTE_READONLY);
  make("arc.wav", FILE_ATTRIBUTE_ARCHIVE);
  make("normal.wav", FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(list("*.wav", 1, false), (Lines{"ro.wav"}));
  EXPECT_EQ(list("*.wav", 1, true), (Lines{"arc.wav", "normal.wav", "ro.wav"}));
}

}  // namespace

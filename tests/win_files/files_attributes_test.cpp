// The file list under Wine: patterns, the attribute mask and the "nor" rule on real files.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>

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

// One folder, every attribute word the real listing reports; a folder named like a tune.
TEST_F(WinFileListTest, RealAttributesPassThePatternsTheMaskAndTheNorRule) {
  const std::pair<const char*, DWORD> made[] = {
      {"b.wav", FILE_ATTRIBUTE_ARCHIVE},   {"A.WAV", FILE_ATTRIBUTE_ARCHIVE},
      {"ソ表.wav", FILE_ATTRIBUTE_ARCHIVE}, {"hidden.wav", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE},
      {"ro.wav", FILE_ATTRIBUTE_READONLY}, {"normal.wav", FILE_ATTRIBUTE_NORMAL}};
  for (auto& [name, attributes] : made) make(name, attributes);
  ASSERT_TRUE(fs.makeFolder(temp.path() + "dir.wav"));
  const struct { const char* patterns; int mask; bool normal; Lines listed; } cases[] = {
      // Two patterns for one file list it once, sorted ignoring case; a hidden file needs hid.
      {"*.WAV;*.wav", kDefaultMask, true, {"A.WAV", "b.wav", "normal.wav", "ro.wav", "ソ表.wav"}},
      {"*.wav", kDefaultMask | 2, true, {"A.WAV", "b.wav", "hidden.wav", "normal.wav", "ro.wav", "ソ表.wav"}},
      // Without nor and only rd, only the read-only file.
      {"*.wav", 1, false, {"ro.wav"}},
  };
  for (auto& c : cases) EXPECT_EQ(list(c.patterns, c.mask, c.normal), c.listed) << c.patterns << " mask " << c.mask;
}

}  // namespace

// The fakes stand in for Windows in every other test, so the Windows behaviour they copy
// is pinned here.
#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"

namespace {

using platform::Hive;

TEST(FakeFileSystem, NamesAreCaseInsensitiveAndKeepTheirSpelling) {
  fakes::FakeFileSystem fs;
  fs.addFile("C:\\Music\\Song.WAV", "abc");
  EXPECT_TRUE(fs.fileExists("c:\\music\\song.wav"));
  EXPECT_FALSE(fs.folderExists("C:\\MUSIC\\SONG.WAV"));
  EXPECT_EQ(fs.longPath("c:\\music\\song.wav"), "C:\\Music\\Song.WAV");
  EXPECT_EQ(fs.list("c:\\MUSIC", "*.wav").at(0).name, "Song.WAV");
}

TEST(FakeFileSystem, ListingFiltersByPatternWithAttributes) {
  fakes::FakeFileSystem fs;
  fs.addFile("C:\\m\\a.wav", "1", platform::kAttrHidden);
  fs.addFile("C:\\m\\b.mid", "22", platform::kAttrReadOnly);
  fs.addFolder("C:\\m\\sub");
  fs.addFile("C:\\m\\sub\\deep.wav", "x");
  const auto all = fs.list("C:\\m\\", "*.*");
  ASSERT_EQ(all.size(), 3u);
  const auto wav = fs.list("C:\\m", "*.WAV");
  ASSERT_EQ(wav.size(), 1u);
  EXPECT_EQ(wav[0].attributes, platform::kAttrHidden);
  EXPECT_EQ(fs.stat("C:\\m\\b.mid")->size, 2u);
  EXPECT_TRUE(fs.stat("C:\\m\\sub")->attributes & platform::kAttrDirectory);
}

TEST(FakeFileSystem, WindowsRefusals) {
  fakes::FakeFileSystem fs;
  fs.addFile("C:\\ro.txt", "x", platform::kAttrReadOnly);
  EXPECT_FALSE(fs.removeFile("C:\\ro.txt"));
  EXPECT_FALSE(fs.writeAtomic("C:\\ro.txt", "y"));
  EXPECT_FALSE(fs.makeFolder("C:\\a\\b"));  // one level only
  EXPECT_TRUE(fs.makeFolder("C:\\a"));
  EXPECT_FALSE(fs.makeFolder("C:\\A"));     // exists
  fs.addFile("C:\\a\\f", "");
  EXPECT_FALSE(fs.removeFolder("C:\\a"));   // not empty
  EXPECT_FALSE(fs.removeFolder("C:\\"));
}

TEST(FakeFileSystem, RelativePathsFollowTheCurrentFolder) {
  fakes::FakeFileSystem fs;
  fs.addFolder("C:\\data\\sub");
  EXPECT_TRUE(fs.setCurrentFolder("c:\\data"));
  EXPECT_EQ(fs.fullPath("sub\\..\\x.lim"), "C:\\data\\x.lim");
  EXPECT_EQ(fs.fullPath("\\top"), "C:\\top");
  EXPECT_EQ(fs.fullPath("D:\\"), "D:\\");
  EXPECT_FALSE(fs.setCurrentFolder("C:\\none"));
}

TEST(FakeRegistry, KeysAndNamesIgnoreCaseAndTypesStayApart) {
  fakes::FakeRegistry reg;
  const std::string key = "Software\\ZUMIK SOFT32\\ZELCOR32";
  EXPECT_FALSE(reg.keyExists(Hive::CurrentUser, key));
  ASSERT_TRUE(reg.writeString(Hive::CurrentUser, key, "TEMPLZH", "C:\\表"));
  EXPECT_TRUE(reg.keyExists(Hive::CurrentUser, "software\\zumik soft32"));
  EXPECT_FALSE(reg.keyExists(Hive::LocalMachine, key));
  EXPECT_EQ(*reg.readString(Hive::CurrentUser, "SOFTWARE\\Zumik Soft32\\zelcor32", "templzh"), "C:\\表");
  reg.writeBinary(Hive::CurrentUser, key, "MP3", std::vector<std::uint8_t>(600, 1));
  EXPECT_FALSE(reg.readString(Hive::CurrentUser, key, "MP3").has_value());
  EXPECT_FALSE(reg.readBinary(Hive::CurrentUser, key, "MP3", 500).has_value());
  EXPECT_EQ(reg.readBinary(Hive::CurrentUser, key, "MP3", 600)->size(), 600u);
  EXPECT_TRUE(reg.deleteValue(Hive::CurrentUser, key, "mp3"));
  EXPECT_FALSE(reg.deleteValue(Hive::CurrentUser, key, "mp3"));
}

}  // namespace

#include <gtest/gtest.h>

#include "base/line_file.h"
#include "fakes/fake_file_system.h"

namespace {

using Lines = std::vector<std::string>;

TEST(LineFile, SplitsOnEveryLineEnd) {
  const struct { std::string bytes; Lines lines; } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\r\n\r\n", {"a", ""}},
      {"\r\n", {""}},
      {"a\rb", {"a", "b"}},
      {"表\r\nソ", {"表", "ソ"}},
  };
  for (const auto& c : cases) EXPECT_EQ(base::SplitLines(c.bytes), c.lines) << c.bytes;
}

TEST(LineFile, SaveAndLoadRoundTripWithCrLf) {
  fakes::FakeFileSystem fs;
  fs.addFolder("C:\\data");
  const Lines lines = {"C:\\表\\曲.wav", "", "/C:\\a.lzh/b.wav"};
  ASSERT_TRUE(base::SaveLines(fs, "C:\\data\\HISTORY.LIM", lines));
  EXPECT_EQ(*fs.contents("C:\\data\\HISTORY.LIM"), "C:\\表\\曲.wav\r\n\r\n/C:\\a.lzh/b.wav\r\n");
  EXPECT_EQ(*base::LoadLines(fs, "C:\\data\\history.lim"), lines);
}

TEST(LineFile, FailedSaveLeavesTheOldFile) {
  fakes::FakeFileSystem fs;
  fs.addFile("C:\\data\\a.lim", "old\r\n");
  fs.failAtomicWrites(true);
  EXPECT_FALSE(base::SaveLines(fs, "C:\\data\\a.lim", {"new"}));
  EXPECT_EQ(*fs.contents("C:\\data\\a.lim"), "old\r\n");
  EXPECT_FALSE(base::LoadLines(fs, "C:\\data\\missing.lim").has_value());
}

}  // namespace

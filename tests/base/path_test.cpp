#include <gtest/gtest.h>

#include "base/path.h"

namespace {

struct SlashCase {
  const char* input;
  const char* added;
  const char* stripped;
};

TEST(PathSlash, DoubleByteRuleAndDriveRoot) {
  const SlashCase cases[] = {
      {"", "", ""},
      {"C:", "C:\\", "C:"},
      {"C:\\", "C:\\", "C:\\"},     // a drive root keeps its separator
      {"AB\\", "AB\\", "AB\\"},     // shorter than 4: unchanged
      {"C:\\a\\", "C:\\a\\", "C:\\a"},
      {"C:\\data", "C:\\data\\", "C:\\data"},
      // "表" ends in 0x5C: that byte is part of the character, not a separator.
      {"C:\\表", "C:\\表\\", "C:\\表"},
      {"C:\\表\\", "C:\\表\\", "C:\\表"},
      {"C:\\ソ能", "C:\\ソ能\\", "C:\\ソ能"},
      // Two lead-range bytes (one character) before a real separator.
      {"C:\\\x81\x81\\", "C:\\\x81\x81\\", "C:\\\x81\x81"},
      // Half-width katakana is single-byte: the separator after it is real.
      {"C:\\ｱ\\", "C:\\ｱ\\", "C:\\ｱ"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(base::AddTrailingSlash(c.input), c.added) << c.input;
    EXPECT_EQ(base::StripTrailingSlash(c.input), c.stripped) << c.input;
  }
}

TEST(PathSlash, StripRemovesOnlyOneSeparator) {
  EXPECT_EQ(base::StripTrailingSlash("C:\\a\\\\"), "C:\\a\\");
}

TEST(PathParts, SplitLikeDelphiAndShiftJisAware) {
  const struct { const char* path; const char* folder; const char* name; const char* ext; } cases[] = {
      {"C:\\music\\song.wav", "C:\\music\\", "song.wav", ".wav"},
      {"C:\\music\\a.b.mid", "C:\\music\\", "a.b.mid", ".mid"},
      {"C:\\dir.x\\noext", "C:\\dir.x\\", "noext", ""},
      {"C:song.mp3", "C:", "song.mp3", ".mp3"},
      {"song", "", "song", ""},
      {"C:\\表\\曲.wav", "C:\\表\\", "曲.wav", ".wav"},
      // 0x5C inside "表" is no separator: the whole is one name.
      {"表.wav", "", "表.wav", ".wav"},
      {"C:\\music\\", "C:\\music\\", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(base::ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(base::ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(base::ExtractFileExt(c.path), c.ext) << c.path;
  }
}

TEST(PathParts, SplitPathKeepsDoubleBytesWhole) {
  const std::vector<std::string> expected = {"C:", "表", "ソフト", ""};
  EXPECT_EQ(base::SplitPath("C:\\表\\ソフト\\"), expected);
}

}  // namespace

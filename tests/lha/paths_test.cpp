// Entry-name patterns and the folder-escape rules.
#include <gtest/gtest.h>

#include "lha/entry_path.h"
#include "lha/sjis.h"

namespace {

TEST(Sjis, TrailBackslashIsNotASeparator) {
  EXPECT_EQ(lha::sjis::normaliseSeparators("A\\表\\B\xFF" "C"), "A/表/B/C");
  EXPECT_FALSE(lha::sjis::endsWithSeparator("C:\\表"));
  EXPECT_TRUE(lha::sjis::endsWithSeparator("C:\\表\\"));
}

struct PatternCase {
  const char* pattern;
  const char* name;
  bool matches;
};

TEST(Pattern, Table) {
  const PatternCase cases[] = {
      {"*.*", "DIR/A.MID", true},        {"*.*", "NODOT", true},
      {"a.mid", "DIR/A.MID", true},      {"A.MID", "B.MID", false},
      {"DIR/A.MID", "DIR/A.MID", true},  {"DIR\\A.MID", "DIR/A.MID", true},
      {"OTHER/A.MID", "DIR/A.MID", false}, {"*.WAV", "X/Y.wav", true},
      {"?.MID", "A.MID", true},          {"?.MID", "AB.MID", false},
      {"?.MID", "表.MID", true},          {"表*", "表ソ.TXT", true},
      {"ソ*", "表ソ.TXT", false},          {"A*B*C", "AxxBxxC", true},
      {"A*B*C", "AxxBxx", false},
  };
  for (const PatternCase& c : cases)
    EXPECT_EQ(lha::matchesPattern(c.pattern, c.name), c.matches) << c.pattern << " vs " << c.name;
}

struct PathCase {
  const char* entry;
  bool keepFolders;
  const char* expected;  // nullptr: refused
};

TEST(SafePath, NeverLeavesTheTarget) {
  const PathCase cases[] = {
      {"DIR/A.MID", true, "DIR/A.MID"},
      {"DIR/A.MID", false, "A.MID"},
      {"/etc/passwd", true, "etc/passwd"},
      {"C:/WINDOWS/X.DLL", true, "WINDOWS/X.DLL"},
      {"C:\\X.DLL", false, "X.DLL"},
      {"./A/./B", true, "A/B"},
      {"../EVIL", true, nullptr},
      {"../EVIL", false, nullptr},
      {"A/../../EVIL", true, nullptr},
      {"..\\EVIL", true, nullptr},
      {"CON", true, nullptr},
      {"nul.txt", false, nullptr},
      {"DIR/com1.mid", true, nullptr},
      {"lpt9", true, nullptr},
      {"COM10.MID", true, "COM10.MID"},
      {"A:B.TXT", true, nullptr},
      {"TAB\tNAME", true, nullptr},
      {"DOTS...", true, nullptr},
      {"SPACE ", true, nullptr},
      {"表\\ソ.MID", true, "表/ソ.MID"},
      {"", true, nullptr},
      {"DIR/", true, "DIR"},
  };
  for (const PathCase& c : cases) {
    auto got = lha::safeRelativePath(c.entry, c.keepFolders);
    if (c.expected) {
      ASSERT_TRUE(got.has_value()) << c.entry;
      EXPECT_EQ(*got, c.expected) << c.entry;
    } else {
      EXPECT_FALSE(got.has_value()) << c.entry << " -> " << got.value_or("");
    }
  }
}

}  // namespace

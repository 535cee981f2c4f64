#include <gtest/gtest.h>

#include "base/sjis.h"

namespace {

TEST(ShiftJis, LeadByteRangesAreExact) {
  const struct { unsigned char byte; bool lead; } cases[] = {
      {0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false}, {0xB1, false},
      {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false}, {0x5C, false},
  };
  for (const auto& c : cases) EXPECT_EQ(base::IsLeadByte(c.byte), c.lead) << int(c.byte);
}

TEST(ShiftJis, UpperCaseLeavesTrailBytesThatLookLikeLetters) {
  // "ア" is 83 41 and "ぁ" is 82 9F; 0x61..0x7A as trail bytes: "Ｑ" 82 70, "ｱ" is single.
  const std::string mixed = std::string("abc") + "ア" + "\x82\x70" + "xｱz";
  EXPECT_EQ(base::UpperCase(mixed), std::string("ABC") + "ア" + "\x82\x70" + "XｱZ");
  EXPECT_EQ(base::LowerCase("ABC\x83\x41Z"), "abc\x83\x41z");
  // A trail byte 0x61 ('a') must not become 'A'.
  EXPECT_EQ(base::UpperCase("\x88\x61"), "\x88\x61");
  EXPECT_EQ(base::LowerCase("\x88\x41"), "\x88\x41");
}

TEST(ShiftJis, CutNeverSplitsADoubleByteCharacter) {
  const std::string text = "ab再生c";  // 2 + 4 + 1 bytes
  EXPECT_EQ(base::CutToBytes(text, 3), "ab");
  EXPECT_EQ(base::CutToBytes(text, 4), "ab\x8D\xC4");
  EXPECT_EQ(base::CutToBytes(text, 5), "ab\x8D\xC4");
  EXPECT_EQ(base::CutToBytes(text, 7), text);
  EXPECT_EQ(base::CutToBytes(text, 100), text);
  EXPECT_EQ(base::CutToBytes(text, 0), "");
  // A stray lead byte at the end is one character of its own.
  EXPECT_EQ(base::CutToBytes("a\x81", 2), "a\x81");
}

TEST(ShiftJis, CharCountCountsDoubleBytesOnce) {
  EXPECT_EQ(base::CharCount("表ソｱa"), 4u);
  EXPECT_EQ(base::CharCount(""), 0u);
}

TEST(ShiftJis, SameTextIgnoringCaseOnlyFoldsAscii) {
  EXPECT_TRUE(base::SameTextIgnoringCase("My Music", "MY MUSIC"));
  EXPECT_FALSE(base::SameTextIgnoringCase("\x88\x61", "\x88\x41"));
}

}  // namespace

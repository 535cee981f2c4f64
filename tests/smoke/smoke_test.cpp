#include <gtest/gtest.h>
#include <string>

TEST(Charset, LiteralsAreShiftJis) {
  // 表 and ソ end in the byte 0x5C; 再生 is plain double-byte; ｱ is half-width.
  EXPECT_EQ(std::string("表"), std::string("\x95\x5C"));
  EXPECT_EQ(std::string("ソ"), std::string("\x83\x5C"));
  EXPECT_EQ(std::string("再生"), std::string("\x8D\xC4\x90\xB6"));
  EXPECT_EQ(std::string("ｱ"), std::string("\xB1"));
}

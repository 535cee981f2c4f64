#include <gtest/gtest.h>

#include <climits>

#include "base/comma_list.h"

namespace {

TEST(StrToInt, AcceptsSignDecimalAndDollarHex) {
  const struct { const char* text; int value; } good[] = {
      {"0", 0}, {"42", 42}, {"+7", 7}, {"-1", -1}, {"007", 7}, {"$1F", 31}, {"$ff", 255},
      {"-$10", -16}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"$FFFFFFFF", -1},
  };
  for (const auto& c : good) {
    const auto v = base::StrToInt(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(StrToInt, RejectsEverythingElse) {
  const char* bad[] = {"", "-", "+", "$", " 1", "1 ", "1a", "0x10", "1.0", "2147483648",
                       "-2147483649", "$100000000", "--1", "１"};
  for (const char* text : bad) EXPECT_FALSE(base::StrToInt(text).has_value()) << text;
}

TEST(CommaList, ParsesExactlyTheExpectedPositions) {
  const auto v = base::ParseCommaList("0,1,0,0,0,1,1,0", 8);
  ASSERT_TRUE(v.has_value());
  EXPECT_EQ(*v, (std::vector<int>{0, 1, 0, 0, 0, 1, 1, 0}));
  EXPECT_EQ(*base::ParseCommaList("-1", 1), std::vector<int>{-1});
}

TEST(CommaList, AnyDefectMakesTheWholeValueUnparseable) {
  const struct { const char* text; std::size_t count; } bad[] = {
      {"1,1,1", 9},              // missing positions
      {"1,1,1,1", 3},            // an extra position: the last still holds ","
      {"1,1,", 3},               // empty last position
      {"1,,1", 3},               // empty middle position
      {"1,x,1", 3},
      {"", 1},
      {"1,1", 0},
  };
  for (const auto& c : bad) EXPECT_FALSE(base::ParseCommaList(c.text, c.count).has_value()) << c.text;
}

TEST(CommaList, DefaultIsTakenWhole) {
  const std::vector<int> fallback = {1, 1, 1, 1, 1, 1, 0, 1, 1};
  EXPECT_EQ(base::ParseCommaListOr("1,1,1", fallback), fallback);
  EXPECT_EQ(base::ParseCommaListOr("0,0,0,0,0,0,0,0,0", fallback), std::vector<int>(9, 0));
}

TEST(CommaList, JoinRoundTrips) {
  const std::vector<int> values = {1, -1, 0, 1, 0, 1, 1};
  const std::string text = base::JoinCommaList(values);
  EXPECT_EQ(text, "1,-1,0,1,0,1,1");
  EXPECT_EQ(*base::ParseCommaList(text, values.size()), values);
  EXPECT_EQ(base::JoinCommaList({}), "");
}

}  // namespace

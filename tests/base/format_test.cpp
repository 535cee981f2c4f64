#include <gtest/gtest.h>

#include "base/date_time.h"
#include "base/format.h"

namespace {

TEST(FormatNumber, DelphiNFormat) {
  const struct { double value; int width; int decimals; const char* text; } cases[] = {
      {75.3, 10, 1, "      75.3"},
      {0, 10, 1, "       0.0"},
      {1234567.25, 10, 1, "1,234,567.3"},  // wider than the field: not cut
      {1234, 8, 0, "   1,234"},
      {999, 8, 0, "     999"},
      {1000, 8, 0, "   1,000"},
      {12345678, 8, 0, "12,345,678"},
      {0.5, 8, 0, "       1"},   // half away from zero
      {2.5, 8, 0, "       3"},
      {-2.5, 8, 0, "      -3"},
      {999.96, 8, 1, " 1,000.0"},  // carry into a new group
      {0.04, 6, 1, "   0.0"},
      {-0.04, 6, 1, "   0.0"},    // no "-0.0"
      {4294967296.0, 8, 0, "4,294,967,296"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(base::FormatNumber(c.value, c.width, c.decimals), c.text) << c.value;
}

platform::DateTime At(int y, int mo, int d, int h, int mi, int s, int dow) {
  platform::DateTime t;
  t.year = y; t.month = mo; t.day = d; t.hour = h; t.minute = mi; t.second = s; t.dayOfWeek = dow;
  return t;
}

TEST(FormatDateTime, DisplayPatternWithJapaneseDayNames) {
  const char* const days[] = {"日", "月", "火", "水", "木", "金", "土"};
  for (int dow = 0; dow < 7; ++dow) {
    const auto t = At(2012, 5, 4, 10, 20, 30, dow);
    EXPECT_EQ(base::FormatDateTime(base::kDisplayDatePattern, t),
              std::string(" 12/05/04 ") + days[dow] + " 10:20:30 ");
  }
}

TEST(FormatDateTime, MinutesAfterHourAndOtherOrders) {
  const auto t = At(2009, 1, 2, 3, 4, 5, 5);
  EXPECT_EQ(base::FormatDateTime("yy/mm/dd hh:mm:ss ddd", t), "09/01/02 03:04:05 金");
  EXPECT_EQ(base::FormatDateTime("yyyy/m/d h:n:s", t), "2009/1/2 3:4:5");
  EXPECT_EQ(base::FormatDateTime("\"yy\" dddd", t), "yy 金曜日");
  // Literal double-byte text whose trail byte looks like a token letter stays as it is.
  EXPECT_EQ(base::FormatDateTime("\x88\x64 yy", t), "\x88\x64 09");
}

TEST(HourMinute, TakenFromTheTimeText) {
  EXPECT_EQ(base::HourMinuteFromTimeText("9:05:30"), "09:05");
  EXPECT_EQ(base::HourMinuteFromTimeText("09:05:30"), "09:05");
  EXPECT_EQ(base::HourMinuteFromTimeText("23:59:59"), "23:59");
  EXPECT_EQ(base::HourMinuteFromTimeText("5:30"), "");
  EXPECT_EQ(base::HourMinute(At(2020, 1, 1, 9, 5, 30, 3)), "09:05");
  EXPECT_EQ(base::HourMinute(At(2020, 1, 1, 0, 0, 0, 3)), "00:00");
}

TEST(FileTimeCalendar, KnownDatesAndRoundTrip) {
  // 2000-01-01 00:00:00 UTC, a Saturday.
  const std::uint64_t y2k = 125911584000000000ull;
  const auto t = base::DateTimeFromFileTime(y2k);
  EXPECT_EQ(base::FormatDateTime("yyyy/mm/dd hh:nn:ss ddd", t), "2000/01/01 00:00:00 土");
  const auto leap = At(2024, 2, 29, 23, 59, 58, 4);
  const auto back = base::DateTimeFromFileTime(base::FileTimeFromDateTime(leap));
  EXPECT_EQ(base::FormatDateTime("yyyy/mm/dd hh:nn:ss ddd", back), "2024/02/29 23:59:58 木");
}

}  // namespace

// The archive list's re-flow, the binary view's rows, the HTML view's lines and the values of
// registered archive entries.
#include "archive/viewers.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(ArchiveListReflow, JoinsAShortNameWithItsAttributeLine) {
  const std::string text =
      "TUNES/A-VERY-LONG-NAME.WAV\r\n      1234   567  46.0% 2026-12-07\r\n"
      "B.WAV\r\n      2048  1024  50.0% 2026-12-07\r\ntail";
  EXPECT_EQ(archive::ReflowListing(text),
            (Lines{"TUNES/A-VERY-LONG-NAME.WAV", "      1234   567  46.0% 2026-12-07",
                   "B.WAV 2048  1024  50.0% 2026-12-07", "tail"}));
}

TEST(BinaryDump, SeventeenBytesMakeAFullRowAndAPaddedOne) {
  const Lines rows = archive::DumpRows("0123456789ABCDEF\x0D");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], "000 30 31 32 33 34 35 36 37 38 39 41 42 43 44 45 46 0123456789ABCDEF");
  EXPECT_EQ(rows[1], "010 0D" + std::string(52 - 6, ' ') + "^M");
}

TEST(BinaryDump, ShiftJisPairsStayWholeAcrossRows) {
  // "あ" is 82 A0; its lead byte is the 16th of the first row.
  const Lines rows = archive::DumpRows(std::string(15, 'a') + "\x82\xA0\x7F\xFE\x81" + " " + "\x82");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].substr(52), std::string(15, 'a'));
  EXPECT_EQ(rows[1].substr(52), "\x82\xA0^BS.. .");  // a lead byte without its partner shows as "."
}

TEST(HtmlView, DropsCrAndCollapsesLineEndRuns) {
  struct Case {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"<p>a\r\n\r\n\n<b>b</b>\r\n", {"<p>a", "<b>b</b>"}},
      {"a\n\tb\nc", {"a\t", "b", "c"}},  // a control byte stays in the text; the break waits for a visible one
      {"\nx", {"", "x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(archive::ReflowHtml(c.bytes), c.lines) << c.bytes;
}

TEST(RegisteredEntries, TakeTheirValuesFromTheRowValue) {
  struct Case {
    std::string value;
    Lines values;
  } cases[] = {
      {"50", {"50", "50", "50"}},
      {"5", {"", "", ""}},
      {"/40/60/", {"40", "60", ""}},
      {"/1/2/3/4/", {"1", "2", "3"}},
      {"/7", {"", "", ""}},  // a piece without its closing "/" is no piece
  };
  for (const Case& c : cases) EXPECT_EQ(archive::EntryValues(c.value, 3), c.values) << c.value;
}

}  // namespace

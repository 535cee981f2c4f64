// The archive list's re-flow and the binary view's rows.
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

}  // namespace

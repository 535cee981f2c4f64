#pragma once
// The text the archive list and the binary view put in their reports.
#include <string>
#include <vector>

namespace archive {

// The library's list text as report lines: a line shorter than 17 characters is held and the
// next one joined to it, less as many of its leading blanks as the held line is long, so a
// long entry name stays on the line of its sizes and attributes.
std::vector<std::string> ReflowListing(const std::string& text);

// One row per 16 bytes: the offset in three hexadecimal digits, each byte in two, padded to
// 52 characters, then the bytes as text: Shift-JIS pairs kept whole (a pair split by the row
// end opens the next row), control bytes as "^" + letter, 127 as "^BS", 0xFD..0xFF as ".".
std::vector<std::string> DumpRows(const std::string& bytes);

}  // namespace archive

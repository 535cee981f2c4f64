#pragma once
// The text the archive list, the binary view and the HTML view put in their reports, and the
// companion values of registered archive entries.
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

// A web file as readable lines: CR bytes dropped, a run of line ends breaks the line once
// (empty lines collapse), other control bytes kept in the text.
std::vector<std::string> ReflowHtml(const std::string& bytes);

// The value each of count registered entries takes from its row's value: a two-character
// value goes to every entry; "/v1/v2/.../" gives the n-th piece to the n-th entry (missing
// pieces empty, surplus dropped); anything else leaves every entry without a value.
std::vector<std::string> EntryValues(const std::string& rowValue, std::size_t count);

}  // namespace archive

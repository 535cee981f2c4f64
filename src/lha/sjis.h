#pragma once
#include <string>

// Separator rules of entry names. Names are Shift-JIS bytes: a 0x5C after a lead byte is
// half of a character, not a backslash (the byte rules themselves are base/sjis.h).
namespace lha::sjis {

// "\" (outside double-byte characters) and 0xFF become "/".
std::string normaliseSeparators(const std::string& name);

// True when the text ends with a real "\" or "/" (not the trail byte of a character).
bool endsWithSeparator(const std::string& path);

}  // namespace lha::sjis

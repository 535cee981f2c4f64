#pragma once
#include <string>

// Entry names are Shift-JIS bytes: a 0x5C after a lead byte is half of a
// character, not a backslash, so every rule that looks at bytes goes through here.
namespace lha::sjis {

bool isLeadByte(unsigned char c);

// "\" (outside double-byte characters) and 0xFF become "/".
std::string normaliseSeparators(const std::string& name);

// True when the text ends with a real "\" or "/" (not the trail byte of a character).
bool endsWithSeparator(const std::string& path);

// Upper-cases ASCII letters only, leaving double-byte characters untouched.
std::string upperAscii(const std::string& s);

// Longest prefix of at most maxBytes bytes that does not split a character.
std::string truncate(const std::string& s, size_t maxBytes);

}  // namespace lha::sjis

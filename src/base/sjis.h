#pragma once
// Byte rules of Shift-JIS (code page 932) text held in std::string.
#include <cstddef>
#include <string>

namespace base {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
inline bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// Length in bytes of the character starting at text[pos]: 2 for a lead byte followed by a
// byte, else 1. A lead byte at the very end stands alone. (Inline: every name walk calls it
// once per byte.)
inline std::size_t CharLengthAt(const std::string& text, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Number of characters (a double-byte character counts once).
std::size_t CharCount(const std::string& text);

// Upper/lower-cases ASCII letters only; bytes of double-byte characters are never touched.
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

// At most maxBytes bytes, never ending in half a double-byte character.
std::string CutToBytes(const std::string& text, std::size_t maxBytes);

}  // namespace base

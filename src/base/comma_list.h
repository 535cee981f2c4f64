#pragma once
// Integer text and comma-joined lists as the settings store them.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace base {

// A 32-bit integer: optional "+" or "-", then decimal digits or "$" and hex digits.
// Anything else (blanks, empty text, overflow) gives nullopt. Hex may use all 32 bits
// ("$FFFFFFFF" is -1).
std::optional<int> StrToInt(const std::string& text);

// Exactly `count` positions taken from the front: each is the text up to the next ",";
// the last is what remains. A missing position, an extra one (the last then still holds a
// ",") or a position that is no integer makes the whole value unparseable.
std::optional<std::vector<int>> ParseCommaList(const std::string& text, std::size_t count);

// The caller's default list when the text does not parse.
std::vector<int> ParseCommaListOr(const std::string& text, const std::vector<int>& fallback);

std::string JoinCommaList(const std::vector<int>& values);

}  // namespace base

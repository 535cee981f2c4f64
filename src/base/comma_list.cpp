#include "base/comma_list.h"

#include <cstdint>

namespace base {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int> StrToInt(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const bool hex = i < text.size() && text[i] == '$';
  if (hex) ++i;
  if (i == text.size()) return std::nullopt;
  const std::uint64_t base = hex ? 16 : 10;
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = HexDigit(text[i]);
    if (digit < 0 || static_cast<std::uint64_t>(digit) >= base) return std::nullopt;
    value = value * base + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(negative ? (0 - value) : value);
  return static_cast<int>(bits);
}

std::optional<std::vector<int>> ParseCommaList(const std::string& text, std::size_t count) {
  if (count == 0) return std::nullopt;
  std::vector<int> values;
  std::string rest = text;
  for (std::size_t position = 1; position < count; ++position) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto value = StrToInt(rest.substr(0, comma));
    if (!value) return std::nullopt;
    values.push_back(*value);
    rest.erase(0, comma + 1);
  }
  const auto last = StrToInt(rest);
  if (!last) return std::nullopt;
  values.push_back(*last);
  return values;
}

std::vector<int> ParseCommaListOr(const std::string& text, const std::vector<int>& fallback) {
  auto parsed = ParseCommaList(text, fallback.size());
  return parsed ? *parsed : fallback;
}

std::string JoinCommaList(const std::vector<int>& values) {
  std::string out;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    out += std::to_string(values[i]);
  }
  return out;
}

}  // namespace base

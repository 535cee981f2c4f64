#include "base/sjis.h"

namespace base {

std::size_t CharCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i)) ++count;
  return count;
}

namespace {

template <typename Map>
std::string MapSingleBytes(const std::string& text, Map map) {
  std::string out = text;
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t len = CharLengthAt(out, i);
    if (len == 1) out[i] = map(out[i]);
    i += len;
  }
  return out;
}

}  // namespace

std::string UpperCase(const std::string& text) {
  return MapSingleBytes(text, [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; });
}

std::string LowerCase(const std::string& text) {
  return MapSingleBytes(text, [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; });
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

std::string CutToBytes(const std::string& text, std::size_t maxBytes) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t len = CharLengthAt(text, end);
    if (end + len > maxBytes) break;
    end += len;
  }
  return text.substr(0, end);
}

}  // namespace base

#include "lha/sjis.h"

namespace lha::sjis {

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::string normaliseSeparators(const std::string& name) {
  std::string out = name;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (isLeadByte(c) && i + 1 < out.size()) {
      ++i;
    } else if (c == '\\' || c == 0xFF) {
      out[i] = '/';
    }
  }
  return out;
}

bool endsWithSeparator(const std::string& path) {
  bool last = false;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (isLeadByte(c) && i + 1 < path.size()) {
      ++i;
      last = false;
    } else {
      last = (c == '\\' || c == '/');
    }
  }
  return last;
}

std::string upperAscii(const std::string& s) {
  std::string out = s;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (isLeadByte(c) && i + 1 < out.size()) {
      ++i;
    } else if (c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return out;
}

std::string truncate(const std::string& s, size_t maxBytes) {
  size_t i = 0;
  while (i < s.size()) {
    size_t step = (isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
    if (i + step > maxBytes) break;
    i += step;
  }
  return s.substr(0, i);
}

}  // namespace lha::sjis

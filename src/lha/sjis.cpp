#include "lha/sjis.h"

#include "base/sjis.h"

namespace lha::sjis {

std::string normaliseSeparators(const std::string& name) {
  std::string out = name;
  for (size_t i = 0; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (base::IsLeadByte(c) && i + 1 < out.size()) {
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
    if (base::IsLeadByte(c) && i + 1 < path.size()) {
      ++i;
      last = false;
    } else {
      last = (c == '\\' || c == '/');
    }
  }
  return last;
}

}  // namespace lha::sjis

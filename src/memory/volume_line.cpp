#include "memory/volume_line.h"

#include <algorithm>

namespace memory {

std::string PackArchiveVolumes(const std::vector<std::string>& values) {
  const std::size_t n = std::min(values.size(), kMaxArchiveVolumes);
  const auto first = values.begin();
  // Values hold no "/": one would split into two entries when the line is read back.
  if (std::all_of(first, first + n, [](const std::string& v) { return v.empty(); })) return "";
  std::string line = "/";
  for (std::size_t i = 0; i < n; ++i) {
    for (char c : values[i])
      if (c != '/') line += c;
    line += '/';
  }
  return line;
}

std::vector<std::string> UnpackArchiveVolumes(const std::string& line, std::size_t count) {
  std::vector<std::string> values;
  if (line.size() >= 2 && line.front() == '/' && line.back() == '/') {
    std::size_t start = 1;
    while (start < line.size() && values.size() < count) {
      const std::size_t slash = line.find('/', start);
      values.push_back(line.substr(start, slash - start));
      start = slash + 1;
    }
  }
  values.resize(count);
  return values;
}

}  // namespace memory

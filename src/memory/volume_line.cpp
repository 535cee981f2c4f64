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
  if (!line.empty() && line[0] == '/')
    for (std::size_t at = 1, end; values.size() < count && (end = line.find('/', at)) != std::string::npos;
         at = end + 1)
      values.push_back(line.substr(at, end - at));
  values.resize(count);
  return values;
}

}  // namespace memory

#include "base/line_file.h"

namespace base {

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  const std::size_t n = bytes.size();
  std::size_t start = 0;
  while (start < n) {
    std::size_t end = start;
    while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    lines.emplace_back(bytes, start, end - start);
    if (end == n) break;
    start = end + 1;
    if (bytes[end] == '\r' && start < n && bytes[start] == '\n') ++start;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::optional<std::vector<std::string>> LoadLines(platform::FileSystem& fs, const std::string& path) {
  auto bytes = fs.readAll(path);
  if (!bytes) return std::nullopt;
  return SplitLines(*bytes);
}

bool SaveLines(platform::FileSystem& fs, const std::string& path,
               const std::vector<std::string>& lines) {
  return fs.writeAtomic(path, JoinLines(lines));
}

}  // namespace base

#include "base/line_file.h"

namespace base {

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
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

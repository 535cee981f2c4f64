#include "base/path.h"

#include "base/sjis.h"

namespace base {

bool EndsWithSeparator(const std::string& path) {
  if (path.empty() || path.back() != '\\') return false;
  std::size_t run = 0;
  for (std::size_t i = path.size() - 1; i > 0 && IsLeadByte(static_cast<unsigned char>(path[i - 1]));
       --i)
    ++run;
  return run % 2 == 0;
}

std::string AddTrailingSlash(const std::string& path) {
  if (path.empty() || EndsWithSeparator(path)) return path;
  return path + '\\';
}

std::string StripTrailingSlash(const std::string& path) {
  if (path.size() < 4 || !EndsWithSeparator(path)) return path;
  return path.substr(0, path.size() - 1);
}

namespace {

// Position just after the last real "\" or ":" (0 when none), walking by characters.
std::size_t NameStart(const std::string& path) {
  std::size_t start = 0;
  for (std::size_t i = 0, len = 0; i < path.size(); i += len) {
    len = CharLengthAt(path, i);
    if (len == 1 && (path[i] == '\\' || path[i] == ':')) start = i + 1;
  }
  return start;
}

}  // namespace

std::string ExtractFilePath(const std::string& path) { return path.substr(0, NameStart(path)); }

std::string ExtractFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string ExtractFileExt(const std::string& path) {
  std::size_t dot = std::string::npos;
  for (std::size_t i = NameStart(path); i < path.size(); i += CharLengthAt(path, i)) {
    if (path[i] == '.') dot = i;
  }
  return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < path.size();) {
    const std::size_t len = CharLengthAt(path, i);
    if (len == 1 && path[i] == '\\') {
      pieces.emplace_back();
    } else {
      pieces.back().append(path, i, len);
    }
    i += len;
  }
  return pieces;
}

}  // namespace base

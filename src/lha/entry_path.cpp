#include "lha/entry_path.h"

#include <vector>

#include "base/sjis.h"
#include "lha/sjis.h"

namespace lha {
namespace {

// Characters of a Shift-JIS string, each one or two bytes.
std::vector<std::string> characters(const std::string& s) {
  std::vector<std::string> out;
  for (size_t i = 0; i < s.size();) {
    size_t n = (base::IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
    out.push_back(s.substr(i, n));
    i += n;
  }
  return out;
}

bool wildcard(const std::vector<std::string>& p, size_t pi, const std::vector<std::string>& s, size_t si) {
  while (pi < p.size()) {
    if (p[pi] == "*") {
      while (pi < p.size() && p[pi] == "*") ++pi;
      if (pi == p.size()) return true;
      for (size_t k = si; k <= s.size(); ++k)
        if (wildcard(p, pi, s, k)) return true;
      return false;
    }
    if (si == s.size()) return false;
    if (p[pi] != "?" && p[pi] != s[si]) return false;
    ++pi, ++si;
  }
  return si == s.size();
}

std::vector<std::string> splitComponents(const std::string& path) {
  std::vector<std::string> parts;
  std::string cur;
  for (const std::string& ch : characters(sjis::normaliseSeparators(path))) {
    if (ch == "/") {
      parts.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  parts.push_back(cur);
  return parts;
}

bool isDeviceName(const std::string& component) {
  std::string stem = base::UpperCase(component.substr(0, component.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
  for (const char* d : kDevices)
    if (stem == d) return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
         stem[3] >= '0' && stem[3] <= '9';
}

bool isSafeComponent(const std::string& c) {
  if (c == "." || c == ".." || isDeviceName(c)) return false;
  // Windows drops trailing dots and blanks, which would alias other names ("..." and ". .").
  if (c.back() == '.' || c.back() == ' ') return false;
  for (const std::string& ch : characters(c)) {
    if (ch.size() == 2) continue;
    unsigned char b = static_cast<unsigned char>(ch[0]);
    if (b < 0x20 || b == 0x7F || std::string(":*?\"<>|").find(ch[0]) != std::string::npos) return false;
  }
  return true;
}

}  // namespace

std::string baseName(const std::string& path) {
  std::vector<std::string> parts = splitComponents(path);
  return parts.back();
}

bool matchesPattern(const std::string& pattern, const std::string& entryName) {
  std::string p = base::UpperCase(sjis::normaliseSeparators(pattern));
  if (p == "*.*" || p == "*") return true;
  std::string name = base::UpperCase(entryName);
  if (p.find('/') == std::string::npos) name = baseName(name);
  return wildcard(characters(p), 0, characters(name), 0);
}

std::optional<std::string> safeRelativePath(const std::string& entryName, bool keepFolders) {
  std::vector<std::string> parts = splitComponents(entryName);
  if (!parts.empty() && parts[0].size() == 2 && parts[0][1] == ':') parts.erase(parts.begin());
  std::string out;
  for (const std::string& c : parts) {
    if (c.empty() || (c == "." && keepFolders)) continue;
    if (!isSafeComponent(c)) return std::nullopt;
    out = keepFolders && !out.empty() ? out + "/" + c : c;
  }
  if (out.empty()) return std::nullopt;
  return out;
}

}  // namespace lha

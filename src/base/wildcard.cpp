#include "base/wildcard.h"

#include "base/sjis.h"

namespace base {
namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// One character of each text (at their byte positions) equal, ASCII letters in either case.
bool SameChar(const std::string& a, std::size_t i, const std::string& b, std::size_t j) {
  const std::size_t len = CharLengthAt(a, i);
  if (len != CharLengthAt(b, j)) return false;
  return len == 1 ? Upper(a[i]) == Upper(b[j]) : a.compare(i, 2, b, j, 2) == 0;
}

// What is left of the pattern once the name is used up may only be stars, or (for a name
// without a dot) a dot followed by stars.
bool MatchesEmptyRest(const std::string& pat, std::size_t p, bool nameHasDot) {
  while (p < pat.size() && pat[p] == '*') ++p;
  if (p < pat.size() && pat[p] == '.' && !nameHasDot) {
    ++p;
    while (p < pat.size() && pat[p] == '*') ++p;
  }
  return p == pat.size();
}

}  // namespace

// Walks both texts by characters (byte positions stepped by character length), without
// copies: the file list matches every name of a folder against every pattern.
bool MatchesWildcard(const std::string& name, const std::string& pattern) {
  const bool nameHasDot = name.find('.') != std::string::npos;
  std::size_t t = 0, p = 0;
  std::size_t starP = std::string::npos, starT = 0;
  while (t < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starT = t;
    } else if (p < pattern.size() && (pattern[p] == '?' || SameChar(pattern, p, name, t))) {
      p += CharLengthAt(pattern, p);
      t += CharLengthAt(name, t);
    } else if (starP != std::string::npos) {
      p = starP + 1;
      starT += CharLengthAt(name, starT);
      t = starT;
    } else {
      return false;
    }
  }
  return MatchesEmptyRest(pattern, p, nameHasDot);
}

}  // namespace base

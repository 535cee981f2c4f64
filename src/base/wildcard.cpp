#include "base/wildcard.h"

#include <vector>

#include "base/sjis.h"

namespace base {
namespace {

std::vector<std::string> Characters(const std::string& text) {
  std::vector<std::string> chars;
  const std::string upper = UpperCase(text);
  for (std::size_t i = 0; i < upper.size();) {
    const std::size_t len = CharLengthAt(upper, i);
    chars.push_back(upper.substr(i, len));
    i += len;
  }
  return chars;
}

bool IsStar(const std::string& c) { return c == "*"; }

// What is left of the pattern once the name is used up may only be stars, or (for a name
// without a dot) a dot followed by stars.
bool MatchesEmptyRest(const std::vector<std::string>& pat, std::size_t p, bool nameHasDot) {
  while (p < pat.size() && IsStar(pat[p])) ++p;
  if (p < pat.size() && pat[p] == "." && !nameHasDot) {
    ++p;
    while (p < pat.size() && IsStar(pat[p])) ++p;
  }
  return p == pat.size();
}

}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
  const std::vector<std::string> text = Characters(name);
  const std::vector<std::string> pat = Characters(pattern);
  const bool nameHasDot = name.find('.') != std::string::npos;
  std::size_t t = 0, p = 0;
  std::size_t starP = std::string::npos, starT = 0;
  while (t < text.size()) {
    if (p < pat.size() && IsStar(pat[p])) {
      starP = p++;
      starT = t;
    } else if (p < pat.size() && (pat[p] == "?" || pat[p] == text[t])) {
      ++p;
      ++t;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  return MatchesEmptyRest(pat, p, nameHasDot);
}

}  // namespace base

#pragma once
// File-name patterns as the Windows file search reads them.
#include <string>

namespace base {

// Case-insensitive (ASCII) match of a bare file name against a pattern with "*" (any run)
// and "?" (one character, double-byte ones included). A trailing "." or ".*" also matches
// a name without a dot, so "*.*" lists every file and "*." the names without extension.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

}  // namespace base

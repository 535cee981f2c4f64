#pragma once
// Path text rules (Shift-JIS aware): trailing separators and name parts.
#include <string>
#include <vector>

namespace base {

// True when the last byte is a "\" that is a separator rather than the second byte of a
// double-byte character: the run of lead-range bytes right before it has even length.
bool EndsWithSeparator(const std::string& path);

// One "\" at the end; an empty path stays empty.
std::string AddTrailingSlash(const std::string& path);
// Removes one real trailing "\"; paths shorter than 4 bytes (a drive root) are kept.
std::string StripTrailingSlash(const std::string& path);

// Name parts as Delphi splits them, at the last real "\" or ":".
std::string ExtractFilePath(const std::string& path);  // folder with its "\" (or "C:")
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);  // with its dot; empty when none

// Splits at every real "\" (empty pieces kept, so "C:\a\" gives "C:", "a", "").
std::vector<std::string> SplitPath(const std::string& path);

}  // namespace base

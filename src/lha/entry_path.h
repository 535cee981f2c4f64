#pragma once
#include <optional>
#include <string>

namespace lha {

// Part after the last "/" or "\" (Shift-JIS aware).
std::string baseName(const std::string& path);

// Wildcard match of an entry name. "*" and "?" (one character, double-byte
// characters count as one), ASCII case ignored, "*.*" matches every name.
// A pattern without a folder is matched against the entry's own name only.
bool matchesPattern(const std::string& pattern, const std::string& entryName);

// Where an entry may be written below the target folder, "/"-separated, or
// nothing when the name is unsafe: ".." components, device names (CON, NUL,
// COM1 ...), control or reserved characters. Leading "/" and drive letters
// are dropped so absolute names land inside the target. keepFolders false
// keeps only the last component.
std::optional<std::string> safeRelativePath(const std::string& entryName, bool keepFolders);

}  // namespace lha

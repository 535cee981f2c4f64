#pragma once
// Text files of lines: Shift-JIS bytes, each line ended by CR LF.
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace base {

// Lines end at CR LF, a lone LF or a lone CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(const std::string& bytes);
// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

std::optional<std::vector<std::string>> LoadLines(platform::FileSystem& fs, const std::string& path);
// Replaces the file atomically.
bool SaveLines(platform::FileSystem& fs, const std::string& path,
               const std::vector<std::string>& lines);

}  // namespace base

#include "base/folder_ops.h"

#include <optional>
#include <vector>

#include "base/path.h"
#include "base/sjis.h"

namespace base {
namespace {

// The real path of the item of `parent` displayed as `name`: exact name first, then
// ignoring case. Items without a file-system path (virtual folders) cannot be entered.
std::optional<std::string> FindDisplayed(platform::ShellNamespace& shell, const std::string& parent,
                                         const std::string& name) {
  const auto items = shell.children(parent);
  for (const auto& item : items) {
    if (!item.path.empty() && item.displayName == name) return item.path;
  }
  for (const auto& item : items) {
    if (!item.path.empty() && SameTextIgnoringCase(item.displayName, name)) return item.path;
  }
  return std::nullopt;
}

bool HasDriveLetter(const std::string& path) { return path.size() >= 2 && path[1] == ':'; }

}  // namespace

bool ResolveFolderPath(platform::FileSystem& fs, platform::ShellNamespace& shell, std::string& path) {
  const bool trailing = EndsWithSeparator(path);
  std::vector<std::string> levels = SplitPath(trailing ? path.substr(0, path.size() - 1) : path);
  if (levels.size() <= 1) return true;
  std::string current = levels[0] + "\\";
  for (std::size_t i = 1; i < levels.size(); ++i) {
    const std::string asWritten = AddTrailingSlash(current) + levels[i];
    if (fs.folderExists(asWritten)) {
      current = asWritten;
      continue;
    }
    const auto found = FindDisplayed(shell, current, levels[i]);
    if (!found) return false;
    current = StripTrailingSlash(*found);
  }
  if (!HasDriveLetter(path)) return false;
  path = trailing ? AddTrailingSlash(current) : current;
  return true;
}

std::optional<std::string> UsableFolder(const std::string& stored, platform::FileSystem& fs,
                                        platform::ShellNamespace& shell) {
  std::string folder = StripTrailingSlash(stored);
  // A bare "\" names no folder of its own: it stands for an unset setting.
  if (folder.empty() || folder == "\\") return std::nullopt;
  if (!fs.folderExists(folder) && !ResolveFolderPath(fs, shell, folder)) return std::nullopt;
  if (!fs.folderExists(folder)) return std::nullopt;
  const std::string before = fs.currentFolder();
  const bool enterable = fs.setCurrentFolder(folder);
  fs.setCurrentFolder(before);
  if (!enterable) return std::nullopt;
  return AddTrailingSlash(folder);
}

bool ResolveFilePath(platform::FileSystem& fs, platform::ShellNamespace& shell, std::string& path) {
  std::string folder = ExtractFilePath(path);
  const std::string name = ExtractFileName(path);
  bool ok = true;
  if (!folder.empty() && !fs.folderExists(StripTrailingSlash(folder))) {
    folder = StripTrailingSlash(folder);
    ok = ResolveFolderPath(fs, shell, folder);
  }
  path = AddTrailingSlash(folder) + name;
  return ok;
}

void RemoveEmptyFolderChain(platform::FileSystem& fs, const std::string& path) {
  std::string folder = StripTrailingSlash(path);
  while (!folder.empty() && fs.removeFolder(folder)) {
    const std::string parent = StripTrailingSlash(ExtractFilePath(folder));
    if (parent == folder) break;
    folder = parent;
  }
}

}  // namespace base

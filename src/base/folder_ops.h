#pragma once
// Folder routines over the file system and the shell's names.
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/shell_namespace.h"

namespace base {

// Repairs a folder path typed with names the shell displays: walking down from the drive
// root, a level that does not exist as written is looked up among the display names of
// its parent's items (as written, then ignoring case) and replaced by that item's real
// path. On success with a drive-letter path the repaired path replaces `path`; a path of
// one level stays as it is and succeeds. On failure `path` is unchanged. Creates nothing.
bool ResolveFolderPath(platform::FileSystem& fs, platform::ShellNamespace& shell, std::string& path);

// The folder stored, repaired as above when needed, if it exists and can be entered, with its
// trailing "\"; none for an empty path, a bare "\" or a folder that is not usable. The
// current folder stays.
std::optional<std::string> UsableFolder(const std::string& stored, platform::FileSystem& fs,
                                        platform::ShellNamespace& shell);

// Repairs the folder part of a file path when that folder does not exist, then rebuilds
// the path as folder + "\" + name. False when the folder needed repair and it failed.
bool ResolveFilePath(platform::FileSystem& fs, platform::ShellNamespace& shell, std::string& path);

// Removes the folder, then its parents deepest first, up to the first that cannot go.
void RemoveEmptyFolderChain(platform::FileSystem& fs, const std::string& path);

}  // namespace base

#pragma once
// The shell's view of a folder: what the user sees (display names, possibly localised)
// next to where it really is on disk. Used to repair paths typed with display names.
#include <string>
#include <vector>

namespace platform {

struct ShellItem {
  std::string displayName;  // name shown inside its folder
  std::string path;         // file-system path; empty for virtual items
};

class ShellNamespace {
 public:
  virtual ~ShellNamespace() = default;
  // The items of a folder (given by file-system path); empty when it cannot be read.
  virtual std::vector<ShellItem> children(const std::string& folderPath) = 0;
};

}  // namespace platform

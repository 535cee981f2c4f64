#pragma once
#include "platform/shell_namespace.h"

namespace platform::win32 {

// The shell's folder items through IShellFolder: in-folder display names and the
// file-system path behind each.
class Win32ShellNamespace : public ShellNamespace {
 public:
  std::vector<ShellItem> children(const std::string& folderPath) override;
};

}  // namespace platform::win32

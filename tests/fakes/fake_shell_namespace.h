#pragma once
// The shell's items per folder, as a test lays them out.
#include <map>
#include <string>
#include <vector>

#include "platform/shell_namespace.h"

namespace fakes {

class FakeShellNamespace : public platform::ShellNamespace {
 public:
  // Adds an item shown as displayName inside folder, standing for path.
  void addItem(const std::string& folder, const std::string& displayName, const std::string& path);
  int queries = 0;

  std::vector<platform::ShellItem> children(const std::string& folderPath) override;

 private:
  static std::string keyOf(const std::string& folder);
  std::map<std::string, std::vector<platform::ShellItem>> items_;
};

}  // namespace fakes

#include "fakes/fake_shell_namespace.h"

#include "base/path.h"
#include "base/sjis.h"

namespace fakes {

std::string FakeShellNamespace::keyOf(const std::string& folder) {
  return base::UpperCase(base::AddTrailingSlash(folder));
}

void FakeShellNamespace::addItem(const std::string& folder, const std::string& displayName,
                                 const std::string& path) {
  items_[keyOf(folder)].push_back({displayName, path});
}

std::vector<platform::ShellItem> FakeShellNamespace::children(const std::string& folderPath) {
  ++queries;
  const auto it = items_.find(keyOf(folderPath));
  return it == items_.end() ? std::vector<platform::ShellItem>() : it->second;
}

}  // namespace fakes

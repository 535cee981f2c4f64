#pragma once
// Program groups and their items kept as shortcut files, as the shell shows them: a group is a
// folder under the user's Programs folder and an item a ".lnk" in it; the Startup folder is
// the startup group and the Desktop takes items the same way. Failures keep the texts of the
// old program-manager conversation.
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace desktop {

extern const char kGroupOpenFailed[];  // "DDE:オープンに失敗しました・・・"
extern const char kGroupSendFailed[];  // "DDE:送信に失敗しました・・・"

// A shell folder ("Programs", "Startup", "Desktop") as the user's registry records it, without
// a trailing "\"; empty when unknown.
std::string ShellFolder(platform::Registry& reg, const char* name);

class ProgramGroups {
 public:
  ProgramGroups(platform::Registry& reg, platform::FileSystem& fs, platform::Shell& shell)
      : reg_(reg), fs_(fs), shell_(shell) {}

  // The group names, sorted; nullopt when the Programs folder is unknown.
  std::optional<std::vector<std::string>> groups();
  // Programs + "\" + group; empty when the Programs folder is unknown.
  std::string groupFolder(const std::string& group);
  // Writes (add) or removes folder + "\" + title + ".lnk" starting target; adding makes the
  // folder when missing. Empty on success, else the failure text.
  std::string placeItem(const std::string& folder, const std::string& title, const std::string& target, bool add);
  // Removes the group's folder, only when nothing is left in it (a user's own items stay).
  void deleteGroup(const std::string& folder);

 private:
  platform::Registry& reg_;
  platform::FileSystem& fs_;
  platform::Shell& shell_;
};

}  // namespace desktop

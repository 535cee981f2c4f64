#include "desktop/program_groups.h"

#include <algorithm>

#include "base/path.h"

namespace desktop {

const char kGroupOpenFailed[] = "DDE:オープンに失敗しました・・・";
const char kGroupSendFailed[] = "DDE:送信に失敗しました・・・";

namespace {
const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}

std::string ShellFolder(platform::Registry& reg, const char* name) {
  return base::StripTrailingSlash(reg.readString(platform::Hive::CurrentUser, kShellFoldersKey, name).value_or(""));
}

std::optional<std::vector<std::string>> ProgramGroups::groups() {
  const std::string programs = ShellFolder(reg_, "Programs");
  if (programs.empty() || !fs_.folderExists(programs)) return std::nullopt;
  std::vector<std::string> names;
  for (auto& e : fs_.list(programs, "*.*"))
    if (e.attributes & platform::kAttrDirectory) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ProgramGroups::groupFolder(const std::string& group) {
  const std::string programs = ShellFolder(reg_, "Programs");
  return programs.empty() ? "" : programs + "\\" + group;
}

std::string ProgramGroups::placeItem(const std::string& folder, const std::string& title, const std::string& target,
                                     bool add) {
  if (folder.empty()) return kGroupOpenFailed;
  const std::string link = base::AddTrailingSlash(folder) + title + ".lnk";
  if (!add) return !fs_.fileExists(link) || fs_.removeFile(link) ? "" : kGroupSendFailed;
  if (!fs_.folderExists(folder) && !fs_.makeFolder(folder)) return kGroupSendFailed;
  return shell_.createShortcut(link, target, title) ? "" : kGroupSendFailed;
}

void ProgramGroups::deleteGroup(const std::string& folder) {
  if (!folder.empty()) fs_.removeFolder(folder);
}

}  // namespace desktop

#include "app/data_folder.h"

#include "core/settings.h"
#include "base/folder_ops.h"
#include "base/path.h"

namespace app {

bool IsNoFolder(const std::string& folder) {
  return folder.empty() || folder == "\\" || folder == core::kNoFolder;
}

std::string DataFolderOf(const std::string& exePath) {
  return base::AddTrailingSlash(base::ExtractFilePath(exePath));
}

std::string UsableFolderSetting(const std::string& stored, platform::FileSystem& fs,
                                platform::ShellNamespace& shell) {
  if (IsNoFolder(stored)) return core::kNoFolder;
  return base::UsableFolder(stored, fs, shell).value_or(core::kNoFolder);
}

std::string RegisteredDataPath(platform::Registry& reg, platform::FileSystem& fs,
                               platform::ShellNamespace& shell) {
  auto stored = reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "DATA_PATH");
  const std::string path = UsableFolderSetting(stored.value_or(""), fs, shell);
  if (path != core::kNoFolder) fs.setCurrentFolder(base::StripTrailingSlash(path));
  return path;
}

void PrepareWorkingFolder(const std::string& folder, platform::FileSystem& fs,
                          platform::ShellNamespace& shell) {
  std::string path = base::StripTrailingSlash(folder);
  if (fs.folderExists(path)) return;
  if (base::ResolveFolderPath(fs, shell, path) && fs.folderExists(path)) return;
  fs.makeFolder(base::StripTrailingSlash(folder));
}

void CleanWorkingFolder(const std::string& folder, platform::FileSystem& fs) {
  const std::string dir = base::AddTrailingSlash(folder);
  for (auto& e : fs.list(base::StripTrailingSlash(dir), "*.*"))
    if (!(e.attributes & platform::kAttrDirectory)) fs.removeFile(dir + e.name);
}

}  // namespace app

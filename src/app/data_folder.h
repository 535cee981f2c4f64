#pragma once
// The data folder, the registered data path, the extraction folder and the working folders.
#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_namespace.h"

namespace app {

// The record of a fault that ended the player, kept in the data folder.
inline constexpr char kCrashLogName[] = "CRASH$$$.TXT";

// Empty, "\" or "@@@@@\": a folder setting that holds no folder.
bool IsNoFolder(const std::string& folder);

// The folder of the executable with a trailing "\".
std::string DataFolderOf(const std::string& exePath);

// "DATA_PATH": the registered data path with "\", or "@@@@@\" when unset or unusable. A usable
// one becomes the process's current folder.
std::string RegisteredDataPath(platform::Registry& reg, platform::FileSystem& fs,
                               platform::ShellNamespace& shell);

// A usable folder setting with its trailing "\" (see base::UsableFolder); otherwise "@@@@@\".
std::string UsableFolderSetting(const std::string& stored, platform::FileSystem& fs,
                                platform::ShellNamespace& shell);

// Makes sure a working folder ("LZH_TEMP\", "LZH_POPM\") exists; failures stay silent.
void PrepareWorkingFolder(const std::string& folder, platform::FileSystem& fs,
                          platform::ShellNamespace& shell);

// Deletes every file in a working folder; the folder itself stays.
void CleanWorkingFolder(const std::string& folder, platform::FileSystem& fs);

}  // namespace app

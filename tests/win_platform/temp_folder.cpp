#include "temp_folder.h"

#include <windows.h>

#include "base/path.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text.h"

namespace wintest {

void RemoveTree(const std::string& folder) {
  platform::win32::Win32FileSystem fs;
  for (const auto& entry : fs.list(folder, "*.*")) {
    const std::string path = base::AddTrailingSlash(folder) + entry.name;
    SetFileAttributesW(platform::win32::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (entry.attributes & platform::kAttrDirectory) RemoveTree(path);
    else fs.removeFile(path);
  }
  fs.removeFolder(folder);
}

TempFolder::TempFolder(const std::string& name) {
  wchar_t temp[MAX_PATH + 1];
  GetTempPathW(MAX_PATH, temp);
  path_ = base::AddTrailingSlash(platform::win32::FromWide(temp)) + name + "_" +
          std::to_string(GetCurrentProcessId()) + "\\";
  RemoveTree(base::StripTrailingSlash(path_));
  platform::win32::Win32FileSystem fs;
  fs.makeFolder(base::StripTrailingSlash(path_));
}

TempFolder::~TempFolder() { RemoveTree(base::StripTrailingSlash(path_)); }

}  // namespace wintest

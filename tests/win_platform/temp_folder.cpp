#include "temp_folder.h"

#include <windows.h>

#include "base/path.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text.h"

namespace wintest {
namespace {

void RemoveTree(platform::FileSystem& fs, const std::string& folder) {
  for (const auto& entry : fs.list(folder, "*.*")) {
    const std::string path = base::AddTrailingSlash(folder) + entry.name;
    SetFileAttributesW(platform::win32::ToWide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (entry.attributes & platform::kAttrDirectory) RemoveTree(fs, path);
    else fs.removeFile(path);
  }
  fs.removeFolder(folder);
}

}  // namespace

TempFolder::TempFolder(const std::string& name) {
  wchar_t temp[MAX_PATH + 1];
  GetTempPathW(MAX_PATH, temp);
  path_ = base::AddTrailingSlash(platform::win32::FromWide(temp)) + name + "_" +
          std::to_string(GetCurrentProcessId()) + "\\";
  platform::win32::Win32FileSystem fs;
  RemoveTree(fs, base::StripTrailingSlash(path_));
  fs.makeFolder(base::StripTrailingSlash(path_));
}

TempFolder::~TempFolder() {
  platform::win32::Win32FileSystem fs;
  RemoveTree(fs, base::StripTrailingSlash(path_));
}

}  // namespace wintest

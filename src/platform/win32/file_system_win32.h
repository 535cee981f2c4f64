#pragma once
#include "platform/file_system.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool fileExists(const std::string& path) override;
  bool folderExists(const std::string& path) override;
  std::optional<std::string> readAll(const std::string& path) override;
  bool writeAtomic(const std::string& path, const std::string& bytes) override;
  bool rename(const std::string& from, const std::string& to) override;
  bool removeFile(const std::string& path) override;
  bool makeFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  std::vector<FileEntry> list(const std::string& folder, const std::string& pattern) override;
  std::optional<FileEntry> stat(const std::string& path) override;
  std::unique_ptr<OpenFile> openRead(const std::string& path) override;
  std::unique_ptr<OpenFile> create(const std::string& path) override;
  bool setCurrentFolder(const std::string& path) override;
  std::string currentFolder() override;
  std::string fullPath(const std::string& path) override;
  std::string longPath(const std::string& path) override;
  std::string windowsFolder() override;
};

}  // namespace platform::win32

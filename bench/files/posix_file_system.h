#pragma once
// A file system on a real POSIX folder, for timing the player's file work natively: drive C:
// is the folder given, "\" becomes "/". Replacing a file writes a temporary file, flushes it
// to the disk and renames it over, as the Windows implementation does. Bench use only: names
// are taken as bytes, without the case folding of Windows.
#include <string>

#include "platform/file_system.h"

namespace bench {

class PosixFileSystem : public platform::FileSystem {
 public:
  explicit PosixFileSystem(std::string root) : root_(std::move(root)) {}

  bool fileExists(const std::string& path) override;
  bool folderExists(const std::string& path) override;
  std::optional<std::string> readAll(const std::string& path) override;
  bool writeAtomic(const std::string& path, const std::string& bytes) override;
  bool rename(const std::string& from, const std::string& to) override;
  bool removeFile(const std::string& path) override;
  bool makeFolder(const std::string& path) override;
  bool removeFolder(const std::string& path) override;
  std::vector<platform::FileEntry> list(const std::string& folder, const std::string& pattern) override;
  std::optional<platform::FileEntry> stat(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> openRead(const std::string& path) override;
  std::unique_ptr<platform::OpenFile> create(const std::string& path) override;
  bool setCurrentFolder(const std::string& path) override;
  std::string currentFolder() override { return current_; }
  std::string fullPath(const std::string& path) override;
  std::string longPath(const std::string& path) override { return path; }
  std::string windowsFolder() override { return "C:\\WINDOWS\\"; }

 private:
  // The host path of a "C:\..." path; empty for any other drive.
  std::string host(const std::string& path);
  std::string root_;
  std::string current_ = "C:\\";
};

}  // namespace bench

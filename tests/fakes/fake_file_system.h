#pragma once
// An in-memory file system that behaves like Windows where the player can tell: names are
// case-insensitive, read-only files cannot be replaced or deleted, a file open for reading
// cannot be created over, and failures can be injected at a chosen byte.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/file_system.h"

namespace fakes {

class FakeFileSystem : public platform::FileSystem {
 public:
  FakeFileSystem();

  // Set-up. Folders are made with all their parents ("C:\" included).
  void addFolder(const std::string& path, std::uint32_t attributes = platform::kAttrDirectory);
  void addFile(const std::string& path, const std::string& bytes,
               std::uint32_t attributes = platform::kAttrArchive, platform::FileTime time = 0);
  void setAttributes(const std::string& path, std::uint32_t attributes);
  // The file time every write stamps (as the system clock would).
  void setWriteTime(platform::FileTime time) { writeTime_ = time; }

  // Failures. Read and write limits count bytes from the opening of the file.
  void failReadAfter(const std::string& path, std::uint64_t bytes);
  void failWriteAfter(const std::string& path, std::uint64_t bytes);
  void failCreate(const std::string& path);
  void failAtomicWrites(bool fail) { failAtomic_ = fail; }

  // Inspection.
  std::optional<std::string> contents(const std::string& path) const;
  int openHandles() const { return openHandles_; }

  // platform::FileSystem
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
  std::string currentFolder() override;
  std::string fullPath(const std::string& path) override;
  std::string longPath(const std::string& path) override;
  std::string windowsFolder() override;

 private:
  friend class FakeOpenFile;
  struct Node {
    std::string path;  // as created
    bool folder = false;
    std::uint32_t attributes = 0;
    std::string data;
    platform::FileTime lastWrite = 0;
    int readers = 0;
    bool writer = false;
  };

  std::string keyOf(const std::string& path);
  static std::string parentKey(const std::string& key);
  Node* find(const std::string& path);
  Node* findFile(const std::string& path);
  bool parentExists(const std::string& key) const;
  bool hasChildren(const std::string& key) const;

  std::map<std::string, Node> nodes_;  // by upper-cased full path, no trailing "\"
  std::map<std::string, std::uint64_t> readLimits_, writeLimits_;
  std::set<std::string> createFailures_;
  std::string current_ = "C:\\";
  std::string windowsFolder_ = "C:\\WINDOWS\\";
  platform::FileTime writeTime_ = 0;
  bool failAtomic_ = false;
  int openHandles_ = 0;
};

}  // namespace fakes

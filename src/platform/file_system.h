#pragma once
// File system access. Paths are CP932 byte strings with "\" separators.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Attribute bits as the file system reports them.
enum FileAttr : std::uint32_t {
  kAttrReadOnly = 0x01,
  kAttrHidden = 0x02,
  kAttrSystem = 0x04,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrNormal = 0x80,
};

// 100-nanosecond intervals since 1601-01-01 UTC.
using FileTime = std::uint64_t;

struct FileEntry {
  std::string name;  // bare name, no folder
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  FileTime lastWrite = 0;
};

// An open file for the buffered copy and similar streaming work.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // Bytes read (0 at the end); -1 on a read error.
  virtual long long read(void* buffer, std::size_t bytes) = 0;
  // False on a write error (including a short write).
  virtual bool write(const void* buffer, std::size_t bytes) = 0;
  virtual std::optional<FileTime> lastWriteTime() = 0;
  virtual bool setLastWriteTime(FileTime time) = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool fileExists(const std::string& path) = 0;
  virtual bool folderExists(const std::string& path) = 0;
  virtual std::optional<std::string> readAll(const std::string& path) = 0;
  // Replaces the file whole: written to a temporary file in the same folder, then renamed
  // over the old one, so a crash never leaves half a file.
  virtual bool writeAtomic(const std::string& path, const std::string& bytes) = 0;
  virtual bool rename(const std::string& from, const std::string& to) = 0;
  virtual bool removeFile(const std::string& path) = 0;
  // One level only; false when the parent is missing or the folder exists.
  virtual bool makeFolder(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;
  // Entries of folder matching pattern ("*.WAV", "*.*"); "." and ".." are left out.
  virtual std::vector<FileEntry> list(const std::string& folder, const std::string& pattern) = 0;
  virtual std::optional<FileEntry> stat(const std::string& path) = 0;
  virtual std::unique_ptr<OpenFile> openRead(const std::string& path) = 0;
  // Creates or replaces the file, opened for writing without sharing.
  virtual std::unique_ptr<OpenFile> create(const std::string& path) = 0;
  virtual bool setCurrentFolder(const std::string& path) = 0;
  virtual std::string currentFolder() = 0;
  // Makes an absolute path of a relative one (against the current folder).
  virtual std::string fullPath(const std::string& path) = 0;
  // The long-name form of an existing path, component by component; the input when unknown.
  virtual std::string longPath(const std::string& path) = 0;
  // The Windows directory, with a trailing "\".
  virtual std::string windowsFolder() = 0;
};

}  // namespace platform

#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lha/sink.h"

namespace lha {

struct FileInfo {
  bool exists = false;
  bool isDirectory = false;
  int64_t mtime = 0;      // seconds since 1970, UTC
  uint16_t unixMode = 0;  // 0 where the system has none
};

// A file being written. Its bytes go to a temporary file beside the target;
// commit() moves it over the target, destruction without commit removes it,
// so a failed extraction or rewrite never leaves a partial file.
class OutputFile : public ByteSink {
public:
  virtual bool commit(int64_t mtime) = 0;
};

// The file operations the archive commands need. Paths are Shift-JIS bytes
// with "/" or "\" separators; each system converts them its own way.
class FileSystem {
public:
  virtual ~FileSystem() = default;
  virtual bool readFile(const std::string& path, std::vector<uint8_t>& out) = 0;
  virtual FileInfo stat(const std::string& path) = 0;
  virtual bool makeDirectories(const std::string& path) = 0;
  virtual std::unique_ptr<OutputFile> create(const std::string& path) = 0;
  // Operating-system id written into new headers ('U' Unix, 'M' MS-DOS/Windows).
  virtual char osId() const = 0;
};

}  // namespace lha

#pragma once
#include "lha/file_system.h"

namespace lha {

// File access through POSIX calls; names are passed through as bytes.
class PosixFileSystem : public FileSystem {
public:
  bool readFile(const std::string& path, std::vector<uint8_t>& out) override;
  FileInfo stat(const std::string& path) override;
  bool makeDirectories(const std::string& path) override;
  std::unique_ptr<OutputFile> create(const std::string& path) override;
  char osId() const override { return 'U'; }
};

}  // namespace lha

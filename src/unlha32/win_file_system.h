#pragma once
#include "lha/file_system.h"

namespace unlha {

// File access through the wide Win32 calls. Paths arrive as Shift-JIS and
// are converted with code page 932 whatever the system's own code page.
class WinFileSystem : public lha::FileSystem {
public:
  bool readFile(const std::string& path, std::vector<uint8_t>& out) override;
  lha::FileInfo stat(const std::string& path) override;
  bool makeDirectories(const std::string& path) override;
  std::unique_ptr<lha::OutputFile> create(const std::string& path) override;
  char osId() const override { return 'M'; }
};

}  // namespace unlha

#pragma once
// The archive library with the project's own LHA code behind it, on the player's file system:
// what UnLha32.dll does, on any host. It doubles as the failing library: missing whole or
// missing one entry point.
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/unlha_library.h"

namespace fakes {

class LhaUnlhaLoader : public platform::UnlhaLoader {
 public:
  explicit LhaUnlhaLoader(platform::FileSystem& fs) : fs_(fs) {}
  std::unique_ptr<platform::UnlhaLibrary> Load(const std::vector<std::string>& entryPoints) override;

  bool libraryMissing = false;
  std::string missingEntryPoint;
  std::vector<std::string> commandLines;  // every command line run, in order
  int loaded = 0;                         // libraries loaded and not yet released

 private:
  friend class LhaUnlha;
  platform::FileSystem& fs_;
};

// Writes an archive of (entry name, bytes) at path; entry names may carry "DIR/".
void MakeArchive(platform::FileSystem& fs, const std::string& path,
                 const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace fakes

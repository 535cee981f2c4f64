#pragma once
// The LHA archive library ("UnLha32.dll"), loaded by name for one operation and released when
// the loaded object is destroyed. Results follow the library: 0 is success, anything else a
// failure; an archive handle of 0 is a failed open.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class UnlhaLibrary {
 public:
  virtual ~UnlhaLibrary() = default;
  // Runs one command line; the library's text, at most outputSize bytes, lands in output.
  virtual int Unlha(const std::string& commandLine, std::string& output, std::uint32_t outputSize) = 0;
  virtual std::uintptr_t OpenArchive(const std::string& path, std::uint32_t mode) = 0;
  // The entry's stored name ("/" between its folders) comes back in name.
  virtual int FindFirst(std::uintptr_t archive, const std::string& pattern, std::string& name) = 0;
  virtual int FindNext(std::uintptr_t archive, std::string& name) = 0;
  virtual void CloseArchive(std::uintptr_t archive) = 0;
};

class UnlhaLoader {
 public:
  virtual ~UnlhaLoader() = default;
  // Loads the library and resolves every named entry point; nothing when the library or any
  // of them is missing (the library is then released at once).
  virtual std::unique_ptr<UnlhaLibrary> Load(const std::vector<std::string>& entryPoints) = 0;
};

}  // namespace platform

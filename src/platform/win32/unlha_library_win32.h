#pragma once
#include <cstdint>

#include "platform/unlha_library.h"

namespace platform::win32 {

// "UnLha32.DLL" from the program's folder (or the system's search path), loaded per operation.
class Win32UnlhaLoader : public UnlhaLoader {
 public:
  // The main window, the owner of anything the library shows.
  void setOwner(std::uintptr_t window) { owner_ = window; }
  std::unique_ptr<UnlhaLibrary> Load(const std::vector<std::string>& entryPoints) override;

 private:
  std::uintptr_t owner_ = 0;
};

}  // namespace platform::win32

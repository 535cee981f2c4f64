#include "platform/win32/unlha_library_win32.h"

#include <windows.h>

#include <cstring>
#include <map>

namespace platform::win32 {

namespace {

using UnlhaFn = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
using OpenFn = HANDLE(WINAPI*)(HWND, LPCSTR, DWORD);
using FindFirstFn = int(WINAPI*)(HANDLE, LPCSTR, void*);
using FindNextFn = int(WINAPI*)(HANDLE, void*);
using CloseFn = int(WINAPI*)(HANDLE);

// The entry record: the library writes its name field at this offset; the rest is not read.
constexpr std::size_t kRecordBytes = 1024, kNameOffset = 26, kNameBytes = 513;

template <class Fn>
Fn resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string nameOf(const unsigned char* record) {
  const char* name = reinterpret_cast<const char*>(record + kNameOffset);
  return std::string(name, strnlen(name, kNameBytes));
}

class LoadedUnlha : public UnlhaLibrary {
 public:
  LoadedUnlha(HMODULE module, HWND owner) : module_(module), owner_(owner) {
    unlha_ = resolve<UnlhaFn>(module, "Unlha");
    open_ = resolve<OpenFn>(module, "UnlhaOpenArchive");
    first_ = resolve<FindFirstFn>(module, "UnlhaFindFirst");
    next_ = resolve<FindNextFn>(module, "UnlhaFindNext");
    close_ = resolve<CloseFn>(module, "UnlhaCloseArchive");
  }
  ~LoadedUnlha() override { FreeLibrary(module_); }

  int Unlha(const std::string& commandLine, std::string& output, std::uint32_t outputSize) override {
    std::string buffer(outputSize + 2, '\0');  // a little beyond the size the library is told
    const int rc = unlha_(owner_, commandLine.c_str(), buffer.data(), outputSize);
    output.assign(buffer.c_str());
    return rc;
  }
  std::uintptr_t OpenArchive(const std::string& path, std::uint32_t mode) override {
    return reinterpret_cast<std::uintptr_t>(open_(owner_, path.c_str(), mode));
  }
  int FindFirst(std::uintptr_t archive, const std::string& pattern, std::string& name) override {
    unsigned char record[kRecordBytes] = {};
    const int rc = first_(reinterpret_cast<HANDLE>(archive), pattern.c_str(), record);
    if (rc == 0) name = nameOf(record);
    return rc;
  }
  int FindNext(std::uintptr_t archive, std::string& name) override {
    unsigned char record[kRecordBytes] = {};
    const int rc = next_(reinterpret_cast<HANDLE>(archive), record);
    if (rc == 0) name = nameOf(record);
    return rc;
  }
  void CloseArchive(std::uintptr_t archive) override { close_(reinterpret_cast<HANDLE>(archive)); }

 private:
  HMODULE module_;
  HWND owner_;
  UnlhaFn unlha_;
  OpenFn open_;
  FindFirstFn first_;
  FindNextFn next_;
  CloseFn close_;
};

}  // namespace

std::unique_ptr<UnlhaLibrary> Win32UnlhaLoader::Load(const std::vector<std::string>& entryPoints) {
  HMODULE module = LoadLibraryW(L"UnLha32.DLL");
  if (!module) return nullptr;
  for (const std::string& name : entryPoints) {
    if (!GetProcAddress(module, name.c_str())) {
      FreeLibrary(module);
      return nullptr;
    }
  }
  return std::make_unique<LoadedUnlha>(module, reinterpret_cast<HWND>(owner_));
}

}  // namespace platform::win32

#include "dropped_files.h"

#include <shlobj.h>

namespace e2e {

bool DropFiles(HWND target, HANDLE process, const std::vector<std::wstring>& paths) {
  // DROPFILES, then the wide names each ended by a null, then one more null.
  std::wstring names;
  for (auto& p : paths) names += p + L'\0';
  names += L'\0';
  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.fWide = TRUE;
  const std::size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
  std::string block(bytes, '\0');
  memcpy(block.data(), &header, sizeof(header));
  memcpy(block.data() + sizeof(header), names.data(), names.size() * sizeof(wchar_t));
  // A fixed global handle is the block's address, so memory placed in the target serves as one.
  void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!remote) return false;
  SIZE_T written = 0;
  if (!WriteProcessMemory(process, remote, block.data(), bytes, &written) || written != bytes) {
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return false;
  }
  return PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != 0;
}

}  // namespace e2e

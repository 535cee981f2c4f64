// The library's exported entry points (stdcall, names undecorated through
// unlha32.def). Everything behind them is portable and tested on the host.
#include <windows.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

#include "unlha32/commands.h"
#include "unlha32/entry_record.h"
#include "unlha32/win_file_system.h"

namespace {

std::mutex gLock;
std::atomic<int> gRunning{0};
std::map<uintptr_t, std::unique_ptr<unlha::ArchiveListing>> gOpen;
uintptr_t gNextHandle = 0x1000;

// Marks a call as running for UnlhaGetRunning.
struct RunningScope {
  RunningScope() { ++gRunning; }
  ~RunningScope() { --gRunning; }
};

unlha::ArchiveListing* findOpen(HANDLE h) {
  auto it = gOpen.find(reinterpret_cast<uintptr_t>(h));
  return it == gOpen.end() ? nullptr : it->second.get();
}

int report(const lha::Entry* e, void* record) {
  if (!e) return -1;  // no further entry
  if (record) unlha::fillRecord(*e, static_cast<uint8_t*>(record));
  return 0;
}

}  // namespace

extern "C" {

int WINAPI Unlha(HWND, LPCSTR commandLine, LPSTR output, DWORD outputSize) {
  RunningScope running;
  std::lock_guard<std::mutex> lock(gLock);
  try {
    if (!commandLine) return unlha::kErrorCommandLine;
    unlha::WinFileSystem fs;
    std::string text;
    int rc = unlha::runCommand(fs, commandLine, text);
    unlha::copyToBuffer(text, output, outputSize);
    return rc;
  } catch (...) {
    unlha::copyToBuffer("internal error\r\n", output, outputSize);
    return unlha::kErrorInternal;
  }
}

HANDLE WINAPI UnlhaOpenArchive(HWND, LPCSTR path, DWORD) {
  RunningScope running;
  std::lock_guard<std::mutex> lock(gLock);
  try {
    if (!path) return nullptr;
    unlha::WinFileSystem fs;
    auto listing = std::make_unique<unlha::ArchiveListing>();
    if (!listing->open(fs, path)) return nullptr;
    uintptr_t h = gNextHandle++;
    gOpen[h] = std::move(listing);
    return reinterpret_cast<HANDLE>(h);
  } catch (...) {
    return nullptr;
  }
}

int WINAPI UnlhaFindFirst(HANDLE archive, LPCSTR pattern, void* record) {
  std::lock_guard<std::mutex> lock(gLock);
  try {
    unlha::ArchiveListing* listing = findOpen(archive);
    if (!listing) return unlha::kErrorNoArchive;
    return report(listing->findFirst(pattern ? pattern : ""), record);
  } catch (...) {
    return unlha::kErrorInternal;
  }
}

int WINAPI UnlhaFindNext(HANDLE archive, void* record) {
  std::lock_guard<std::mutex> lock(gLock);
  try {
    unlha::ArchiveListing* listing = findOpen(archive);
    if (!listing) return unlha::kErrorNoArchive;
    return report(listing->findNext(), record);
  } catch (...) {
    return unlha::kErrorInternal;
  }
}

int WINAPI UnlhaCloseArchive(HANDLE archive) {
  std::lock_guard<std::mutex> lock(gLock);
  return gOpen.erase(reinterpret_cast<uintptr_t>(archive)) ? 0 : -1;
}

BOOL WINAPI UnlhaGetRunning(void) { return gRunning.load() > 0; }

}  // extern "C"

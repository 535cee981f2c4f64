#include "platform/win32/drives_win32.h"

#include <windows.h>

#include <cctype>

#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

// An empty floppy or CD drive would otherwise ask the user to insert a disk.
class QuietErrors {
 public:
  QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~QuietErrors() { SetErrorMode(old_); }

 private:
  UINT old_;
};

std::wstring rootOf(char letter) {
  return {static_cast<wchar_t>(std::toupper(static_cast<unsigned char>(letter))), L':', L'\\'};
}

DriveType typeOf(UINT type) {
  switch (type) {
    case DRIVE_NO_ROOT_DIR: return DriveType::NoRootFolder;
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOTE: return DriveType::Remote;
    case DRIVE_CDROM: return DriveType::CdRom;
    case DRIVE_RAMDISK: return DriveType::RamDisk;
    default: return DriveType::Unknown;
  }
}

}  // namespace

std::vector<Drive> Win32Drives::list() {
  std::vector<Drive> drives;
  const DWORD mask = GetLogicalDrives();
  for (int i = 0; i < 26; ++i) {
    if (!(mask & (1u << i))) continue;
    const char letter = static_cast<char>('A' + i);
    drives.push_back({letter, typeOf(GetDriveTypeW(rootOf(letter).c_str()))});
  }
  return drives;
}

std::optional<std::string> Win32Drives::volumeLabel(char letter) {
  QuietErrors quiet;
  wchar_t name[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(rootOf(letter).c_str(), name, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
    return std::nullopt;
  return FromWide(name);
}

bool Win32Drives::isReady(char letter) {
  QuietErrors quiet;
  ULARGE_INTEGER total{};
  return GetDiskFreeSpaceExW(rootOf(letter).c_str(), nullptr, &total, nullptr) != 0;
}

std::optional<Drives::Space> Win32Drives::space(char letter) {
  QuietErrors quiet;
  ULARGE_INTEGER free{}, total{};
  if (!GetDiskFreeSpaceExW(rootOf(letter).c_str(), &free, &total, nullptr)) return std::nullopt;
  return Space{free.QuadPart, total.QuadPart};
}

}  // namespace platform::win32

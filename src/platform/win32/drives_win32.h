#pragma once
#include "platform/drives.h"

namespace platform::win32 {

// Drives through GetLogicalDrives, GetDriveTypeW, GetVolumeInformationW and
// GetDiskFreeSpaceExW, with critical-error pop-ups switched off while a drive is asked.
class Win32Drives : public Drives {
 public:
  std::vector<Drive> list() override;
  std::optional<std::string> volumeLabel(char letter) override;
  bool isReady(char letter) override;
  std::optional<Space> space(char letter) override;
};

}  // namespace platform::win32

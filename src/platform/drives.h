#pragma once
// The machine's drives: which letters exist and of what kind, their volume labels and
// whether a medium can be read. Asking never brings up the system's "no disk" pop-ups.
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class DriveType { Unknown, NoRootFolder, Removable, Fixed, Remote, CdRom, RamDisk };

struct Drive {
  char letter = 0;  // 'A' .. 'Z'
  DriveType type = DriveType::Unknown;
};

class Drives {
 public:
  virtual ~Drives() = default;
  // Every drive letter in use, in alphabetical order, with its type.
  virtual std::vector<Drive> list() = 0;
  // The volume label; nothing when the volume cannot be read (no medium, no drive).
  virtual std::optional<std::string> volumeLabel(char letter) = 0;
  // Ready: the drive's total size can be read.
  virtual bool isReady(char letter) = 0;
  // Free and total bytes of the medium; nothing when the drive has none.
  struct Space {
    unsigned long long free = 0, total = 0;
  };
  virtual std::optional<Space> space(char letter) = 0;
};

}  // namespace platform

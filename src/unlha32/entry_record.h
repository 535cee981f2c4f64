#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lha/file_system.h"
#include "lha/header.h"

namespace unlha {

// The entry record handed to find-first/next callers. Layout (little endian):
//   0 original size, 4 packed size, 8 CRC (all 32-bit), 12 flags, 16 OS type (32-bit),
//   20 ratio per mille, 22 MS-DOS date, 24 MS-DOS time (16-bit),
//   26 entry name (513 bytes, NUL-terminated Shift-JIS, "/" between folders),
//   539 padding (3), 542 attribute text (8), 550 method text (8).
constexpr size_t kRecordSize = 558;
constexpr size_t kRecordNameOffset = 26;
constexpr size_t kRecordNameSize = 513;

// Writes exactly kRecordSize bytes.
void fillRecord(const lha::Entry& entry, uint8_t* record);

// The entries of an open archive, walked by find-first/next. Folder entries
// are left out: callers want the files.
class ArchiveListing {
public:
  bool open(lha::FileSystem& fs, const std::string& path);
  const lha::Entry* findFirst(const std::string& pattern);
  const lha::Entry* findNext();

private:
  std::vector<lha::Entry> entries_;
  std::string pattern_;
  size_t next_ = 0;
};

}  // namespace unlha

#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lha/method.h"

namespace lha {

// One archive member as described by its header.
struct Entry {
  std::string methodText;  // the five method bytes as stored
  Method method = Method::Unsupported;
  std::string name;        // Shift-JIS bytes as stored, folders separated by "/"
  uint64_t packedSize = 0;
  uint64_t originalSize = 0;
  int64_t mtime = 0;       // seconds since 1970, UTC
  uint16_t crc = 0;        // CRC-16 of the original bytes
  uint8_t dosAttributes = 0x20;
  uint16_t unixMode = 0;   // 0 when the header carries none
  int level = 2;
  char osId = 'M';
  size_t headerOffset = 0;  // where the header starts in the archive
  size_t dataOffset = 0;    // where the packed bytes start

  bool isDirectory() const { return method == Method::Directory; }
  bool isSymlink() const { return (unixMode & 0170000) == 0120000; }
};

enum class HeaderStatus { Ok, End, Corrupt };

// Reads the header at `offset`. End: the end marker or the end of the data.
// Corrupt: anything inconsistent, including packed bytes beyond the data.
HeaderStatus readHeader(const uint8_t* data, size_t size, size_t offset, Entry& entry);

// A level-2 header for the entry (name, method, sizes, time, CRC, attributes).
std::vector<uint8_t> writeHeaderLevel2(const Entry& entry);

// MS-DOS packed local time (date in the high word) and Unix time, taken as UTC.
int64_t dosTimeToUnix(uint32_t dos);
uint32_t unixToDosTime(int64_t t);

}  // namespace lha

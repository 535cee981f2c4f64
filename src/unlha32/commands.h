#pragma once
#include <cstdint>
#include <string>

#include "lha/file_system.h"

namespace unlha {

// Results of the library's calls: 0 success, anything else a failure.
enum ResultCode : int {
  kOk = 0,
  kErrorCommandLine = 0x8001,
  kErrorNoArchive = 0x8002,
  kErrorBadArchive = 0x8003,
  kErrorNoMatch = 0x8004,
  kErrorBadData = 0x8005,
  kErrorUnsafeName = 0x8006,
  kErrorUnsupported = 0x8007,
  kErrorReadFile = 0x8008,
  kErrorWriteFile = 0x8009,
  kErrorInternal = 0x800A,
};

// Runs one command line (e, x, d, a, l, v, t) against the file system;
// `output` receives the listing or the per-entry messages.
int runCommand(lha::FileSystem& fs, const std::string& commandLine, std::string& output);

// Copies text into a caller's buffer of `size` bytes, always NUL-terminated
// when size > 0, never splitting a double-byte character, never writing past size.
void copyToBuffer(const std::string& text, char* buffer, uint32_t size);

}  // namespace unlha

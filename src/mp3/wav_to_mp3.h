// WAV to MPEG Layer-3 WAVE conversion of one file: the per-file contract of the
// conversion command (source path in, output path out, success, error, sizes).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "mp3/target_format.h"

namespace zelcor::mp3 {

struct ConversionResult {
  bool ok = false;
  std::string error;           // one line, empty on success
  uint64_t source_bytes = 0;   // size of the source file
  uint64_t output_bytes = 0;   // size of the file written
};

// How files are read and written; the default uses the C library with the path
// bytes as given. Callers with their own file layer (code pages) pass theirs.
struct FileAccess {
  std::function<bool(const std::string& path, std::vector<uint8_t>* bytes)> read;
  std::function<bool(const std::string& path, const std::vector<uint8_t>& bytes)> write;
};
FileAccess StdioFileAccess();

// Told now and then how much of the audio is encoded (per mille); answering false stops
// the encoding, which then fails with kStopped.
using Progress = std::function<bool(int permille)>;
inline constexpr char kStopped[] = "stopped";

// In memory: a RIFF WAVE PCM image in, a RIFF WAVE (tag 0x0055) image out.
// Returns an empty string on success, else the error.
std::string EncodeWavImage(const uint8_t* wav, size_t size, const TargetFormat& format, std::vector<uint8_t>* out,
                           const Progress& progress = {});
inline std::string EncodeWavImage(const std::vector<uint8_t>& wav, const TargetFormat& format,
                                  std::vector<uint8_t>* out, const Progress& progress = {}) {
  return EncodeWavImage(wav.data(), wav.size(), format, out, progress);
}

ConversionResult ConvertWavFile(const std::string& source_path, const std::string& output_path,
                                const TargetFormat& format, const FileAccess& files = StdioFileAccess());

}  // namespace zelcor::mp3

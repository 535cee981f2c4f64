// WAV to MPEG Layer-3 WAVE conversion of one file: the per-file contract of the
// conversion command (source path in, output path out, success, error, sizes).
// The conversion streams: it reads, resamples, encodes and writes a block at a time,
// so its memory does not grow with the length of the file.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "mp3/target_format.h"
#include "mp3/wav_reader.h"

namespace zelcor::mp3 {

struct ConversionResult {
  bool ok = false;
  std::string error;           // one line, empty on success
  uint64_t source_bytes = 0;   // size of the source file
  uint64_t output_bytes = 0;   // size of the file written
};

// Told now and then how much of the audio is encoded (per mille); answering false stops
// the encoding, which then fails with kStopped.
using Progress = std::function<bool(int permille)>;
inline constexpr char kStopped[] = "stopped";

// Writes the next bytes of the output; false on an error.
using ByteWriter = std::function<bool(const uint8_t* data, size_t size)>;

// A RIFF WAVE PCM file of `size` bytes read through `read` in, a RIFF WAVE (tag 0x0055)
// written through `write` out. Returns an empty string on success, else the error (the
// output is then incomplete).
std::string EncodeWavStream(const ByteReader& read, uint64_t size, const TargetFormat& format,
                            const ByteWriter& write, const Progress& progress = {});

// The same in memory.
std::string EncodeWavImage(const uint8_t* wav, size_t size, const TargetFormat& format, std::vector<uint8_t>* out,
                           const Progress& progress = {});
inline std::string EncodeWavImage(const std::vector<uint8_t>& wav, const TargetFormat& format,
                                  std::vector<uint8_t>* out, const Progress& progress = {}) {
  return EncodeWavImage(wav.data(), wav.size(), format, out, progress);
}

// Between files named by the C library with the path bytes as given; a failed
// conversion removes its output.
ConversionResult ConvertWavFile(const std::string& source_path, const std::string& output_path,
                                const TargetFormat& format);

}  // namespace zelcor::mp3

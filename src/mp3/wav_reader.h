// Reader for RIFF WAVE files holding PCM (8, 16 or 24 bit, mono or stereo, any
// sample rate). Everything else is refused with a message saying why. The file is
// read front to back in pieces, so that long recordings need no more memory than short ones.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zelcor::mp3 {

// Reads up to `bytes` more bytes of a file: the count read, 0 at its end, -1 on an error.
using ByteReader = std::function<long long(uint8_t* buffer, size_t bytes)>;

// What the header says of the samples that follow it.
struct WavLayout {
  int sample_rate = 0;
  int channels = 0;
  int bits = 0;
  uint64_t frames = 0;  // whole sample frames in the "data" chunk
  int FrameBytes() const { return channels * bits / 8; }
};

// Reads the chunks of a file of `file_size` bytes up to its first sample. Returns an
// empty string on success, else the error.
std::string ReadWavHeader(const ByteReader& read, uint64_t file_size, WavLayout* out);

// Reads exactly `bytes` unless the file ends or fails first; returns the count read.
size_t ReadFully(const ByteReader& read, uint8_t* buffer, size_t bytes);

// Appends `frames` frames of PCM bytes to planes[ch], full scale = 1.0.
void DecodeFrames(const WavLayout& layout, const uint8_t* bytes, size_t frames, std::vector<float>* planes);

struct PcmAudio {
  int sample_rate = 0;
  int channels = 0;
  int bits = 0;
  std::vector<std::vector<float>> samples;  // [channel][frame], full scale = 1.0
  size_t Frames() const { return samples.empty() ? 0 : samples[0].size(); }
};

// Parses a whole file image. Returns an empty string on success, else the error.
std::string ParseWav(const uint8_t* data, size_t size, PcmAudio* out);

// Reads from a file image in memory.
ByteReader MemoryReader(const uint8_t* data, size_t size);

}  // namespace zelcor::mp3

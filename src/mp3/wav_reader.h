// Reader for RIFF WAVE files holding PCM (8, 16 or 24 bit, mono or stereo, any
// sample rate). Everything else is refused with a message saying why.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zelcor::mp3 {

struct PcmAudio {
  int sample_rate = 0;
  int channels = 0;
  int bits = 0;
  std::vector<std::vector<float>> samples;  // [channel][frame], full scale = 1.0
  size_t Frames() const { return samples.empty() ? 0 : samples[0].size(); }
};

// Parses a whole file image. Returns an empty string on success, else the error.
std::string ParseWav(const uint8_t* data, size_t size, PcmAudio* out);

}  // namespace zelcor::mp3

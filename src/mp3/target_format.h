// The conversion's target format, as stored in a WAVEFORMATEX-style binary value
// (format tag, channels, sample rate, average bytes per second, ...).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "mp3/layer3_encoder.h"

namespace zelcor::mp3 {

struct TargetFormat {
  int sample_rate = 44100;
  int channels = 2;
  int kbps = 128;
  ChannelMode mode = ChannelMode::kJointStereo;

  EncoderConfig ToConfig() const { return {sample_rate, channels, mode, kbps}; }
};

// 44.1 kHz, stereo, 128 kbit/s.
TargetFormat DefaultTargetFormat();

// Reads an MPEG Layer-3 WAVEFORMATEX blob. Returns an empty string on success,
// else why the value is unusable.
std::string ParseTargetFormat(const uint8_t* blob, size_t size, TargetFormat* out);

// The MPEGLAYER3WAVEFORMAT structure (30 bytes) for a format; also the "fmt "
// chunk of the output files. `block_size` is the nominal frame length.
std::vector<uint8_t> MakeLayer3Format(const TargetFormat& format, int block_size, int codec_delay);

}  // namespace zelcor::mp3

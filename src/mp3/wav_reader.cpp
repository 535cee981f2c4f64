#include "mp3/wav_reader.h"

#include <cstring>

namespace zelcor::mp3 {
namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

struct Format {
  int tag = 0, channels = 0, rate = 0, block_align = 0, bits = 0;
};

std::string ReadFormat(const uint8_t* p, uint32_t size, Format* f) {
  if (size < 16) return "the \"fmt \" chunk is too short";
  f->tag = U16(p);
  f->channels = U16(p + 2);
  f->rate = static_cast<int>(U32(p + 4) > 0x7fffffff ? 0 : U32(p + 4));
  f->block_align = U16(p + 12);
  f->bits = U16(p + 14);
  if (f->tag == kFormatExtensible) {
    // The sub-format GUID starts with the plain format tag.
    if (size < 40) return "the extensible \"fmt \" chunk is too short";
    f->tag = U16(p + 24);
  }
  if (f->tag != kFormatPcm) return "not PCM (format tag " + std::to_string(f->tag) + "): compressed WAV files cannot be converted";
  if (f->channels != 1 && f->channels != 2) return "only mono and stereo are supported, not " + std::to_string(f->channels) + " channels";
  if (f->bits != 8 && f->bits != 16 && f->bits != 24) return "only 8, 16 and 24 bit samples are supported, not " + std::to_string(f->bits);
  if (f->rate < 1000 || f->rate > 384000) return "implausible sample rate " + std::to_string(f->rate);
  if (f->block_align != f->channels * f->bits / 8) return "block alignment does not match channels and sample size";
  return {};
}

float Sample(const uint8_t* p, int bits) {
  switch (bits) {
    case 8: return (p[0] - 128) / 128.0f;
    case 16: return static_cast<int16_t>(U16(p)) / 32768.0f;
    default: {
      const int32_t v = static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 |
                                             static_cast<uint32_t>(p[2]) << 24) >> 8;
      return v / 8388608.0f;
    }
  }
}

}  // namespace

std::string ParseWav(const uint8_t* data, size_t size, PcmAudio* out) {
  if (size == 0) return "the file is empty";
  if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return "not a RIFF WAVE file";
  Format format;
  bool have_format = false;
  size_t pos = 12;
  while (pos + 8 <= size) {
    const uint8_t* chunk = data + pos;
    const uint32_t chunk_size = U32(chunk + 4);
    if (chunk_size > size - pos - 8) {
      if (std::memcmp(chunk, "data", 4) == 0) return "the \"data\" chunk is larger than the file";
      return "a chunk extends beyond the end of the file";
    }
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (std::string e = ReadFormat(chunk + 8, chunk_size, &format); !e.empty()) return e;
      have_format = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!have_format) return "the \"data\" chunk comes before the \"fmt \" chunk";
      const size_t frames = chunk_size / format.block_align;
      if (frames == 0) return "the file holds no samples";
      out->sample_rate = format.rate;
      out->channels = format.channels;
      out->bits = format.bits;
      out->samples.assign(format.channels, std::vector<float>(frames));
      const int bytes = format.bits / 8;
      const uint8_t* p = chunk + 8;
      for (size_t i = 0; i < frames; ++i)
        for (int ch = 0; ch < format.channels; ++ch, p += bytes) out->samples[ch][i] = Sample(p, format.bits);
      return {};
    }
    pos += 8 + static_cast<size_t>(chunk_size) + (chunk_size & 1);
  }
  return have_format ? "no \"data\" chunk" : "no \"fmt \" chunk";
}

}  // namespace zelcor::mp3

#include "mp3/wav_reader.h"

#include <algorithm>
#include <cstring>

namespace zelcor::mp3 {
namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kFormatBytesRead = 40;  // the extensible form; the rest of a longer chunk is skipped

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

// Reads and drops `bytes` bytes; false when the file fails or ends first.
bool Skip(const ByteReader& read, uint64_t bytes) {
  uint8_t scratch[4096];
  while (bytes > 0) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(bytes, sizeof scratch));
    if (ReadFully(read, scratch, n) != n) return false;
    bytes -= n;
  }
  return true;
}

constexpr char kReadError[] = "the file could not be read to its end";

}  // namespace

size_t ReadFully(const ByteReader& read, uint8_t* buffer, size_t bytes) {
  size_t done = 0;
  while (done < bytes) {
    const long long n = read(buffer + done, bytes - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

std::string ReadWavHeader(const ByteReader& read, uint64_t size, WavLayout* out) {
  if (size == 0) return "the file is empty";
  uint8_t head[12];
  if (size < 12) return "not a RIFF WAVE file";
  if (ReadFully(read, head, 12) != 12) return kReadError;
  if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) return "not a RIFF WAVE file";
  Format format;
  bool have_format = false;
  uint64_t pos = 12;
  while (pos + 8 <= size) {
    uint8_t chunk[8];
    if (ReadFully(read, chunk, 8) != 8) return kReadError;
    const uint32_t chunk_size = U32(chunk + 4);
    if (chunk_size > size - pos - 8) {
      if (std::memcmp(chunk, "data", 4) == 0) return "the \"data\" chunk is larger than the file";
      return "a chunk extends beyond the end of the file";
    }
    uint32_t consumed = 0;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      uint8_t body[kFormatBytesRead] = {};
      consumed = std::min(chunk_size, kFormatBytesRead);
      if (ReadFully(read, body, consumed) != consumed) return kReadError;
      if (std::string e = ReadFormat(body, chunk_size, &format); !e.empty()) return e;
      have_format = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!have_format) return "the \"data\" chunk comes before the \"fmt \" chunk";
      const uint64_t frames = chunk_size / format.block_align;
      if (frames == 0) return "the file holds no samples";
      *out = {format.rate, format.channels, format.bits, frames};
      return {};
    }
    // A chunk of odd size is followed by a pad byte, which the last chunk may lack.
    const uint64_t next = pos + 8 + chunk_size + (chunk_size & 1);
    if (!Skip(read, std::min(next, size) - pos - 8 - consumed)) return kReadError;
    pos = next;
  }
  return have_format ? "no \"data\" chunk" : "no \"fmt \" chunk";
}

void DecodeFrames(const WavLayout& layout, const uint8_t* p, size_t frames, std::vector<float>* planes) {
  const int bytes = layout.bits / 8;
  for (int ch = 0; ch < layout.channels; ++ch) planes[ch].reserve(planes[ch].size() + frames);
  for (size_t i = 0; i < frames; ++i)
    for (int ch = 0; ch < layout.channels; ++ch, p += bytes) planes[ch].push_back(Sample(p, layout.bits));
}

ByteReader MemoryReader(const uint8_t* data, size_t size) {
  return [data, size, at = size_t{0}](uint8_t* buffer, size_t bytes) mutable {
    const size_t n = std::min(bytes, size - at);
    if (n) std::memcpy(buffer, data + at, n);
    at += n;
    return static_cast<long long>(n);
  };
}

std::string ParseWav(const uint8_t* data, size_t size, PcmAudio* out) {
  const ByteReader read = MemoryReader(data, size);
  WavLayout layout;
  if (std::string e = ReadWavHeader(read, size, &layout); !e.empty()) return e;
  const size_t bytes = layout.frames * layout.FrameBytes();
  std::vector<uint8_t> pcm(bytes);
  if (ReadFully(read, pcm.data(), bytes) != bytes) return kReadError;
  out->sample_rate = layout.sample_rate;
  out->channels = layout.channels;
  out->bits = layout.bits;
  out->samples.assign(layout.channels, {});
  DecodeFrames(layout, pcm.data(), layout.frames, out->samples.data());
  return {};
}

}  // namespace zelcor::mp3

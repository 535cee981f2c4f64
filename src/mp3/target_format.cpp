#include "mp3/target_format.h"

namespace zelcor::mp3 {
namespace {

constexpr uint16_t kFormatLayer3 = 0x0055;
constexpr uint16_t kLayer3IdMpeg = 1;
constexpr uint32_t kPaddingIso = 0;

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

}  // namespace

TargetFormat DefaultTargetFormat() { return TargetFormat{}; }

std::string ParseTargetFormat(const uint8_t* blob, size_t size, TargetFormat* out) {
  if (size < 16) return "the format value is shorter than a WAVEFORMATEX";
  const int tag = blob[0] | blob[1] << 8;
  if (tag != kFormatLayer3) return "the format value is not MPEG Layer-3 (tag " + std::to_string(tag) + ")";
  TargetFormat f;
  f.channels = blob[2] | blob[3] << 8;
  f.sample_rate = static_cast<int>(blob[4] | blob[5] << 8 | blob[6] << 16 | (blob[7] & 0x7f) << 24);
  const uint32_t avg = blob[8] | blob[9] << 8 | blob[10] << 16 | static_cast<uint32_t>(blob[11]) << 24;
  f.kbps = static_cast<int>(avg * 8 / 1000);
  f.mode = f.channels == 1 ? ChannelMode::kMono : ChannelMode::kJointStereo;
  if (std::string e = CheckConfig(f.ToConfig()); !e.empty()) return "the format value: " + e;
  *out = f;
  return {};
}

std::vector<uint8_t> MakeLayer3Format(const TargetFormat& f, int block_size, int codec_delay) {
  std::vector<uint8_t> v;
  Put16(v, kFormatLayer3);
  Put16(v, f.channels);
  Put32(v, f.sample_rate);
  Put32(v, f.kbps * 1000 / 8);  // nAvgBytesPerSec
  Put16(v, 1);                  // nBlockAlign
  Put16(v, 0);                  // wBitsPerSample
  Put16(v, 12);                 // cbSize
  Put16(v, kLayer3IdMpeg);
  Put32(v, kPaddingIso);
  Put16(v, block_size);
  Put16(v, 1);  // nFramesPerBlock
  Put16(v, codec_delay);
  return v;
}

}  // namespace zelcor::mp3

// Any byte string must give either audio or an error message, never a crash.
// Each input is tried as it is, and also as the header fields and payload of a
// well-formed-looking file, so that the fuzzer reaches the sample decoding and
// the encoder behind it without having to discover the chunk layout first.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "mp3/wav_reader.h"
#include "mp3/wav_to_mp3.h"

namespace {

using namespace zelcor::mp3;

void Put(std::vector<uint8_t>& v, uint32_t x, int bytes) {
  for (int i = 0; i < bytes; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

// Fields from the first 12 bytes: tag, channels, rate, bits, block align,
// claimed data size adjustment; the rest is the sample data.
std::vector<uint8_t> Framed(const uint8_t* data, size_t size) {
  uint8_t f[12] = {};
  std::memcpy(f, data, size < 12 ? size : 12);
  const uint8_t* payload = data + (size < 12 ? size : 12);
  const size_t payload_size = size < 12 ? 0 : size - 12;
  std::vector<uint8_t> v;
  v.insert(v.end(), {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0});
  Put(v, f[0] & 0x80 ? f[0] : 1, 2);                   // format tag, mostly PCM
  Put(v, f[1] % 4, 2);                                 // channels
  Put(v, 4000 + (f[2] | f[3] << 8) * 6, 4);            // sample rate
  Put(v, 0, 4);
  const int bits = (f[4] % 4) * 8;
  Put(v, f[5] & 0x80 ? f[5] : (f[1] % 4) * bits / 8, 2);  // block align, mostly right
  Put(v, bits, 2);
  v.insert(v.end(), {'d', 'a', 't', 'a'});
  Put(v, static_cast<uint32_t>(payload_size) + (f[6] & 0x80 ? f[7] : 0), 4);  // sometimes too large
  v.insert(v.end(), payload, payload + payload_size);
  return v;
}

void Check(const std::vector<uint8_t>& wav) {
  PcmAudio pcm;
  if (!ParseWav(wav.data(), wav.size(), &pcm).empty()) return;
  if (pcm.channels < 1 || pcm.channels > 2 || pcm.samples.size() != static_cast<size_t>(pcm.channels) ||
      pcm.Frames() == 0)
    __builtin_trap();
  if (pcm.Frames() > 4096) return;  // keep each run short
  std::vector<uint8_t> out;
  const TargetFormat lsf_mono{22050, 1, 32, ChannelMode::kMono};
  if (!EncodeWavImage(wav, lsf_mono, &out).empty() || out.size() < 70) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(std::vector<uint8_t>(data, data + size));
  Check(Framed(data, size));
  return 0;
}

// mp3_bench_tool tune OUT.wav SECONDS       writes the synthesised tune (44.1 kHz stereo)
// mp3_bench_tool pink OUT.wav SECONDS       writes pink noise (44.1 kHz stereo, 16 bit), a block
//                                           at a time, so that an hour needs no memory of its own
// mp3_bench_tool snr SOURCE.wav DECODED.raw LAG|auto
//     prints the SNR in dB of 16-bit stereo raw PCM against the source, the
//     decoded signal shifted by LAG samples (or the best lag up to 3000).
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "mp3/wav_reader.h"
#include "test_signals.h"

using namespace zelcor::mp3;

namespace {

void Put32(uint8_t* p, uint32_t x) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(x >> (8 * i));
}

// White noise through a three-pole filter whose response falls by about 3 dB per octave.
bool WritePink(const char* path, double seconds) {
  const uint32_t frames = static_cast<uint32_t>(44100 * seconds), data = frames * 4;
  const std::vector<float> silence(1, 0.0f);
  std::vector<uint8_t> header = testing::WavImage({silence, silence}, 44100);
  header.resize(44);
  Put32(&header[4], 36 + data);
  Put32(&header[40], data);
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  bool ok = std::fwrite(header.data(), 1, header.size(), f) == header.size();
  std::mt19937 rng(4242);
  std::uniform_real_distribution<float> white(-1.0f, 1.0f);
  float state[2][3] = {};
  std::vector<uint8_t> block;
  for (uint32_t done = 0; ok && done < frames;) {
    block.clear();
    for (; done < frames && block.size() < 65536; ++done)
      for (auto& b : state) {
        const float w = white(rng);
        b[0] = 0.99765f * b[0] + w * 0.0990460f;
        b[1] = 0.96300f * b[1] + w * 0.2965164f;
        b[2] = 0.57000f * b[2] + w * 1.0526913f;
        const auto v = static_cast<int16_t>((b[0] + b[1] + b[2] + w * 0.1848f) * 0.11f * 32767);
        block.push_back(static_cast<uint8_t>(v));
        block.push_back(static_cast<uint8_t>(v >> 8));
      }
    ok = std::fwrite(block.data(), 1, block.size(), f) == block.size();
  }
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "tune" && argc == 4) {
    const auto audio = testing::Tune(44100, 2, std::atof(argv[3]));
    return testing::WriteFile(argv[2], testing::WavImage(audio, 44100)) ? 0 : 1;
  }
  if (mode == "pink" && argc == 4) return WritePink(argv[2], std::atof(argv[3])) ? 0 : 1;
  if (mode == "snr" && argc == 5) {
    std::vector<uint8_t> wav, raw;
    PcmAudio source;
    if (!testing::ReadFile(argv[2], &wav) || !ParseWav(wav.data(), wav.size(), &source).empty() ||
        !testing::ReadFile(argv[3], &raw))
      return 1;
    const size_t ch = source.samples.size(), frames = raw.size() / 2 / ch;
    testing::Channels decoded(ch, std::vector<float>(frames));
    for (size_t i = 0; i < frames; ++i)
      for (size_t c = 0; c < ch; ++c) {
        const size_t at = (i * ch + c) * 2;
        decoded[c][i] = static_cast<int16_t>(raw[at] | raw[at + 1] << 8) / 32768.0f;
      }
    const std::string lag_arg = argv[4];
    const int lag = lag_arg == "auto" ? testing::BestLag(source.samples, decoded, 3000) : std::atoi(argv[4]);
    std::printf("%.2f\n", testing::SnrDb(source.samples, decoded, lag));
    return 0;
  }
  std::fprintf(stderr, "usage: mp3_bench_tool tune|pink OUT.wav SECONDS | snr SOURCE.wav DECODED.raw LAG|auto\n");
  return 2;
}

// mp3_bench_tool tune OUT.wav SECONDS       writes the synthesised tune (44.1 kHz stereo)
// mp3_bench_tool snr SOURCE.wav DECODED.raw LAG|auto
//     prints the SNR in dB of 16-bit stereo raw PCM against the source, the
//     decoded signal shifted by LAG samples (or the best lag up to 3000).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mp3/wav_reader.h"
#include "test_signals.h"

using namespace zelcor::mp3;

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "tune" && argc == 4) {
    const auto audio = testing::Tune(44100, 2, std::atof(argv[3]));
    return testing::WriteFile(argv[2], testing::WavImage(audio, 44100)) ? 0 : 1;
  }
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
  std::fprintf(stderr, "usage: mp3_bench_tool tune OUT.wav SECONDS | snr SOURCE.wav DECODED.raw LAG|auto\n");
  return 2;
}

// Encodes generated signals, decodes them with mpg123 and measures the
// signal-to-noise ratio side by side with lame at the same settings.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "mp3/wav_to_mp3.h"
#include "test_signals.h"

namespace zelcor::mp3 {
namespace {

using testing::Channels;

std::string TempPath(const std::string& name) { return ::testing::TempDir() + "mp3_oracle_" + name; }

std::string ReadText(const std::string& path) {
  std::vector<uint8_t> bytes;
  testing::ReadFile(path, &bytes);
  return std::string(bytes.begin(), bytes.end());
}

// Decodes with mpg123; fails the test on a non-zero exit or any complaint (its -q would hide
// the notes on damaged frames, so its banner is read past instead).
Channels Decode(const std::string& mp3, int channels) {
  const std::string raw = mp3 + ".raw", err = mp3 + ".err";
  const std::string cmd = "mpg123 -s '" + mp3 + "' > '" + raw + "' 2> '" + err + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
  const std::string said = ReadText(err);
  for (const char* complaint : {"Note:", "Warning", "rror", "Illegal", "resync"})
    EXPECT_EQ(said.find(complaint), std::string::npos) << "mpg123 complained about " << mp3 << ":\n" << said;
  std::vector<uint8_t> bytes;
  testing::ReadFile(raw, &bytes);
  Channels out(channels);
  const size_t frames = bytes.size() / 2 / channels;
  for (auto& c : out) c.resize(frames);
  for (size_t i = 0; i < frames; ++i)
    for (int ch = 0; ch < channels; ++ch) {
      const size_t at = (i * channels + ch) * 2;
      out[ch][i] = static_cast<int16_t>(bytes[at] | bytes[at + 1] << 8) / 32768.0f;
    }
  return out;
}

const char* LameMode(ChannelMode m) {
  return m == ChannelMode::kMono ? "m" : m == ChannelMode::kStereo ? "s" : "j";
}

struct Case {
  const char* signal;
  int rate;
  ChannelMode mode;
  int kbps;
  double min_snr;  // what this encoder must reach
};

std::ostream& operator<<(std::ostream& os, const Case& c) {
  return os << c.signal << "_" << c.rate << "_" << LameMode(c.mode) << "_" << c.kbps;
}

Channels MakeSignal(const std::string& name, int rate, int channels) {
  if (name == "tune") return testing::Tune(rate, channels, 3.0);
  if (name == "noise") return testing::Noise(rate, channels, 2.0, 0.25);
  if (name == "sweep") return testing::Sweep(rate, channels, 3.0, 40, rate * 0.45, 0.5);
  return testing::Sine(rate, channels, 2.0, 440, 0.5);
}

struct Measured {
  double ours, lame;
};

// Encodes with both encoders and measures both; ours is aligned by its codec delay.
Measured Measure(const Case& c) {
  const int channels = c.mode == ChannelMode::kMono ? 1 : 2;
  const Channels source = MakeSignal(c.signal, c.rate, channels);
  std::ostringstream name;
  name << c;
  const std::string wav = TempPath(name.str() + ".wav"), ours = TempPath(name.str() + ".ours.wav"),
                    lame = TempPath(name.str() + ".lame.mp3");
  EXPECT_TRUE(testing::WriteFile(wav, testing::WavImage(source, c.rate)));

  TargetFormat format{c.rate, channels, c.kbps, c.mode};
  const ConversionResult r = ConvertWavFile(wav, ours, format);
  EXPECT_TRUE(r.ok) << r.error;
  const std::string cmd = "lame --quiet -b " + std::to_string(c.kbps) + " -m " + LameMode(c.mode) +
                          " --resample " + std::to_string(c.rate / 1000.0) + " '" + wav + "' '" + lame + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;

  const Channels ours_pcm = Decode(ours, channels), lame_pcm = Decode(lame, channels);
  // The stored delay must be exactly where the decoded signal sits (a pure tone
  // repeats itself, so it cannot tell; mpg123 then removes lame's delay itself).
  const bool periodic = std::string(c.signal) == "sine";
  if (!periodic) {
    EXPECT_EQ(testing::BestLag(source, ours_pcm, 3000), 1057) << c;
  }
  const int lame_lag = periodic ? 0 : testing::BestLag(source, lame_pcm, 3000);
  Measured m{testing::SnrDb(source, ours_pcm, 1057), testing::SnrDb(source, lame_pcm, lame_lag)};
  std::printf("[ SNR      ] %-24s ours %6.2f dB   lame %6.2f dB\n", name.str().c_str(), m.ours, m.lame);
  return m;
}

class SnrPerBitrate : public ::testing::TestWithParam<Case> {};

TEST_P(SnrPerBitrate, DecodesCleanlyAndReachesItsSnr) {
  const Case& c = GetParam();
  const Measured m = Measure(c);
  EXPECT_GE(m.ours, c.min_snr) << "lame reached " << m.lame;
  EXPECT_GE(m.ours, m.lame - 3.0) << "more than 3 dB below lame";
}

// Every supported rate, mono and stereo, low to high bit rates.
INSTANTIATE_TEST_SUITE_P(
    Mp3, SnrPerBitrate,
    ::testing::Values(Case{"tune", 44100, ChannelMode::kJointStereo, 128, 32},
                      Case{"noise", 44100, ChannelMode::kJointStereo, 128, 4},
                      Case{"sweep", 44100, ChannelMode::kJointStereo, 128, 14},
                      Case{"sine", 44100, ChannelMode::kStereo, 128, 55},
                      Case{"tune", 44100, ChannelMode::kStereo, 320, 41},
                      Case{"tune", 48000, ChannelMode::kJointStereo, 192, 36},
                      Case{"tune", 32000, ChannelMode::kJointStereo, 96, 33},
                      Case{"tune", 44100, ChannelMode::kMono, 64, 33},
                      Case{"tune", 44100, ChannelMode::kJointStereo, 32, 21},
                      Case{"tune", 24000, ChannelMode::kJointStereo, 64, 29},
                      Case{"tune", 22050, ChannelMode::kMono, 32, 32},
                      Case{"sweep", 22050, ChannelMode::kStereo, 160, 50},
                      Case{"tune", 16000, ChannelMode::kMono, 8, 15}),
    [](const ::testing::TestParamInfo<Case>& info) {
      std::ostringstream os;
      os << info.param;
      return os.str();
    });

}  // namespace
}  // namespace zelcor::mp3

// Unit tests of the encoder's parts: code tables, WAV parsing, the target format,
// the resampler and the structure of the files written.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "mp3/huffman_tables.h"
#include "mp3/psy_model.h"
#include "mp3/resampler.h"
#include "mp3/wav_reader.h"
#include "mp3/wav_to_mp3.h"
#include "test_signals.h"

namespace zelcor::mp3 {
namespace {

uint32_t U32(const std::vector<uint8_t>& v, size_t at) {
  return v[at] | v[at + 1] << 8 | v[at + 2] << 16 | static_cast<uint32_t>(v[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& v, size_t at) { return static_cast<uint16_t>(v[at] | v[at + 1] << 8); }

// A transcription slip in a code table shows up as a code that is a prefix of
// another or as lengths that over-fill the code space.
void ExpectPrefixFree(const HuffmanTable& t, int entries, const std::string& name) {
  double kraft = 0;
  for (int i = 0; i < entries; ++i) {
    kraft += std::ldexp(1.0, -t.lengths[i]);
    EXPECT_LT(t.codes[i], 1u << t.lengths[i]) << name << " entry " << i;
    for (int j = 0; j < entries; ++j) {
      if (i == j || t.lengths[j] < t.lengths[i]) continue;
      EXPECT_NE(t.codes[j] >> (t.lengths[j] - t.lengths[i]), t.codes[i])
          << name << ": code " << i << " is a prefix of code " << j;
    }
  }
  EXPECT_NEAR(kraft, 1.0, 1e-9) << name;
}

TEST(HuffmanTables, EveryTableIsACompletePrefixCode) {
  for (int t = 1; t < 32; ++t) {
    const HuffmanTable& table = kBigValueTables[t];
    if (table.xlen == 0) continue;
    ExpectPrefixFree(table, table.xlen * table.xlen, "table " + std::to_string(t));
  }
  ExpectPrefixFree(kCount1Tables[0], 16, "count1 A");
  ExpectPrefixFree(kCount1Tables[1], 16, "count1 B");
}

// --- Masking estimate ---------------------------------------------------------

class Masking : public ::testing::Test {
 protected:
  Masking() { LayoutForRate(44100, &layout_); }
  // Allowed noise per long band for a spectrum with `fill` applied.
  std::vector<float> Allowed(const std::function<void(float*)>& fill) {
    float xr[576] = {};
    fill(xr);
    std::vector<float> allowed(39);
    MaskingModel(layout_).Analyze(xr, MakeBandLayout(layout_, kNormalBlock), allowed.data());
    return allowed;
  }
  StreamLayout layout_;
};

TEST_F(Masking, ToneHidesLessNoiseThanNoiseOfTheSameEnergy) {
  // Band 12 covers lines 74..89 at 44.1 kHz.
  const auto tone = Allowed([](float* xr) { xr[80] = 0.4f; });
  const auto noise = Allowed([](float* xr) {
    for (int i = 74; i < 90; ++i) xr[i] = (i % 2 ? 0.1f : -0.1f);
  });
  EXPECT_GT(10 * std::log10(noise[12] / tone[12]), 10.0);
}

TEST_F(Masking, MaskingSpreadsFurtherUpwardAndQuietBandsKeepTheThresholdInQuiet) {
  const auto quiet = Allowed([](float*) {});
  const auto loud = Allowed([](float* xr) {
    for (int i = 74; i < 90; ++i) xr[i] = (i % 2 ? 0.1f : -0.1f);
  });
  for (int b = 0; b < 22; ++b) EXPECT_GT(quiet[b], 0.0f) << b;
  EXPECT_GT(loud[13] / quiet[13], loud[11] / quiet[11]);  // upward spread is wider
  EXPECT_EQ(loud[0], quiet[0]);                           // far below: nothing but the floor
}

// --- WAV reader ---------------------------------------------------------------

std::vector<uint8_t> SmallWav(int channels, int bits, int frames = 4) {
  testing::Channels audio(channels, std::vector<float>(frames));
  for (int ch = 0; ch < channels; ++ch)
    for (int i = 0; i < frames; ++i) audio[ch][i] = (i % 2 ? -0.5f : 0.5f) * (ch + 1) / channels;
  return testing::WavImage(audio, 8000, bits);
}

TEST(WavReader, ReadsEachSampleSizeAndChannelCount) {
  for (int bits : {8, 16, 24}) {
    for (int channels : {1, 2}) {
      const std::vector<uint8_t> wav = SmallWav(channels, bits);
      PcmAudio pcm;
      ASSERT_EQ(ParseWav(wav.data(), wav.size(), &pcm), "") << bits << " bit";
      EXPECT_EQ(pcm.channels, channels);
      EXPECT_EQ(pcm.sample_rate, 8000);
      ASSERT_EQ(pcm.Frames(), 4u);
      const float last = 1.0f * channels / channels;  // loudest channel's level
      EXPECT_NEAR(pcm.samples[channels - 1][0], 0.5f * last, 0.01f) << bits << " bit";
      EXPECT_NEAR(pcm.samples[channels - 1][1], -0.5f * last, 0.01f) << bits << " bit";
    }
  }
}

TEST(WavReader, SkipsUnknownChunksAndIgnoresAPartialLastFrame) {
  std::vector<uint8_t> wav = SmallWav(2, 16);
  // Insert a "LIST" chunk of odd size (padded) before "fmt ", and one stray byte of data.
  const uint8_t list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  wav.insert(wav.begin() + 12, list, list + sizeof list);
  const size_t data_size_at = wav.size() - 16 - 4;
  wav.push_back(0x7f);
  wav[data_size_at] += 1;
  PcmAudio pcm;
  ASSERT_EQ(ParseWav(wav.data(), wav.size(), &pcm), "");
  EXPECT_EQ(pcm.Frames(), 4u);
}

TEST(WavReader, RefusesWhatItCannotConvert) {
  const std::vector<uint8_t> good = SmallWav(2, 16);
  struct Bad {
    const char* what;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* expected;
  };
  const Bad cases[] = {
      {"empty", [](auto& w) { w.clear(); }, "empty"},
      {"truncated header", [](auto& w) { w.resize(10); }, "not a RIFF WAVE"},
      {"not WAVE", [](auto& w) { std::memcpy(&w[8], "AVI ", 4); }, "not a RIFF WAVE"},
      {"compressed", [](auto& w) { w[20] = 0x55; }, "not PCM"},
      {"three channels", [](auto& w) { w[22] = 3; }, "mono and stereo"},
      {"32 bit", [](auto& w) { w[34] = 32; }, "8, 16 and 24 bit"},
      {"zero rate", [](auto& w) { std::memset(&w[24], 0, 4); }, "sample rate"},
      {"bad block align", [](auto& w) { w[32] = 3; }, "block alignment"},
      {"data larger than file", [](auto& w) { w[40] = 0xff; w[41] = 0xff; }, "larger than the file"},
      {"absurd fmt size", [](auto& w) { std::memset(&w[16], 0xff, 4); }, "beyond the end"},
      {"short fmt", [](auto& w) { w[16] = 8; }, "too short"},
      {"no data", [](auto& w) { w.resize(36); }, "no \"data\""},
      {"no samples", [](auto& w) { w.resize(44); std::memset(&w[40], 0, 4); }, "no samples"},
  };
  for (const Bad& bad : cases) {
    std::vector<uint8_t> wav = good;
    bad.damage(wav);
    PcmAudio pcm;
    const std::string error = ParseWav(wav.data(), wav.size(), &pcm);
    EXPECT_NE(error.find(bad.expected), std::string::npos) << bad.what << ": got \"" << error << "\"";
  }
}

// --- Target format ------------------------------------------------------------

TEST(TargetFormat, ReadsBackWhatItWritesDefaultsTo44kStereo128AndRefusesBadValues) {
  const std::vector<uint8_t> mono = MakeLayer3Format({22050, 1, 32, ChannelMode::kMono}, 104, 1057);
  ASSERT_EQ(mono.size(), 30u);
  TargetFormat read;
  ASSERT_EQ(ParseTargetFormat(mono.data(), mono.size(), &read), "");
  EXPECT_EQ(std::tuple(read.sample_rate, read.channels, read.kbps, read.mode), std::tuple(22050, 1, 32, ChannelMode::kMono));
  const TargetFormat d = DefaultTargetFormat();
  EXPECT_EQ(std::tuple(d.sample_rate, d.channels, d.kbps), std::tuple(44100, 2, 128));
  std::vector<uint8_t> blob = MakeLayer3Format(d, 417, 1057);
  TargetFormat out;
  EXPECT_NE(ParseTargetFormat(blob.data(), 12, &out), "");
  std::vector<uint8_t> pcm_tag = blob;
  pcm_tag[0] = 1;
  EXPECT_NE(ParseTargetFormat(pcm_tag.data(), pcm_tag.size(), &out).find("not MPEG"), std::string::npos);
  std::vector<uint8_t> lsf_too_fast = MakeLayer3Format({22050, 2, 320, ChannelMode::kJointStereo}, 0, 0);
  EXPECT_NE(ParseTargetFormat(lsf_too_fast.data(), lsf_too_fast.size(), &out).find("320"), std::string::npos);
}

// --- Resampler ----------------------------------------------------------------

double Rms(const std::vector<float>& v, size_t skip) {
  double sum = 0;
  for (size_t i = skip; i + skip < v.size(); ++i) sum += v[i] * v[i];
  return std::sqrt(sum / (v.size() - 2 * skip));
}

TEST(Resampler, KeepsThePassBandAndRejectsWhatWouldAlias) {
  const auto pass = testing::Sine(48000, 1, 0.5, 1000, 0.5)[0];
  const auto down = Resample(pass, 48000, 22050);
  EXPECT_NEAR(down.size(), 11025u, 1);
  EXPECT_NEAR(20 * std::log10(Rms(down, 200) / Rms(pass, 400)), 0.0, 0.05);
  // 15 kHz lies above the new Nyquist frequency (11 025 Hz): it must vanish, not fold to 7 kHz.
  const auto high = testing::Sine(48000, 1, 0.5, 15000, 0.5)[0];
  EXPECT_LT(20 * std::log10(Rms(Resample(high, 48000, 22050), 200) / Rms(high, 400)), -70.0);
  const auto up = Resample(testing::Sine(22050, 1, 0.5, 5000, 0.5)[0], 22050, 44100);
  EXPECT_NEAR(20 * std::log10(Rms(up, 400) / (0.5 / std::sqrt(2.0))), 0.0, 0.05);
}

// --- Output file structure ----------------------------------------------------

struct Frame {
  size_t offset, size;
  int short_granules;  // granules of channel 0 with short blocks
};

// Walks the frames of a "data" chunk using the header fields alone.
std::vector<Frame> WalkFrames(const std::vector<uint8_t>& data, bool mpeg1, int rate, int channels) {
  static const int kRates1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
  static const int kRates2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
  std::vector<Frame> frames;
  size_t at = 0;
  while (at + 4 <= data.size()) {
    EXPECT_EQ(data[at], 0xFF) << "no sync at " << at;
    if (data[at] != 0xFF) break;
    const int index = data[at + 2] >> 4, padding = (data[at + 2] >> 1) & 1;
    const int kbps = (mpeg1 ? kRates1 : kRates2)[index];
    const size_t size = (mpeg1 ? 144000 : 72000) * kbps / rate + padding;
    // The window switching flag and block type follow part2_3_length ..
    // scalefac_compress of each granule's side information.
    const int start = mpeg1 ? 9 + (channels == 1 ? 5 : 3) + 4 * channels : 8 + channels;
    const int per_granule = (mpeg1 ? 59 : 63) * channels;
    auto bit = [&](int n) { return (data[at + 4 + n / 8] >> (7 - n % 8)) & 1; };
    int short_granules = 0;
    for (int gr = 0; gr < (mpeg1 ? 2 : 1); ++gr) {
      const int flag = start + gr * per_granule + 12 + 9 + 8 + (mpeg1 ? 4 : 9);
      short_granules += bit(flag) && bit(flag + 1) && !bit(flag + 2);
    }
    frames.push_back({at, size, short_granules});
    at += size;
  }
  EXPECT_EQ(at, data.size());
  return frames;
}

TEST(Mp3WaveFile, HeaderFactAndFramesAgree) {
  const auto audio = testing::Tune(44100, 2, 1.0);
  std::vector<uint8_t> out;
  ASSERT_EQ(EncodeWavImage(testing::WavImage(audio, 44100), DefaultTargetFormat(), &out), "");
  ASSERT_GT(out.size(), 100u);
  EXPECT_EQ(std::memcmp(out.data(), "RIFF", 4), 0);
  EXPECT_EQ(U32(out, 4), out.size() - 8);
  EXPECT_EQ(U16(out, 20), 0x55);     // format tag
  EXPECT_EQ(U32(out, 28), 16000u);   // average bytes per second at 128 kbit/s
  EXPECT_EQ(U16(out, 38), 1);        // MPEG id
  EXPECT_EQ(U16(out, 44), 417);      // nominal frame size
  EXPECT_EQ(U16(out, 46), 1);        // frames per block
  EXPECT_EQ(U16(out, 48), 1057);     // codec delay
  EXPECT_EQ(std::memcmp(&out[50], "fact", 4), 0);
  EXPECT_EQ(U32(out, 58), 44100u);
  EXPECT_EQ(std::memcmp(&out[62], "data", 4), 0);
  const std::vector<uint8_t> data(out.begin() + 70, out.begin() + 70 + U32(out, 66));
  const auto frames = WalkFrames(data, true, 44100, 2);
  // Enough frames for every sample plus the delay, and not one more.
  EXPECT_EQ(frames.size(), (44100u + 1057 + 1151) / 1152);
  size_t padded = 0;
  for (const Frame& f : frames) padded += f.size == 418;
  EXPECT_GT(padded, frames.size() / 2);  // 417.96 bytes per frame on average
}

TEST(Mp3WaveFile, ConvertsOtherRatesAndChannelCounts) {
  const auto audio = testing::Sine(11025, 1, 0.5, 300, 0.5);
  std::vector<uint8_t> out;
  ASSERT_EQ(EncodeWavImage(testing::WavImage(audio, 11025, 8), {24000, 2, 64, ChannelMode::kStereo}, &out), "");
  const uint32_t resampled = 5512u * 24000 / 11025;
  EXPECT_EQ(U32(out, 58), resampled);  // fact: samples at the target rate
  const std::vector<uint8_t> data(out.begin() + 70, out.begin() + 70 + U32(out, 66));
  EXPECT_EQ(WalkFrames(data, false, 24000, 2).size(), (resampled + 1057 + 575) / 576);
}

TEST(Mp3WaveFile, ClicksGetShortBlocksAndASteadyToneDoesNot) {
  // Short blocks after the first two frames (a sound starting from silence is an
  // attack too, and the filter bank takes a frame to ramp up).
  auto faded = [](testing::Channels audio) {
    // An abrupt end is a click, so the tone fades out over 20 ms.
    for (auto& c : audio)
      for (size_t i = 0; i < 882; ++i) c[c.size() - 1 - i] *= static_cast<float>(i) / 882;
    return audio;
  };
  auto short_blocks = [](const testing::Channels& audio) {
    std::vector<uint8_t> out;
    EXPECT_EQ(EncodeWavImage(testing::WavImage(audio, 44100), DefaultTargetFormat(), &out), "");
    const std::vector<uint8_t> data(out.begin() + 70, out.begin() + 70 + U32(out, 66));
    const auto frames = WalkFrames(data, true, 44100, 2);
    int count = 0;
    for (size_t i = 2; i < frames.size(); ++i) count += frames[i].short_granules;
    return count;
  };
  EXPECT_GE(short_blocks(testing::Clicks(44100, 2, 2.0, 0.25)), 7);  // 8 clicks
  EXPECT_EQ(short_blocks(faded(testing::Sine(44100, 2, 2.0, 440, 0.5))), 0);
}

TEST(Mp3WaveFile, ConversionReportsSizesAndErrors) {
  const std::string dir = ::testing::TempDir();
  const std::string src = dir + "mp3_unit_src.wav", dst = dir + "mp3_unit_dst.wav";
  const std::vector<uint8_t> wav = testing::WavImage(testing::Sine(44100, 2, 0.3, 440, 0.3), 44100);
  ASSERT_TRUE(testing::WriteFile(src, wav));
  ConversionResult r = ConvertWavFile(src, dst, DefaultTargetFormat());
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.source_bytes, wav.size());
  std::vector<uint8_t> written;
  ASSERT_TRUE(testing::ReadFile(dst, &written));
  EXPECT_EQ(r.output_bytes, written.size());

  r = ConvertWavFile(dir + "mp3_unit_missing.wav", dst, DefaultTargetFormat());
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("cannot read"), std::string::npos);
  ASSERT_TRUE(testing::WriteFile(src, std::vector<uint8_t>(wav.begin(), wav.begin() + 30)));
  r = ConvertWavFile(src, dst, DefaultTargetFormat());
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.source_bytes, 30u);
  EXPECT_NE(r.error.find("beyond the end"), std::string::npos);
}


// --- Streaming ------------------------------------------------------------------

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
  uint64_t h = 0xcbf29ce484222325u;
  for (uint8_t b : bytes) h = (h ^ b) * 0x100000001b3u;
  return h;
}

// A source that hands out at most `step` bytes per read, as a pipe or a slow file may.
ByteReader Dribble(const std::vector<uint8_t>& wav, size_t step) {
  return [read = MemoryReader(wav.data(), wav.size()), step](uint8_t* buffer, size_t bytes) {
    return read(buffer, std::min(bytes, step));
  };
}

ByteWriter AppendTo(std::vector<uint8_t>* out) {
  return [out](const uint8_t* d, size_t n) {
    out->insert(out->end(), d, d + n);
    return true;
  };
}

TEST(Mp3Streaming, OutputMatchesTheWholeFileEncoderAtAnyReadSize) {
  struct Case {
    const char* what;
    testing::Channels audio;
    int rate, bits;
    TargetFormat format;
    uint64_t digest;  // of the output of the encoder that held the whole file
  };
  const Case cases[] = {
      {"44.1k stereo as is", testing::Tune(44100, 2, 3.0), 44100, 16, DefaultTargetFormat(), 0xae45685ef7f1bc9au},
      {"8-bit mono up to 44.1k stereo", testing::Sweep(22050, 1, 2.0, 100, 9000, 0.5), 22050, 8,
       DefaultTargetFormat(), 0x4800aac3977a022fu},
      {"24-bit 48k down to 22.05k mono", testing::Tune(48000, 2, 2.0), 48000, 24,
       {22050, 1, 64, ChannelMode::kMono}, 0x6fa13d7aab99f51cu},
      {"32k to 24k stereo", testing::Noise(32000, 2, 1.0, 0.3), 32000, 16, {24000, 2, 64, ChannelMode::kStereo},
       0x38d25daee711b28bu},
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> wav = testing::WavImage(c.audio, c.rate, c.bits);
    std::vector<uint8_t> whole, dribbled;
    ASSERT_EQ(EncodeWavImage(wav, c.format, &whole), "") << c.what;
    ASSERT_EQ(EncodeWavStream(Dribble(wav, 997), wav.size(), c.format, AppendTo(&dribbled)), "") << c.what;
    EXPECT_EQ(Fnv1a(dribbled), Fnv1a(whole)) << c.what;
    EXPECT_EQ(Fnv1a(whole), c.digest) << c.what;
  }
}

TEST(Mp3Streaming, AFailedWriteOrAStopFailsTheFile) {
  const std::vector<uint8_t> wav = testing::WavImage(testing::Sine(44100, 2, 1.0, 440, 0.3), 44100);
  size_t writes = 0;
  const ByteWriter full_disk = [&](const uint8_t*, size_t) { return ++writes < 3; };
  EXPECT_NE(EncodeWavStream(MemoryReader(wav.data(), wav.size()), wav.size(), DefaultTargetFormat(), full_disk), "");
  std::vector<uint8_t> out;
  int calls = 0;
  EXPECT_EQ(EncodeWavImage(wav, DefaultTargetFormat(), &out, [&](int) { return ++calls < 2; }), kStopped);
  EXPECT_TRUE(out.empty());
  // A source shorter than its header claims is an error, not a shorter MP3.
  EXPECT_NE(EncodeWavStream(MemoryReader(wav.data(), wav.size() / 2), wav.size(), DefaultTargetFormat(),
                            AppendTo(&out)),
            "");
}

}  // namespace
}  // namespace zelcor::mp3

#include "test_signals.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <random>

namespace zelcor::mp3::testing {
namespace {

size_t Count(int rate, double seconds) { return static_cast<size_t>(rate * seconds); }

void PutText(std::vector<uint8_t>& v, const char* text) {
  for (; *text; ++text) v.push_back(static_cast<uint8_t>(*text));
}

void Put(std::vector<uint8_t>& v, uint32_t x, int bytes) {
  for (int i = 0; i < bytes; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

}  // namespace

Channels Sine(int rate, int channels, double seconds, double hz, double amplitude) {
  Channels out(channels, std::vector<float>(Count(rate, seconds)));
  for (int ch = 0; ch < channels; ++ch)
    for (size_t i = 0; i < out[ch].size(); ++i)
      out[ch][i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * (ch + 1) * i / rate));
  return out;
}

Channels Sweep(int rate, int channels, double seconds, double from_hz, double to_hz, double amplitude) {
  Channels out(channels, std::vector<float>(Count(rate, seconds)));
  const double k = std::log(to_hz / from_hz) / seconds;
  for (size_t i = 0; i < out[0].size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const double phase = 2 * std::numbers::pi * from_hz * (std::exp(k * t) - 1) / k;
    for (int ch = 0; ch < channels; ++ch) out[ch][i] = static_cast<float>(amplitude * std::sin(phase));
  }
  return out;
}

Channels Noise(int rate, int channels, double seconds, double amplitude) {
  std::mt19937 rng(12345);
  std::uniform_real_distribution<float> dist(-1.0f, 1.0f);
  Channels out(channels, std::vector<float>(Count(rate, seconds)));
  for (auto& c : out)
    for (float& s : c) s = static_cast<float>(amplitude) * dist(rng);
  return out;
}

Channels Tune(int rate, int channels, double seconds) {
  Channels out(channels, std::vector<float>(Count(rate, seconds)));
  std::mt19937 rng(777);
  std::uniform_real_distribution<float> hiss(-1.0f, 1.0f);
  // Notes as semitones above A2 (110 Hz): melody, chord roots, bass line.
  const int melody[] = {24, 27, 31, 29, 27, 24, 22, 24, 27, 31, 34, 31, 29, 27, 26, 24};
  const int chords[] = {12, 17, 19, 15};
  const double beat = 0.25;
  auto note_hz = [](int semis) { return 110.0 * std::pow(2.0, semis / 12.0); };
  for (size_t i = 0; i < out[0].size(); ++i) {
    const double t = static_cast<double>(i) / rate;
    const int step = static_cast<int>(t / beat);
    const double in_beat = t - step * beat;
    const double pluck = std::exp(-in_beat * 9.0) * std::min(1.0, in_beat * 400.0);
    const double lead_hz = note_hz(melody[step % 16]);
    double lead = 0;
    for (int h = 1; h <= 6; ++h) lead += std::sin(2 * std::numbers::pi * lead_hz * h * t) / (h * h);
    const int bar = (step / 8) % 4;
    const double root = note_hz(chords[bar]);
    double pad = 0;
    for (double ratio : {1.0, 1.26, 1.5}) pad += std::sin(2 * std::numbers::pi * root * ratio * t) * 0.12;
    const double bass = std::sin(2 * std::numbers::pi * root / 4 * t) * 0.3 * (0.6 + 0.4 * std::exp(-(t - (step / 2) * 2 * beat) * 4));
    const double hat = (step % 2 == 1) ? hiss(rng) * 0.08 * std::exp(-in_beat * 60.0) : 0.0;
    const double left = 0.35 * lead * pluck + pad * 0.8 + bass + hat;
    const double right = 0.2 * lead * pluck + pad * 1.1 + bass + hat * 0.5;
    if (channels == 1) {
      out[0][i] = static_cast<float>(0.5 * (left + right));
    } else {
      out[0][i] = static_cast<float>(left * 0.8);
      out[1][i] = static_cast<float>(right * 0.8);
    }
  }
  return out;
}

Channels Clicks(int rate, int channels, double seconds, double period) {
  Channels out(channels, std::vector<float>(Count(rate, seconds)));
  const size_t every = static_cast<size_t>(period * rate);
  for (auto& c : out)
    for (size_t i = every / 2; i + 64 < c.size(); i += every)
      for (int k = 0; k < 64; ++k) c[i + k] = static_cast<float>(0.8 * std::exp(-k / 12.0) * ((k & 1) ? -1 : 1));
  return out;
}

std::vector<uint8_t> WavImage(const Channels& audio, int rate, int bits) {
  const uint32_t channels = static_cast<uint32_t>(audio.size());
  const uint32_t frames = static_cast<uint32_t>(audio[0].size());
  const uint32_t block = channels * bits / 8;
  std::vector<uint8_t> v;
  PutText(v, "RIFF");
  Put(v, 36 + frames * block, 4);
  PutText(v, "WAVEfmt ");
  Put(v, 16, 4);
  Put(v, 1, 2);
  Put(v, channels, 2);
  Put(v, rate, 4);
  Put(v, rate * block, 4);
  Put(v, block, 2);
  Put(v, bits, 2);
  PutText(v, "data");
  Put(v, frames * block, 4);
  const double full = std::ldexp(1.0, bits - 1);
  for (uint32_t i = 0; i < frames; ++i) {
    for (uint32_t ch = 0; ch < channels; ++ch) {
      const long q = std::lround(std::clamp(static_cast<double>(audio[ch][i]), -1.0, 1.0) * full);
      const long s = std::min(q, static_cast<long>(full) - 1);
      Put(v, bits == 8 ? static_cast<uint32_t>(s + 128) : static_cast<uint32_t>(s), bits / 8);
    }
  }
  return v;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  bytes->clear();
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->insert(bytes->end(), buf, buf + n);
  std::fclose(f);
  return true;
}

double SnrDb(const Channels& source, const Channels& decoded, int delay) {
  double signal = 0, noise = 0;
  for (size_t ch = 0; ch < source.size(); ++ch) {
    for (size_t i = 0; i < source[ch].size(); ++i) {
      const size_t j = i + delay;
      const double d = j < decoded[ch].size() ? decoded[ch][j] : 0.0;
      signal += source[ch][i] * source[ch][i];
      noise += (source[ch][i] - d) * (source[ch][i] - d);
    }
  }
  return 10 * std::log10(signal / std::max(noise, 1e-20));
}

int BestLag(const Channels& source, const Channels& decoded, int max_lag) {
  int best = 0;
  double best_score = -1e300;
  const size_t n = std::min<size_t>(source[0].size(), 20000);
  for (int lag = 0; lag <= max_lag; ++lag) {
    double score = 0;
    for (size_t i = 0; i < n; i += 2)
      if (i + lag < decoded[0].size()) score += source[0][i] * decoded[0][i + lag];
    if (score > best_score) { best_score = score; best = lag; }
  }
  return best;
}

}  // namespace zelcor::mp3::testing

// Test signals made at run time (no audio is kept in the repository), a WAV
// writer for them and the signal-to-noise measure used against the oracles.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace zelcor::mp3::testing {

using Channels = std::vector<std::vector<float>>;  // [channel][frame]

Channels Sine(int rate, int channels, double seconds, double hz, double amplitude);
// Exponential sweep from `from_hz` to `to_hz`.
Channels Sweep(int rate, int channels, double seconds, double from_hz, double to_hz, double amplitude);
// White noise, independent per channel, from a fixed seed.
Channels Noise(int rate, int channels, double seconds, double amplitude);
// A short piece: plucked melody over chords and bass, a hi-hat, panned in stereo.
Channels Tune(int rate, int channels, double seconds);
// Sharp clicks on silence, every `period` seconds.
Channels Clicks(int rate, int channels, double seconds, double period);

// 16-bit PCM RIFF WAVE image (bits 8, 16 or 24).
std::vector<uint8_t> WavImage(const Channels& audio, int rate, int bits = 16);
bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool ReadFile(const std::string& path, std::vector<uint8_t>* bytes);

// SNR in dB of `decoded` against `source`, decoded[ch][i + delay] vs source[ch][i].
double SnrDb(const Channels& source, const Channels& decoded, int delay);
// Lag in [0, max_lag] that best aligns decoded with source (by cross-correlation).
int BestLag(const Channels& source, const Channels& decoded, int max_lag);

}  // namespace zelcor::mp3::testing

#include "mp3/psy_model.h"

#include <algorithm>
#include <cmath>

namespace zelcor::mp3 {
namespace {

// Signal-to-mask ratio kept under each band: noise hides well under noise-like
// content and poorly under tones, the more so the higher the band.
constexpr double kNoiseMaskOffsetDb = 6.0;
constexpr double kToneMaskOffsetDb = 14.5;  // plus the band's Bark value
constexpr double kSpreadUpDbPerBark = 15.0;
constexpr double kSpreadDownDbPerBark = 27.0;
// Level of a full-scale sine taken as this many dB SPL when applying the
// threshold in quiet; generous so that quiet passages stay clean when played loud.
constexpr double kFullScaleDbSpl = 100.0;
constexpr float kAttackRatio = 10.0f;
constexpr float kAttackFloor = 1e-6f;

double Bark(double hz) { return 13.0 * std::atan(0.00076 * hz) + 3.5 * std::atan(std::pow(hz / 7500.0, 2)); }

double ThresholdInQuietDb(double hz) {
  const double k = std::max(hz, 20.0) / 1000.0;
  return 3.64 * std::pow(k, -0.8) - 6.5 * std::exp(-0.6 * (k - 3.3) * (k - 3.3)) + 1e-3 * std::pow(k, 4);
}

// 0 for a flat (noise-like) band, towards 1 for one dominated by a few lines:
// the spectral flatness in dB, scaled so that -30 dB counts as a pure tone.
double Tonality(const float* lines, int count) {
  double sum = 0, log_sum = 0;
  for (int i = 0; i < count; ++i) {
    const float e = lines[i] * lines[i] + 1e-20f;
    sum += e;
    log_sum += std::log2(e);
  }
  if (sum <= 1e-18 * count) return 0;
  const double flatness_db = 10 * std::log10(2.0) * (log_sum / count - std::log2(sum / count));
  return std::clamp(flatness_db / -30.0, 0.0, 1.0);
}

}  // namespace

MaskingModel::MaskingModel(const StreamLayout& layout) : layout_(layout) {
  StreamLayout l = layout;
  Prepare(MakeBandLayout(l, kNormalBlock), long_info_);
  Prepare(MakeBandLayout(l, kShortBlock), short_info_);
}

void MaskingModel::Prepare(const BandLayout& bands, BandInfo* info) const {
  const int lines = bands.is_short ? 192 : 576;
  const double hz_per_line = layout_.sample_rate / 2.0 / lines;
  const int n = bands.is_short ? 13 : 22;
  const int* edges = bands.is_short ? layout_.short_bands : layout_.long_bands;
  for (int s = 0; s < n; ++s) {
    const int lo = edges[s], hi = edges[s + 1];
    const double bark = Bark((lo + hi) * 0.5 * hz_per_line);
    for (int j = 0; j < n; ++j) {
      const double dz = bark - Bark((edges[j] + edges[j + 1]) * 0.5 * hz_per_line);
      const double atten = dz >= 0 ? dz * kSpreadUpDbPerBark : -dz * kSpreadDownDbPerBark;
      info[s].spread[j] = static_cast<float>(std::pow(10.0, -atten / 10.0));
    }
    info[s].bark = static_cast<float>(bark);
    double lowest = 1e9;
    for (int i = lo; i < hi; ++i) lowest = std::min(lowest, ThresholdInQuietDb((i + 0.5) * hz_per_line));
    info[s].ath = static_cast<float>(std::pow(10.0, (lowest - kFullScaleDbSpl) / 10.0));
  }
}

double MaskingModel::Analyze(const float* xr, const BandLayout& bands, float* allowed) const {
  const BandInfo* info = bands.is_short ? short_info_ : long_info_;
  const int windows = bands.is_short ? 3 : 1;
  const int per_window = bands.is_short ? 13 : 22;
  double pe = 0;
  for (int w = 0; w < windows; ++w) {
    float energy[22];
    for (int s = 0; s < per_window; ++s) {
      const Band& band = bands.bands[bands.is_short ? s * 3 + w : s];
      float e = 0;
      for (int i = band.start; i < band.end; ++i) e += xr[i] * xr[i];
      energy[s] = e;
    }
    for (int s = 0; s < per_window; ++s) {
      double mask = 0;
      for (int j = 0; j < per_window; ++j) mask += energy[j] * info[s].spread[j];
      const int b = bands.is_short ? s * 3 + w : s;
      const double t = Tonality(xr + bands.bands[b].start, bands.bands[b].end - bands.bands[b].start);
      const double offset = t * (kToneMaskOffsetDb + info[s].bark) + (1 - t) * kNoiseMaskOffsetDb;
      mask *= std::pow(10.0, -offset / 10.0);
      const int width = bands.bands[b].end - bands.bands[b].start;
      const double floor = info[s].ath * width;
      allowed[b] = static_cast<float>(std::max(mask, floor));
      if (energy[s] > allowed[b]) pe += width * 0.5 * std::log2(energy[s] / allowed[b]);
    }
  }
  return pe;
}

int AttackDetector::Feed(const float subbands[32][18]) {
  int attack = -1;
  for (int seg = 0; seg < 6; ++seg) {
    float e = 0;
    for (int sb = 1; sb < 32; ++sb)
      for (int t = seg * 3; t < seg * 3 + 3; ++t) e += subbands[sb][t] * subbands[sb][t];
    const float before = std::max({history_[0], history_[1], history_[2], history_[3]});
    if (attack < 0 && e > kAttackFloor && e > kAttackRatio * before) attack = seg < 4 ? 0 : 1;
    std::copy(history_ + 1, history_ + 4, history_);
    history_[3] = e;
  }
  return attack;
}

}  // namespace zelcor::mp3

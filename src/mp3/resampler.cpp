#include "mp3/resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdint>

namespace zelcor::mp3 {
namespace {

constexpr double kKaiserBeta = 7.86;       // about 80 dB side lobes
constexpr double kTransition = 0.045;      // of the lower sample rate
constexpr int kHalfWidth = 56;             // kernel half-length in lower-rate samples
constexpr int kTableSteps = 256;           // kernel table entries per sample

double BesselI0(double x) {
  double sum = 1, term = 1;
  for (int k = 1; k < 40; ++k) {
    term *= (x / (2 * k)) * (x / (2 * k));
    sum += term;
  }
  return sum;
}

}  // namespace

std::vector<float> Resample(const std::vector<float>& in, int in_rate, int out_rate) {
  if (in_rate == out_rate || in.empty()) return in;
  // Work in input-sample time; `scale` < 1 when the rate goes down, which
  // narrows the low-pass and widens the kernel accordingly.
  const double scale = std::min(1.0, static_cast<double>(out_rate) / in_rate);
  const double cutoff = scale * (0.5 - kTransition / 2);  // cycles per input sample
  const double half = kHalfWidth / scale;
  const int table_size = static_cast<int>(half * kTableSteps) + 2;
  std::vector<float> kernel(table_size);
  const double norm = BesselI0(kKaiserBeta);
  for (int i = 0; i < table_size; ++i) {
    const double x = static_cast<double>(i) / kTableSteps;
    const double r = x / half;
    const double window = r >= 1 ? 0 : BesselI0(kKaiserBeta * std::sqrt(1 - r * r)) / norm;
    const double arg = 2 * std::numbers::pi * cutoff * x;
    const double sinc = x == 0 ? 1 : std::sin(arg) / arg;
    kernel[i] = static_cast<float>(2 * cutoff * sinc * window);
  }
  const int64_t out_count = static_cast<int64_t>(in.size()) * out_rate / in_rate;
  std::vector<float> out(out_count);
  const int64_t n_in = static_cast<int64_t>(in.size());
  const int reach = static_cast<int>(std::ceil(half));
  for (int64_t n = 0; n < out_count; ++n) {
    const double t = static_cast<double>(n) * in_rate / out_rate;
    const int64_t centre = static_cast<int64_t>(std::floor(t));
    double sum = 0;
    const int64_t lo = std::max<int64_t>(0, centre - reach + 1), hi = std::min<int64_t>(n_in - 1, centre + reach);
    for (int64_t k = lo; k <= hi; ++k) {
      const double pos = std::fabs(t - k) * kTableSteps;
      const int i = static_cast<int>(pos);
      if (i + 1 >= table_size) continue;
      const double frac = pos - i;
      sum += in[k] * (kernel[i] + (kernel[i + 1] - kernel[i]) * frac);
    }
    out[n] = static_cast<float>(sum);
  }
  return out;
}

}  // namespace zelcor::mp3

#include "mp3/resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

StreamResampler::StreamResampler(int in_rate, int out_rate) : in_rate_(in_rate), out_rate_(out_rate) {
  if (in_rate == out_rate) return;
  // Work in input-sample time; `scale` < 1 when the rate goes down, which
  // narrows the low-pass and widens the kernel accordingly.
  const double scale = std::min(1.0, static_cast<double>(out_rate) / in_rate);
  const double cutoff = scale * (0.5 - kTransition / 2);  // cycles per input sample
  const double half = kHalfWidth / scale;
  const int table_size = static_cast<int>(half * kTableSteps) + 2;
  kernel_.resize(table_size);
  const double norm = BesselI0(kKaiserBeta);
  for (int i = 0; i < table_size; ++i) {
    const double x = static_cast<double>(i) / kTableSteps;
    const double r = x / half;
    const double window = r >= 1 ? 0 : BesselI0(kKaiserBeta * std::sqrt(1 - r * r)) / norm;
    const double arg = 2 * std::numbers::pi * cutoff * x;
    const double sinc = x == 0 ? 1 : std::sin(arg) / arg;
    kernel_[i] = static_cast<float>(2 * cutoff * sinc * window);
  }
  reach_ = static_cast<int>(std::ceil(half));
}

void StreamResampler::Push(const float* in, size_t count, std::vector<float>* out) {
  if (in_rate_ == out_rate_) {
    out->insert(out->end(), in, in + count);
    return;
  }
  held_.insert(held_.end(), in, in + count);
  in_count_ += static_cast<int64_t>(count);
  Produce(false, out);
}

void StreamResampler::Finish(std::vector<float>* out) {
  if (in_rate_ != out_rate_) Produce(true, out);
}

void StreamResampler::Produce(bool ended, std::vector<float>* out) {
  const int64_t out_count = OutputCount(in_count_, in_rate_, out_rate_);
  const int table_size = static_cast<int>(kernel_.size());
  for (; next_out_ < out_count; ++next_out_) {
    const double t = static_cast<double>(next_out_) * in_rate_ / out_rate_;
    const int64_t centre = static_cast<int64_t>(std::floor(t));
    // Until the input ends, wait for the whole reach rather than cut the kernel short.
    if (!ended && centre + reach_ >= in_count_) break;
    double sum = 0;
    const int64_t lo = std::max<int64_t>(0, centre - reach_ + 1);
    const int64_t hi = std::min<int64_t>(in_count_ - 1, centre + reach_);
    for (int64_t k = lo; k <= hi; ++k) {
      const double pos = std::fabs(t - k) * kTableSteps;
      const int i = static_cast<int>(pos);
      if (i + 1 >= table_size) continue;
      const double frac = pos - i;
      sum += held_[k - held_start_] * (kernel_[i] + (kernel_[i + 1] - kernel_[i]) * frac);
    }
    out->push_back(static_cast<float>(sum));
  }
  // Drop the input no later output reaches, in one go once it is half the buffer.
  const double t = static_cast<double>(next_out_) * in_rate_ / out_rate_;
  const int64_t first_needed = std::max<int64_t>(0, static_cast<int64_t>(std::floor(t)) - reach_ + 1);
  const size_t drop = static_cast<size_t>(std::min(first_needed, in_count_) - held_start_);
  if (drop > held_.size() / 2) {
    held_.erase(held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(drop));
    held_start_ += static_cast<int64_t>(drop);
  }
}

std::vector<float> Resample(const std::vector<float>& in, int in_rate, int out_rate) {
  std::vector<float> out;
  StreamResampler resampler(in_rate, out_rate);
  resampler.Push(in.data(), in.size(), &out);
  resampler.Finish(&out);
  return out;
}

}  // namespace zelcor::mp3

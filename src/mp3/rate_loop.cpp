#include "mp3/rate_loop.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "mp3/scalefactors.h"

namespace zelcor::mp3 {
namespace {

constexpr int kMaxOuterIterations = 16;

const std::vector<float>& Pow43() {
  static const std::vector<float> table = [] {
    std::vector<float> t(kMaxQuantised + 1);
    for (int i = 0; i <= kMaxQuantised; ++i) t[i] = static_cast<float>(std::pow(i, 4.0 / 3.0));
    return t;
  }();
  return table;
}

// Log2 of the quantiser step of band b: the decoder multiplies |ix|^(4/3) by
// 2^(step exponent).
double StepExponent(const GranuleChannel& g, int b) {
  const double multiplier = g.scalefac_scale ? 1.0 : 0.5;
  return 0.25 * (g.global_gain - 210) - multiplier * g.scalefac[b];
}

class Quantizer {
 public:
  explicit Quantizer(const RateLoopInput& in) : in_(in) {
    const BandLayout& bands = *in.bands;
    end_ = 0;
    for (int i = 0; i < 576; ++i) {
      const float a = std::fabs(in.xr[i]);
      xr34_[i] = std::sqrt(a * std::sqrt(a));
      if (a > 0) end_ = i + 1;
    }
    for (int b = 0; b < bands.count; ++b) {
      float m = 0;
      for (int i = bands.bands[b].start; i < bands.bands[b].end; ++i) m = std::max(m, xr34_[i]);
      band_max34_[b] = m;
    }
  }

  bool Silent() const { return end_ == 0; }

  // Quantises with the current gain and scale factors; false if a value is too
  // large for the tables.
  bool Quantize(GranuleChannel* g) const {
    const BandLayout& bands = *in_.bands;
    for (int b = 0; b < bands.count; ++b) {
      const Band& band = bands.bands[b];
      const float scale = static_cast<float>(std::exp2(-0.75 * StepExponent(*g, b)));
      if (band_max34_[b] * scale + 0.4054f > kMaxQuantised) return false;
      for (int i = band.start; i < band.end; ++i)
        g->ix[i] = static_cast<int>(xr34_[i] * scale + 0.4054f);
    }
    return true;
  }

  // Bits of part3 at the current settings, or a huge value when unrepresentable.
  int CountBits(GranuleChannel* g) const {
    if (!Quantize(g)) return 1 << 30;
    return PlanHuffman(g->ix, in_.split, false).bits;
  }

  // Smallest global gain whose part3 fits `avail` bits, starting the search at `from`.
  int InnerLoop(GranuleChannel* g, int avail, int from) const {
    int lo = std::max(0, from), hi = 255;
    g->global_gain = lo;
    if (CountBits(g) <= avail) return lo;
    // Grow the step until it fits, then bisect.
    int step = 4;
    int fits = 255;
    for (int gg = lo + step; gg < 255; gg += step, step *= 2) {
      g->global_gain = gg;
      if (CountBits(g) <= avail) { fits = gg; break; }
      lo = gg;
    }
    hi = fits;
    while (hi - lo > 1) {
      const int mid = (lo + hi) / 2;
      g->global_gain = mid;
      if (CountBits(g) <= avail) hi = mid; else lo = mid;
    }
    g->global_gain = hi;
    return hi;
  }

  // Quantisation noise energy per band at the current settings (ix must be set).
  void Noise(const GranuleChannel& g, float* noise) const {
    const BandLayout& bands = *in_.bands;
    const auto& pow43 = Pow43();
    for (int b = 0; b < bands.count; ++b) {
      const Band& band = bands.bands[b];
      const float step = static_cast<float>(std::exp2(StepExponent(g, b)));
      float sum = 0;
      for (int i = band.start; i < band.end; ++i) {
        const float d = std::fabs(in_.xr[i]) - pow43[g.ix[i]] * step;
        sum += d * d;
      }
      noise[b] = sum;
    }
  }

 private:
  const RateLoopInput& in_;
  float xr34_[576];
  float band_max34_[39];
  int end_;
};

struct Distortion {
  int over_count = 0;
  double over_db = 0;  // summed excess of noise over the allowed level
  bool operator<(const Distortion& o) const {
    return over_db < o.over_db || (over_db == o.over_db && over_count < o.over_count);
  }
};

Distortion Measure(const float* noise, const float* allowed, int count) {
  Distortion d;
  for (int b = 0; b < count; ++b) {
    if (noise[b] <= allowed[b]) continue;
    ++d.over_count;
    d.over_db += 10.0 * std::log10(noise[b] / allowed[b]);
  }
  return d;
}

// Raises the gain while every band stays within its allowed noise and at least
// min_bits are used: what is not needed goes back to the bit reservoir.
void SaveBits(const Quantizer& q, const RateLoopInput& in, GranuleChannel* g) {
  float noise[39];
  int lo = g->global_gain, hi = 256;
  GranuleChannel trial = *g;
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    trial.global_gain = mid;
    bool ok = q.Quantize(&trial);
    if (ok) ok = trial.part2_bits + PlanHuffman(trial.ix, in.split, false).bits >= in.min_bits;
    if (ok) {
      q.Noise(trial, noise);
      ok = Measure(noise, in.allowed, in.bands->count).over_count == 0;
    }
    if (ok) lo = mid; else hi = mid;
  }
  g->global_gain = lo;
  q.Quantize(g);
}

}  // namespace

void QuantizeGranule(const RateLoopInput& in, GranuleChannel* g) {
  const BandLayout& bands = *in.bands;
  Quantizer q(in);
  std::fill(g->scalefac, g->scalefac + 39, 0);
  g->scalefac_scale = 0;
  for (int i = 0; i < 576; ++i) g->negative[i] = in.xr[i] < 0;
  if (q.Silent()) {
    std::fill(g->ix, g->ix + 576, 0);
    g->global_gain = 0;
    ChooseScalefacCompress(in.mpeg1, bands, g);
    g->huffman = PlanHuffman(g->ix, in.split, true);
    return;
  }

  GranuleChannel work = *g;
  GranuleChannel best = *g;
  Distortion best_d;
  bool have_best = false;
  float noise[39];
  int gain_from = 0;
  for (int iter = 0; iter < kMaxOuterIterations; ++iter) {
    if (!ChooseScalefacCompress(in.mpeg1, bands, &work)) break;
    const int avail = in.max_bits - work.part2_bits;
    if (avail < 0) break;
    gain_from = q.InnerLoop(&work, avail, gain_from);
    q.Quantize(&work);
    q.Noise(work, noise);
    const Distortion d = Measure(noise, in.allowed, bands.count);
    if (!have_best || d < best_d) {
      best = work;
      best_d = d;
      have_best = true;
    }
    if (d.over_count == 0) break;
    // Amplify the bands that are too noisy; stop once every band has been raised
    // (that would only be a change of the global gain) or a limit is reached.
    bool all_raised = true, at_limit = false;
    for (int b = 0; b < bands.count; ++b) {
      const int limit = ScalefacLimit(in.mpeg1, bands, b);
      if (limit == 0) continue;
      if (noise[b] > in.allowed[b]) {
        if (++work.scalefac[b] > limit) at_limit = true;
      }
      if (work.scalefac[b] == 0) all_raised = false;
    }
    if (all_raised || at_limit) break;
    // Amplified bands need more bits: the fitting gain can only go up.
    gain_from = std::max(0, gain_from - 2);
  }
  if (!have_best) {
    // Budget smaller than any scale factor set: send nothing but zeros.
    std::fill(g->ix, g->ix + 576, 0);
    g->global_gain = 0;
    ChooseScalefacCompress(in.mpeg1, bands, g);
    g->huffman = PlanHuffman(g->ix, in.split, true);
    return;
  }
  if (best_d.over_count == 0) SaveBits(q, in, &best);
  q.Quantize(&best);
  best.huffman = PlanHuffman(best.ix, in.split, true);
  *g = best;
}

}  // namespace zelcor::mp3

#include "mp3/filterbank.h"

#include <cmath>
#include <numbers>

namespace zelcor::mp3 {

AnalysisFilterbank::AnalysisFilterbank() {
  for (int k = 0; k < 32; ++k)
    for (int i = 0; i < 64; ++i)
      matrix_[k * 64 + i] = static_cast<float>(std::cos((2 * k + 1) * (i - 16) * std::numbers::pi / 64.0));
}

void AnalysisFilterbank::Process(const float* in, float* out) {
  // X[0] is the newest sample; kept twice in a ring of 512 so that X[0..511]
  // is always history_[pos_ .. pos_ + 511].
  pos_ = (pos_ - 32) & 511;
  for (int i = 0; i < 32; ++i) {
    history_[pos_ + 31 - i] = in[i];
    history_[pos_ + 31 - i + 512] = in[i];
  }
  const float* x = &history_[pos_];
  const auto& c = AnalysisWindow();
  float y[64];
  for (int i = 0; i < 64; ++i) {
    float sum = 0;
    for (int j = 0; j < 8; ++j) sum += c[i + 64 * j] * x[i + 64 * j];
    y[i] = sum;
  }
  for (int k = 0; k < 32; ++k) {
    const float* m = &matrix_[k * 64];
    float sum = 0;
    for (int i = 0; i < 64; ++i) sum += m[i] * y[i];
    out[k] = sum;
  }
}

}  // namespace zelcor::mp3

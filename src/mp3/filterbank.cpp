#include "mp3/filterbank.h"

#include <cmath>
#include <numbers>

namespace zelcor::mp3 {
namespace {

// Column of the 32 x 64 cosine matrix that each folded input multiplies. The
// matrix is even about column 16 and odd about column 48 (where it is zero), so
// 64 windowed sums fold into 32.
int FoldedColumn(int n) { return n <= 16 ? n : 33 + (n - 17); }

}  // namespace

AnalysisFilterbank::AnalysisFilterbank() {
  for (int n = 0; n < 32; ++n)
    for (int k = 0; k < 32; ++k)
      matrix_[n * 32 + k] =
          static_cast<float>(std::cos((2 * k + 1) * (FoldedColumn(n) - 16) * std::numbers::pi / 64.0));
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
  float y[64] = {};
  for (int j = 0; j < 8; ++j)
    for (int i = 0; i < 64; ++i) y[i] += c[i + 64 * j] * x[i + 64 * j];
  float folded[32];
  folded[0] = y[0] + y[32];
  for (int i = 1; i < 16; ++i) folded[i] = y[i] + y[32 - i];
  folded[16] = y[16];
  for (int i = 33; i < 48; ++i) folded[17 + i - 33] = y[i] - y[96 - i];
  float acc[32] = {};
  for (int n = 0; n < 32; ++n) {
    const float v = folded[n];
    const float* m = &matrix_[n * 32];
    for (int k = 0; k < 32; ++k) acc[k] += m[k] * v;
  }
  for (int k = 0; k < 32; ++k) out[k] = acc[k];
}

}  // namespace zelcor::mp3

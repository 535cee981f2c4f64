// Polyphase analysis filter bank: 32 new PCM samples in, one sample of each of the
// 32 subbands out.
#pragma once
#include <array>

namespace zelcor::mp3 {

const std::array<float, 512>& AnalysisWindow();

class AnalysisFilterbank {
 public:
  AnalysisFilterbank();
  // `in` holds 32 samples in time order; `out[k]` receives subband k.
  void Process(const float* in, float* out);

 private:
  std::array<float, 1024> history_{};  // doubled ring so a 512-window is contiguous
  int pos_ = 0;
  std::array<float, 32 * 32> matrix_{};  // [folded input][subband]
};

}  // namespace zelcor::mp3

// Sample rate conversion with a Kaiser-windowed sinc low-pass (about 80 dB of
// stop-band rejection, pass band up to 45 % of the lower rate).
#pragma once
#include <vector>

namespace zelcor::mp3 {

std::vector<float> Resample(const std::vector<float>& in, int in_rate, int out_rate);

}  // namespace zelcor::mp3

// Quantisation of one granule of one channel within a bit budget: the inner loop
// finds the global gain that fits the budget, the outer loop raises the scale
// factors of bands whose noise exceeds what the masking estimate allows.
#pragma once
#include "mp3/granule.h"

namespace zelcor::mp3 {

struct RateLoopInput {
  const float* xr;       // 576 lines in coding order
  const float* allowed;  // allowed noise energy per band of `bands`
  const BandLayout* bands;
  RegionSplit split;
  bool mpeg1 = true;
  int max_bits = 0;      // part2 + part3 budget (at most 4095)
  int min_bits = 0;      // bits to spend even when the noise is already masked
};

// Fills g (block_type must already be set). The result never exceeds max_bits.
void QuantizeGranule(const RateLoopInput& in, GranuleChannel* g);

}  // namespace zelcor::mp3

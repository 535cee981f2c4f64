#include "mp3/granule.h"

namespace zelcor::mp3 {

BandLayout MakeBandLayout(const StreamLayout& layout, BlockType type) {
  BandLayout out;
  if (type != kShortBlock) {
    out.count = 22;
    for (int b = 0; b < 22; ++b) out.bands[b] = {layout.long_bands[b], layout.long_bands[b + 1], b, -1};
    return out;
  }
  out.is_short = true;
  out.count = 39;
  for (int sfb = 0; sfb < 13; ++sfb) {
    const int width = layout.short_bands[sfb + 1] - layout.short_bands[sfb];
    for (int w = 0; w < 3; ++w) {
      const int start = 3 * layout.short_bands[sfb] + w * width;
      out.bands[sfb * 3 + w] = {start, start + width, sfb, w};
    }
  }
  return out;
}

RegionSplit MakeRegionSplit(const StreamLayout& layout, BlockType type) {
  RegionSplit split;
  split.long_bands = layout.long_bands;
  split.window_switching = type != kNormalBlock;
  split.implicit_region1_start = type == kShortBlock ? 36 : layout.long_bands[8];
  return split;
}

void ReorderShort(const StreamLayout& layout, const float* window_major, float* coding_order) {
  int i = 0;
  for (int sfb = 0; sfb < 13; ++sfb)
    for (int w = 0; w < 3; ++w)
      for (int f = layout.short_bands[sfb]; f < layout.short_bands[sfb + 1]; ++f)
        coding_order[i++] = window_major[w * 192 + f];
}

}  // namespace zelcor::mp3

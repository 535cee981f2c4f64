// MDCT of one granule: 18 subband samples of the previous granule and 18 of the
// current one per subband, windowed by block type, then the alias-reduction
// butterflies for long blocks.
#pragma once

namespace zelcor::mp3 {

enum BlockType { kNormalBlock = 0, kStartBlock = 1, kShortBlock = 2, kStopBlock = 3 };

// prev/cur: [subband][time] as produced by the filter bank (frequency inversion is
// done here). For long block types xr[sb * 18 + k] is the spectrum in frequency
// order. For short blocks xr[w * 192 + f] is window w's line f (0..191).
void MdctGranule(const float prev[32][18], const float cur[32][18], BlockType type,
                 float xr[576]);

}  // namespace zelcor::mp3

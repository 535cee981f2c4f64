// One granule of one channel as it goes into the bit stream: spectral band layout,
// side information fields, scale factors and quantised values.
#pragma once
#include "mp3/frame_tables.h"
#include "mp3/huffman_coder.h"
#include "mp3/mdct.h"

namespace zelcor::mp3 {

// A scale factor band of the coding order; short blocks are ordered band by
// band, window by window within each band.
struct Band {
  int start, end;
  int sfb;
  int window;  // -1 for long blocks
};

struct BandLayout {
  bool is_short = false;
  int count = 0;  // 22 long bands or 13 x 3 short ones
  Band bands[39];
};

BandLayout MakeBandLayout(const StreamLayout& layout, BlockType type);
RegionSplit MakeRegionSplit(const StreamLayout& layout, BlockType type);

// Short-block spectrum from window-major (xr[w * 192 + f]) to coding order.
void ReorderShort(const StreamLayout& layout, const float* window_major, float* coding_order);

struct GranuleChannel {
  BlockType block_type = kNormalBlock;
  int global_gain = 210;
  int scalefac_compress = 0;
  int scalefac_scale = 0;
  int slen[4] = {0, 0, 0, 0};
  int scalefac[39] = {};  // by band index of the layout
  int part2_bits = 0;
  HuffmanPlan huffman;
  int ix[576] = {};
  bool negative[576] = {};

  int Part23Bits() const { return part2_bits + huffman.bits; }
};

}  // namespace zelcor::mp3

// Partition of a granule's quantised spectrum into big values, count1 and zero
// regions, choice of Huffman tables, bit counting and writing.
#pragma once
#include "mp3/bit_writer.h"

namespace zelcor::mp3 {

// Where the big values region is split into up to three regions.
struct RegionSplit {
  bool window_switching = false;  // block types 1..3: split is implicit
  const int* long_bands = nullptr;
  int implicit_region1_start = 0;  // lines; used when window_switching
};

struct HuffmanPlan {
  int big_values = 0;       // pairs
  int count1_end = 0;       // first line of the all-zero region
  int table_select[3] = {0, 0, 0};
  int region0_count = 0, region1_count = 0;  // long normal blocks only
  int count1_table = 0;
  int bits = 0;             // part3 length
};

// Largest quantised magnitude the tables can carry (15 + 2^13 - 1).
constexpr int kMaxQuantised = 8206;

// Plans the coding of ix[576] (magnitudes, coding order). `search_regions`
// tries every region split of a normal long block; otherwise a proportional
// split is used (cheap, for the rate loop).
HuffmanPlan PlanHuffman(const int* ix, const RegionSplit& split, bool search_regions);

// Writes the part3 bits; `negative[i]` gives the sign of line i.
void WriteHuffman(BitWriter& out, const int* ix, const bool* negative, const HuffmanPlan& plan,
                  const RegionSplit& split);

}  // namespace zelcor::mp3

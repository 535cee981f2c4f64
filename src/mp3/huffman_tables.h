// Huffman code tables of Layer III.
#pragma once
#include <cstdint>

namespace zelcor::mp3 {

struct HuffmanTable {
  int xlen;     // values per axis (0: table unused); 16 means 15 is the escape value
  int linbits;  // extra bits after an escape value
  const uint16_t* codes;
  const uint8_t* lengths;
};

// Index = table_select (0..31); tables 0, 4 and 14 have no codes.
extern const HuffmanTable kBigValueTables[32];
// count1 tables A (0) and B (1), indexed by v*8 + w*4 + x*2 + y.
extern const HuffmanTable kCount1Tables[2];

}  // namespace zelcor::mp3

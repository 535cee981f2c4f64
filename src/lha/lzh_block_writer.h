#pragma once
#include <cstdint>
#include <vector>

#include "lha/bit_io.h"

namespace lha {

// One coded symbol: a literal (code < 256) or a match (length code and offset,
// where offset = distance - 1).
struct LzhSymbol {
  uint16_t code;
  uint16_t offset;
};

// Position symbol of an offset: its bit length.
inline int positionSymbol(uint32_t offset) {
  int n = 0;
  while (offset) {
    ++n;
    offset >>= 1;
  }
  return n;
}

// Writes one block: symbol count, the three code tables, the symbols.
void writeLzhBlock(BitWriter& out, const std::vector<LzhSymbol>& symbols, int dictBits);

}  // namespace lha

#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "lha/bit_io.h"

namespace lha {

// One coded symbol: a literal (code < 256) or a match (length code and offset,
// where offset = distance - 1).
struct LzhSymbol {
  uint16_t code;
  uint32_t offset;
};

// Position symbol of an offset: its bit length.
inline int positionSymbol(uint32_t offset) { return offset ? 32 - __builtin_clz(offset) : 0; }

// Writes one block: symbol count, the three code tables, the symbols.
void writeLzhBlock(BitWriter& out, std::span<const LzhSymbol> symbols, int dictBits);

// The bits writeLzhBlock would write for the symbols, without writing them.
uint64_t lzhBlockBits(std::span<const LzhSymbol> symbols, int dictBits);

}  // namespace lha

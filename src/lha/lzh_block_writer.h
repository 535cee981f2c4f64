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

// How often each literal or length code and each position symbol occurs in a
// run of symbols.
struct LzhFrequencies {
  explicit LzhFrequencies(int dictBits);
  void add(std::span<const LzhSymbol> symbols);
  void add(const LzhFrequencies& other);

  std::vector<uint32_t> c, p;
  size_t count = 0;  // symbols
};

// The bits writeLzhBlock would write for symbols of these frequencies.
uint64_t lzhBlockBits(const LzhFrequencies& freq, int dictBits);

}  // namespace lha

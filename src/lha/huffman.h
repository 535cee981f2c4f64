#pragma once
#include <cstdint>
#include <vector>

#include "lha/bit_io.h"

namespace lha {

// Longest code the -lh5-..-lh7- format can carry.
constexpr int kMaxCodeLength = 16;

// Canonical Huffman decoder: a direct table for short codes, a walk by length
// for the rest.
class HuffmanDecoder {
public:
  explicit HuffmanDecoder(int tableBits) : tableBits_(tableBits), table_(size_t{1} << tableBits) {}

  // False when the lengths do not form a complete prefix code.
  bool build(const uint8_t* lengths, int n);
  // Every symbol decodes to `symbol` and consumes no bits.
  void buildSingle(int symbol);

  int decode(BitReader& in) const {
    uint32_t bits = in.peek16();
    uint32_t e = table_[bits >> (16 - tableBits_)];
    int len = static_cast<int>(e >> 16);
    if (len <= tableBits_) {
      in.skip(len);
      return static_cast<int>(e & 0xFFFF);
    }
    return decodeLong(in, bits);
  }

private:
  int decodeLong(BitReader& in, uint32_t bits) const;

  int tableBits_;
  std::vector<uint32_t> table_;
  uint16_t count_[kMaxCodeLength + 1] = {};
  uint32_t first_[kMaxCodeLength + 1] = {};
  uint16_t offset_[kMaxCodeLength + 1] = {};
  std::vector<uint16_t> sorted_;
};

// Code lengths (at most `limit`) for the frequencies; unused symbols get 0.
// Returns how many symbols are used; with fewer than two the caller writes the
// single-symbol form instead of a table.
int buildCodeLengths(const uint32_t* freq, int n, int limit, uint8_t* lengths);

// Canonical codes for the lengths, in the order the decoder assigns them.
void buildCodes(const uint8_t* lengths, int n, uint16_t* codes);

}  // namespace lha

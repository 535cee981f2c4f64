#pragma once
#include <cstddef>
#include <cstdint>

#include "lha/bit_io.h"
#include "lha/lzh_decode.h"
#include "lha/sink.h"

namespace lha {

// The adaptive Huffman code of -lh1-: 256 literals and the match lengths 3 to
// 60, every symbol starting at weight 1. After each symbol its weight grows
// and the tree is rearranged so that heavier nodes sit higher; at the weight
// limit all weights are halved and the tree rebuilt.
class AdaptiveHuffman {
public:
  static constexpr int kSymbols = 314;
  static constexpr int kNodes = 2 * kSymbols - 1;
  static constexpr int kRoot = kNodes - 1;

  AdaptiveHuffman();

  // Reads one symbol and updates the tree for it.
  int decode(BitReader& in) {
    int node = child_[kRoot];
    while (node < kNodes) node = child_[node + static_cast<int>(in.get(1))];
    int symbol = node - kNodes;
    update(symbol);
    return symbol;
  }
  void update(int symbol);

  // The tree, for writing codes: a node's parent and its first child (its
  // sibling is the child after it); a symbol's leaf hangs below leafNode().
  int parent(int node) const { return parent_[node]; }
  int firstChild(int node) const { return child_[node]; }
  int leafNode(int symbol) const { return parent_[symbol + kNodes]; }

private:
  void rebuild();

  uint32_t weight_[kNodes + 1];
  int child_[kNodes];                // below kNodes: a node; kNodes + s: the leaf of symbol s
  int parent_[kNodes + kSymbols];  // of nodes, then of leaves
};

// Lengths of the fixed code for the upper six bits of an -lh1- position.
void lh1PositionLengths(uint8_t (&lengths)[64]);

// Decodes an -lh1- stream (4 KB window) of exactly originalSize bytes.
DecodeStatus decodeLh1(const uint8_t* packed, size_t packedSize, uint64_t originalSize, ByteSink& out);

}  // namespace lha

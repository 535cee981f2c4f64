#include "lha/lh1_decode.h"

#include <algorithm>
#include <cstring>

#include "lha/huffman.h"
#include "lha/output_window.h"

namespace lha {
namespace {

constexpr uint32_t kMaxWeight = 0x8000;
constexpr int kLh1MinMatch = 3;

}  // namespace

AdaptiveHuffman::AdaptiveHuffman() {
  for (int i = 0; i < kSymbols; ++i) {
    weight_[i] = 1;
    child_[i] = i + kNodes;
    parent_[i + kNodes] = i;
  }
  for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
    weight_[j] = weight_[i] + weight_[i + 1];
    child_[j] = i;
    parent_[i] = parent_[i + 1] = j;
  }
  weight_[kNodes] = 0xFFFF;  // stops the upward search in update()
  parent_[kRoot] = 0;
}

void AdaptiveHuffman::rebuild() {
  // Leaves to the front with halved weights, then internal nodes merged back
  // in weight order.
  int j = 0;
  for (int i = 0; i < kNodes; ++i) {
    if (child_[i] >= kNodes) {
      weight_[j] = (weight_[i] + 1) / 2;
      child_[j] = child_[i];
      ++j;
    }
  }
  for (int i = 0, k = kSymbols; k < kNodes; i += 2, ++k) {
    uint32_t w = weight_[i] + weight_[i + 1];
    int at = k - 1;
    while (w < weight_[at]) --at;
    ++at;
    std::memmove(&weight_[at + 1], &weight_[at], sizeof weight_[0] * static_cast<size_t>(k - at));
    std::memmove(&child_[at + 1], &child_[at], sizeof child_[0] * static_cast<size_t>(k - at));
    weight_[at] = w;
    child_[at] = i;
  }
  for (int i = 0; i < kNodes; ++i) {
    int c = child_[i];
    parent_[c] = i;
    if (c < kNodes) parent_[c + 1] = i;
  }
}

void AdaptiveHuffman::update(int symbol) {
  if (weight_[kRoot] == kMaxWeight) rebuild();
  int c = parent_[symbol + kNodes];
  do {
    uint32_t w = ++weight_[c];
    if (w > weight_[c + 1]) {
      // Swap with the last node of lower weight, keeping weights in order.
      int l = c + 1;
      while (w > weight_[l + 1]) ++l;
      weight_[c] = weight_[l];
      weight_[l] = w;
      int i = child_[c];
      parent_[i] = l;
      if (i < kNodes) parent_[i + 1] = l;
      int j = child_[l];
      child_[l] = i;
      parent_[j] = c;
      if (j < kNodes) parent_[j + 1] = c;
      child_[c] = j;
      c = l;
    }
    c = parent_[c];
  } while (c != 0);
}

void lh1PositionLengths(uint8_t (&lengths)[64]) {
  // 1 code of 3 bits, 3 of 4, 8 of 5, 12 of 6, 24 of 7, 16 of 8.
  static const int kFirstOfLength[] = {0, 1, 4, 12, 24, 48, 64};
  for (int len = 0; len < 6; ++len)
    std::fill(lengths + kFirstOfLength[len], lengths + kFirstOfLength[len + 1], static_cast<uint8_t>(len + 3));
}

DecodeStatus decodeLh1(const uint8_t* packed, size_t packedSize, uint64_t originalSize, ByteSink& out) {
  BitReader in(packed, packedSize);
  OutputWindow window(12, out);
  AdaptiveHuffman symbols;
  uint8_t lengths[64];
  lh1PositionLengths(lengths);
  HuffmanDecoder upper(8);
  upper.build(lengths, 64);
  for (uint64_t remaining = originalSize; remaining > 0;) {
    int c = symbols.decode(in);
    bool ok;
    if (c < 256) {
      ok = window.put(static_cast<uint8_t>(c));
      --remaining;
    } else {
      uint32_t length = static_cast<uint32_t>(c - 256 + kLh1MinMatch);
      if (length > remaining) return DecodeStatus::Corrupt;
      size_t position = static_cast<size_t>(upper.decode(in)) << 6 | in.get(6);
      ok = window.copy(position + 1, length);
      remaining -= length;
    }
    if (in.overrun()) return DecodeStatus::Corrupt;
    if (!ok) return DecodeStatus::WriteFailed;
  }
  return window.flush() ? DecodeStatus::Ok : DecodeStatus::WriteFailed;
}

}  // namespace lha

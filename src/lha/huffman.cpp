#include "lha/huffman.h"

#include <algorithm>

namespace lha {

bool HuffmanDecoder::build(const uint8_t* lengths, int n) {
  std::fill(std::begin(count_), std::end(count_), 0);
  for (int i = 0; i < n; ++i) {
    if (lengths[i] > kMaxCodeLength) return false;
    ++count_[lengths[i]];
  }
  count_[0] = 0;
  uint32_t space = 0;
  for (int len = 1; len <= kMaxCodeLength; ++len) space += uint32_t{count_[len]} << (kMaxCodeLength - len);
  if (space != (1u << kMaxCodeLength)) return false;

  uint32_t code = 0;
  uint16_t index = 0;
  for (int len = 1; len <= kMaxCodeLength; ++len) {
    first_[len] = code;
    offset_[len] = index;
    code = (code + count_[len]) << 1;
    index = static_cast<uint16_t>(index + count_[len]);
  }
  sorted_.assign(index, 0);
  uint16_t next[kMaxCodeLength + 1];
  std::copy(std::begin(offset_), std::end(offset_), next);
  for (int sym = 0; sym < n; ++sym)
    if (lengths[sym]) sorted_[next[lengths[sym]]++] = static_cast<uint16_t>(sym);

  // Long codes are marked with a length above the table width.
  std::fill(table_.begin(), table_.end(), uint32_t{0xFF} << 16);
  for (int len = 1; len <= tableBits_; ++len) {
    for (int k = 0; k < count_[len]; ++k) {
      uint32_t c = first_[len] + k;
      uint32_t sym = sorted_[offset_[len] + k];
      uint32_t lo = c << (tableBits_ - len), hi = (c + 1) << (tableBits_ - len);
      for (uint32_t j = lo; j < hi; ++j) table_[j] = (uint32_t(len) << 16) | sym;
    }
  }
  return true;
}

void HuffmanDecoder::buildSingle(int symbol) {
  std::fill(table_.begin(), table_.end(), static_cast<uint32_t>(symbol));
}

int HuffmanDecoder::decodeLong(BitReader& in, uint32_t bits) const {
  for (int len = tableBits_ + 1; len <= kMaxCodeLength; ++len) {
    uint32_t c = bits >> (kMaxCodeLength - len);
    if (c - first_[len] < count_[len]) {
      in.skip(len);
      return sorted_[offset_[len] + (c - first_[len])];
    }
  }
  return -1;  // unreachable for a complete code
}

int buildCodeLengths(const uint32_t* freq, int n, int limit, uint8_t* lengths) {
  // Used symbols, rarest first (ties: lower symbol first).
  std::vector<int> symbols;
  for (int i = 0; i < n; ++i) {
    lengths[i] = 0;
    if (freq[i]) symbols.push_back(i);
  }
  int used = static_cast<int>(symbols.size());
  if (used < 2) return used;
  std::sort(symbols.begin(), symbols.end(), [&](int a, int b) { return freq[a] != freq[b] ? freq[a] < freq[b] : a < b; });

  // Plain Huffman depths (may exceed the limit). Merged nodes come out in
  // order of weight, so the two lightest are always at the front of the
  // leaves or of the merged nodes; a leaf goes first on equal weight.
  std::vector<uint64_t> weight(used - 1);
  std::vector<int> parent(2 * used - 1);  // leaves 0..used-1 in sorted order, then merged nodes
  int leaf = 0, merged = 0, made = 0;  // leaves and merged nodes taken, merged nodes made
  auto take = [&](uint64_t& w) {
    if (leaf < used && (merged == made || freq[symbols[leaf]] <= weight[merged])) {
      w = freq[symbols[leaf]];
      return leaf++;
    }
    w = weight[merged];
    return used + merged++;
  };
  for (; made < used - 1; ++made) {
    uint64_t wa, wb;
    int a = take(wa), b = take(wb);
    parent[a] = parent[b] = used + made;
    weight[made] = wa + wb;
  }
  std::vector<int> depth(2 * used - 1, 0);  // the root, made last, has depth 0
  for (int i = 2 * used - 3; i >= 0; --i) depth[i] = depth[parent[i]] + 1;

  std::vector<int> count(limit + 1, 0);
  for (int i = 0; i < used; ++i) ++count[std::min(depth[i], limit)];

  // Clamping overfilled the code space; move leaves down until it fits exactly.
  uint64_t space = 0;
  for (int len = 1; len <= limit; ++len) space += uint64_t(count[len]) << (limit - len);
  while (space > (uint64_t{1} << limit)) {
    --count[limit];
    for (int len = limit - 1; len > 0; --len) {
      if (count[len]) {
        --count[len];
        count[len + 1] += 2;
        break;
      }
    }
    --space;
  }

  // Shortest lengths to the most frequent symbols: from the back of the
  // sorted list, each run of equal frequency lower symbol first.
  int len = 1, left = count[1];
  for (int end = used; end > 0;) {
    int run = end;
    while (run > 0 && freq[symbols[run - 1]] == freq[symbols[end - 1]]) --run;
    for (int k = run; k < end; ++k) {
      while (left == 0) left = count[++len];
      lengths[symbols[k]] = static_cast<uint8_t>(len);
      --left;
    }
    end = run;
  }
  return used;
}

void buildCodes(const uint8_t* lengths, int n, uint16_t* codes) {
  uint32_t count[kMaxCodeLength + 2] = {};
  for (int i = 0; i < n; ++i) ++count[lengths[i]];
  count[0] = 0;
  uint32_t next[kMaxCodeLength + 2] = {};
  uint32_t code = 0;
  for (int len = 1; len <= kMaxCodeLength; ++len) {
    next[len] = code;
    code = (code + count[len]) << 1;
  }
  for (int i = 0; i < n; ++i) codes[i] = lengths[i] ? static_cast<uint16_t>(next[lengths[i]]++) : 0;
}

}  // namespace lha

#include "lha/huffman.h"

#include <algorithm>
#include <queue>

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

namespace {

// Plain Huffman depths; may exceed the limit.
void huffmanDepths(const uint32_t* freq, int n, std::vector<int>& depth) {
  struct Node {
    uint64_t weight;
    int id;
  };
  auto heavier = [](const Node& a, const Node& b) {
    return a.weight != b.weight ? a.weight > b.weight : a.id > b.id;
  };
  std::priority_queue<Node, std::vector<Node>, decltype(heavier)> heap(heavier);
  std::vector<int> parent(2 * n, -1);
  for (int i = 0; i < n; ++i)
    if (freq[i]) heap.push({freq[i], i});
  int next = n;
  while (heap.size() > 1) {
    Node a = heap.top();
    heap.pop();
    Node b = heap.top();
    heap.pop();
    parent[a.id] = parent[b.id] = next;
    heap.push({a.weight + b.weight, next++});
  }
  depth.assign(n, 0);
  for (int i = 0; i < n; ++i) {
    if (!freq[i]) continue;
    int d = 0;
    for (int p = parent[i]; p >= 0; p = parent[p]) ++d;
    depth[i] = d;
  }
}

}  // namespace

int buildCodeLengths(const uint32_t* freq, int n, int limit, uint8_t* lengths) {
  std::vector<int> symbols;
  for (int i = 0; i < n; ++i) {
    lengths[i] = 0;
    if (freq[i]) symbols.push_back(i);
  }
  if (symbols.size() < 2) return static_cast<int>(symbols.size());

  std::vector<int> depth;
  huffmanDepths(freq, n, depth);
  std::vector<int> count(limit + 1, 0);
  for (int s : symbols) ++count[std::min(depth[s], limit)];

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

  // Shortest lengths to the most frequent symbols.
  std::stable_sort(symbols.begin(), symbols.end(), [&](int a, int b) { return freq[a] > freq[b]; });
  size_t k = 0;
  for (int len = 1; len <= limit; ++len)
    for (int c = 0; c < count[len]; ++c) lengths[symbols[k++]] = static_cast<uint8_t>(len);
  return static_cast<int>(symbols.size());
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

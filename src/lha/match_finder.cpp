#include "lha/match_finder.h"

#include <algorithm>
#include <cstring>

#include "lha/lzh_format.h"

namespace lha {

namespace {
constexpr int kHashBits = 16;
constexpr size_t kAhead = 8;  // positions between fetching a head and using it

// Bytes a and b have in common from the start, at most `limit`; eight at a time.
size_t commonLength(const uint8_t* a, const uint8_t* b, size_t limit) {
  size_t len = 0;
  while (len + 8 <= limit) {
    uint64_t x, y;
    std::memcpy(&x, a + len, 8);
    std::memcpy(&y, b + len, 8);
    if (x != y) return len + static_cast<size_t>(__builtin_ctzll(x ^ y) >> 3);  // little-endian: lowest byte first
    len += 8;
  }
  while (len < limit && a[len] == b[len]) ++len;
  return len;
}

}  // namespace

// Tables no larger than the data needs: short files (a MIDI tune) are the common case.
int tableBits(size_t size, int limit) {
  int bits = 10;
  while (bits < limit && (size_t{1} << bits) < size) ++bits;
  return bits;
}

MatchFinder::MatchFinder(const uint8_t* data, size_t size, int dictBits, int maxChain, size_t goodLength)
    : data_(data), size_(size),
      // One short of the dictionary keeps every reference inside what any
      // decoder's ring buffer still holds.
      maxDistance_((size_t{1} << dictBits) - 1), windowMask_((size_t{1} << tableBits(size, dictBits)) - 1),
      maxChain_(maxChain), goodLength_(goodLength), hashBits_(tableBits(size, kHashBits)),
      head3_(size_t{1} << hashBits_, 0), head_(size_t{1} << hashBits_, 0), prev_(windowMask_ + 1, 0) {}

uint32_t MatchFinder::hashAt(size_t pos, int bytes) const {
  uint32_t v = uint32_t(data_[pos]) | uint32_t(data_[pos + 1]) << 8 | uint32_t(data_[pos + 2]) << 16;
  if (bytes == 4) v ^= uint32_t(data_[pos + 3]) << 24 | 0x5A;  // never equal to a three-byte key
  return (v * 2654435761u) >> (32 - hashBits_);
}

void MatchFinder::reach(size_t pos) {
  for (size_t p = std::max(next_, pos > maxDistance_ ? pos - maxDistance_ : 0); p < pos; ++p) insert(p);
}

void MatchFinder::insert(size_t pos) {
  next_ = pos + 1;
  if (pos + 3 > size_) return;
  head3_[hashAt(pos, 3)] = static_cast<uint32_t>(pos);
  if (pos + 4 > size_) return;
  uint32_t h = hashAt(pos, 4);
  prev_[pos & windowMask_] = head_[h];
  head_[h] = static_cast<uint32_t>(pos);
  // The heads a few positions on are fetched while this one is searched.
  if (pos + kAhead + 4 <= size_) {
    __builtin_prefetch(&head3_[hashAt(pos + kAhead, 3)]);
    __builtin_prefetch(&head_[hashAt(pos + kAhead, 4)]);
  }
}

void MatchFinder::find(size_t pos, size_t maxLength, std::vector<Match>& out) {
  if (maxLength > size_ - pos) maxLength = size_ - pos;
  if (maxLength < static_cast<size_t>(lzh::kMinMatch)) return;
  const uint8_t* cur = data_ + pos;
  size_t best = lzh::kMinMatch - 1;
  auto consider = [&](uint32_t distance) __attribute__((always_inline)) {
    const uint8_t* ref = cur - distance;
    if (ref[best] != cur[best] || ref[0] != cur[0]) return;
    size_t len = commonLength(ref, cur, maxLength);
    if (len <= best) return;
    best = len;
    out.push_back({static_cast<uint16_t>(len), distance});
  };
  // Positions are kept in 32 bits: a distance is their difference, exact
  // below 4 GB and beyond that still a place in the window, whose bytes are
  // compared before it is reported. An empty slot reads as position 0.
  uint32_t here = static_cast<uint32_t>(pos);
  auto reachable = [&](uint32_t cand) { return here - cand - 1 < maxDistance_; };  // 1..maxDistance back
  // The nearest three-byte match; longer ones come from the chain of
  // four-byte prefixes, which stays short where three-byte prefixes repeat
  // all over (machine code, samples).
  uint32_t near = head3_[hashAt(pos, 3)];
  if (reachable(near)) consider(here - near);
  if (maxLength < 4 || best == maxLength) return;
  uint32_t cand = head_[hashAt(pos, 4)];
  for (int chain = maxChain_; chain > 0 && reachable(cand); --chain) {
    size_t before = best;
    consider(here - cand);
    if (best == maxLength) break;
    // A match this long is seldom beaten far down the chain.
    if (best > before && best >= goodLength_) chain = std::min(chain, maxChain_ / 8 + 1);
    uint32_t next = prev_[cand & windowMask_];
    if (here - next <= here - cand) break;  // slot reused by a newer position: the chain ends here
    cand = next;
  }
}

}  // namespace lha

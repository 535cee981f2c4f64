#include "lha/match_finder.h"

#include "lha/lzh_format.h"

namespace lha {

namespace {
constexpr int kHashBits = 16;
}

MatchFinder::MatchFinder(const uint8_t* data, size_t size, int dictBits, int maxChain)
    : data_(data), size_(size),
      // One short of the dictionary keeps every reference inside what any
      // decoder's ring buffer still holds.
      maxDistance_((size_t{1} << dictBits) - 1), windowMask_((size_t{1} << dictBits) - 1),
      maxChain_(maxChain), head_(size_t{1} << kHashBits, -1), prev_(size_t{1} << dictBits, -1) {}

uint32_t MatchFinder::hashAt(size_t pos) const {
  uint32_t v = uint32_t(data_[pos]) | uint32_t(data_[pos + 1]) << 8 | uint32_t(data_[pos + 2]) << 16;
  return (v * 2654435761u) >> (32 - kHashBits);
}

void MatchFinder::insert(size_t pos) {
  if (pos + lzh::kMinMatch > size_) return;
  uint32_t h = hashAt(pos);
  prev_[pos & windowMask_] = head_[h];
  head_[h] = static_cast<int64_t>(pos);
}

void MatchFinder::find(size_t pos, size_t maxLength, std::vector<Match>& out) {
  out.clear();
  if (maxLength > size_ - pos) maxLength = size_ - pos;
  if (maxLength < static_cast<size_t>(lzh::kMinMatch)) return;
  const uint8_t* cur = data_ + pos;
  size_t best = lzh::kMinMatch - 1;
  int64_t cand = head_[hashAt(pos)];
  for (int chain = maxChain_; cand >= 0 && chain > 0; --chain) {
    size_t distance = pos - static_cast<size_t>(cand);
    if (distance > maxDistance_) break;
    const uint8_t* ref = data_ + cand;
    if (ref[best] == cur[best] && ref[0] == cur[0]) {
      size_t len = 0;
      while (len < maxLength && ref[len] == cur[len]) ++len;
      if (len > best) {
        best = len;
        out.push_back({static_cast<uint16_t>(len), static_cast<uint32_t>(distance)});
        if (len == maxLength) break;
      }
    }
    int64_t next = prev_[static_cast<size_t>(cand) & windowMask_];
    if (next >= cand) break;  // slot reused by a newer position: the chain ends here
    cand = next;
  }
}

}  // namespace lha

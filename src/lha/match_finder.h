#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lha {

struct Match {
  uint16_t length;
  uint32_t distance;  // 1 = the byte just before
};

// Hash chains over four-byte prefixes, and the newest of each three-byte prefix. find() reports, for every length it
// can improve on, the nearest match reaching that length (nearer is cheaper
// to code), so a parser can pick any length with its best distance.
class MatchFinder {
public:
  // Once a match of goodLength is found, the rest of the chain is searched
  // only briefly.
  MatchFinder(const uint8_t* data, size_t size, int dictBits, int maxChain, size_t goodLength);

  // Appends the matches at pos in increasing length; positions are inserted in order.
  void find(size_t pos, size_t maxLength, std::vector<Match>& out);
  void insert(size_t pos);
  // Inserts what this finder has not seen of the positions a match at pos may
  // reach back to, so that it can go on at pos.
  void reach(size_t pos);

private:
  uint32_t hashAt(size_t pos, int bytes) const;

  const uint8_t* data_;
  size_t size_;
  size_t maxDistance_;
  size_t windowMask_;  // of prev_, which needs no more slots than the data has bytes
  int maxChain_;
  size_t goodLength_;
  int hashBits_;
  size_t next_ = 0;  // the position after the last one inserted
  std::vector<uint32_t> head3_;  // newest position of each three-byte prefix
  std::vector<uint32_t> head_;   // chains of four-byte prefixes
  std::vector<uint32_t> prev_;
};

}  // namespace lha

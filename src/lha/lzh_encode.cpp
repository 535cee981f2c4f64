#include "lha/lzh_encode.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <span>
#include <thread>

#include "lha/bit_io.h"
#include "lha/lzh_block_writer.h"
#include "lha/lzh_format.h"
#include "lha/match_finder.h"

namespace lha {
namespace {

using namespace lzh;

// Estimated bit costs of symbols, from the statistics of an earlier parse.
struct CostModel {
  float c[kNumC];
  float p[kMaxNumP];

  CostModel() {
    for (int i = 0; i < kNumC; ++i) c[i] = i < 256 ? 8.0f : 7.0f;
    for (int i = 0; i < kMaxNumP; ++i) p[i] = 3.0f + (i > 1 ? float(i - 1) : 0.0f);
  }

  void learn(const std::vector<LzhSymbol>& symbols, int numP) {
    std::vector<uint32_t> cf(kNumC, 0), pf(numP, 0);
    uint32_t matches = 0;
    for (const LzhSymbol& s : symbols) {
      ++cf[s.code];
      if (s.code >= 256) ++pf[positionSymbol(s.offset)], ++matches;
    }
    fill(c, cf, static_cast<uint32_t>(symbols.size()));
    fill(p, pf, matches);
    for (int i = 2; i < numP; ++i) p[i] += float(i - 1);  // extra bits
  }

private:
  template <size_t N>
  static void fill(float (&cost)[N], const std::vector<uint32_t>& freq, uint32_t total) {
    // Unseen symbols are priced as rarer than any seen one, never as impossible.
    float scale = float(std::max<uint32_t>(total, 1));
    for (size_t i = 0; i < freq.size() && i < N; ++i)
      cost[i] = std::log2(scale / (freq[i] ? float(freq[i]) : 0.5f));
  }
};

// Matches found at every position of one stretch, searched once and reused by
// each pricing pass.
struct BlockMatches {
  std::vector<uint32_t> start;  // index into list per position, plus an end sentinel
  std::vector<Match> list;
};

size_t bytesOf(const LzhSymbol& s) { return s.code < 256 ? 1 : s.code - 256 + kMinMatch; }

class Encoder {
public:
  Encoder(int dictBits, const uint8_t* data, size_t size, const EncodeOptions& o)
      : dictBits_(dictBits), data_(data), size_(size), options_(o) {}

  std::vector<uint8_t> run();

private:
  MatchFinder newFinder() const {
    return MatchFinder(data_, size_, dictBits_, options_.maxChain, options_.goodLength);
  }
  void collect(MatchFinder& finder, size_t begin, size_t end, BlockMatches& m) const;
  void parse(size_t begin, size_t end, const BlockMatches& m, const CostModel& cost, std::vector<LzhSymbol>& out);
  uint64_t split(std::span<const LzhSymbol> symbols, size_t at, size_t bytes, uint64_t bits, int depth,
                 std::vector<size_t>& cuts) const;
  void plan(size_t begin, size_t end, const BlockMatches& m, CostModel& cost, BitWriter& out);

  int dictBits_;
  const uint8_t* data_;
  size_t size_;
  EncodeOptions options_;
  // The parser's work space, kept from stretch to stretch.
  std::vector<float> best_;
  std::vector<LzhSymbol> step_;
  std::vector<uint16_t> stepLen_;
  std::vector<LzhSymbol> symbols_;
};

void Encoder::collect(MatchFinder& finder, size_t begin, size_t end, BlockMatches& m) const {
  finder.reach(begin);
  m.start.assign(end - begin + 1, 0);
  m.list.clear();
  std::vector<Match> found;
  size_t skipUntil = begin;
  for (size_t pos = begin; pos < end; ++pos) {
    m.start[pos - begin] = static_cast<uint32_t>(m.list.size());
    if (pos >= skipUntil) {
      finder.find(pos, std::min<size_t>(kMaxMatch, end - pos), found);
      m.list.insert(m.list.end(), found.begin(), found.end());
      // Inside a long match the alternatives hardly ever pay for the search.
      if (!found.empty() && found.back().length >= options_.niceLength) skipUntil = pos + found.back().length;
    }
    finder.insert(pos);
  }
  m.start[end - begin] = static_cast<uint32_t>(m.list.size());
}

void Encoder::parse(size_t begin, size_t end, const BlockMatches& m, const CostModel& cost,
                    std::vector<LzhSymbol>& out) {
  size_t n = end - begin;
  best_.assign(n + 1, std::numeric_limits<float>::infinity());
  step_.resize(n + 1);
  stepLen_.resize(n + 1);
  float* best = best_.data();
  LzhSymbol* step = step_.data();
  uint16_t* stepLen = stepLen_.data();
  best[0] = 0;
  for (size_t i = 0; i < n; ++i) {
    float here = best[i];
    float lit = here + cost.c[data_[begin + i]];
    if (lit < best[i + 1]) {
      best[i + 1] = lit;
      step[i + 1] = {data_[begin + i], 0};
      stepLen[i + 1] = 1;
    }
    int length = kMinMatch;
    int room = static_cast<int>(std::min<size_t>(n - i, kMaxMatch));
    for (uint32_t k = m.start[i]; k < m.start[i + 1] && length <= room; ++k) {
      const Match& mt = m.list[k];
      int top = std::min<int>(mt.length, room);
      float base = here + cost.p[positionSymbol(mt.distance - 1)];
      uint32_t offset = mt.distance - 1;
      for (; length <= top; ++length) {
        float c = base + cost.c[256 + length - kMinMatch];
        if (c < best[i + length]) {
          best[i + length] = c;
          step[i + length] = {static_cast<uint16_t>(256 + length - kMinMatch), offset};
          stepLen[i + length] = static_cast<uint16_t>(length);
        }
      }
    }
  }
  size_t first = out.size();
  for (size_t i = n; i > 0; i -= stepLen[i]) out.push_back(step[i]);
  std::reverse(out.begin() + static_cast<std::ptrdiff_t>(first), out.end());
}

// Where a block boundary pays for its tables (the statistics change), the
// symbols of a stretch are halved, and each half again, `depth` times; halves
// of fewer than minBlockBytes input bytes are not tried. Appends the inner
// boundaries taken to `cuts` and returns the bits of the blocks chosen.
uint64_t Encoder::split(std::span<const LzhSymbol> symbols, size_t at, size_t bytes, uint64_t bits, int depth,
                        std::vector<size_t>& cuts) const {
  if (depth == 0 || bytes < 2 * options_.minBlockBytes) return bits;
  size_t k = 0, left = 0;
  while (k < symbols.size() && left < bytes / 2) left += bytesOf(symbols[k++]);
  std::span<const LzhSymbol> a = symbols.first(k), b = symbols.subspan(k);
  std::vector<size_t> inner;
  uint64_t both = split(a, at, left, lzhBlockBits(a, dictBits_), depth - 1, inner);
  inner.push_back(at + k);
  both += split(b, at + k, bytes - left, lzhBlockBits(b, dictBits_), depth - 1, inner);
  if (both >= bits) return bits;
  cuts.insert(cuts.end(), inner.begin(), inner.end());
  return both;
}

void Encoder::plan(size_t begin, size_t end, const BlockMatches& m, CostModel& cost, BitWriter& out) {
  // Price with the last statistics, re-price with the result: two passes
  // settle most of what further ones would gain. The blocks are cut from the
  // result: parsing each half again made it no smaller.
  for (int pass = 0; pass < 2; ++pass) {
    symbols_.clear();
    parse(begin, end, m, cost, symbols_);
    cost.learn(symbols_, numP(dictBits_));
  }
  std::vector<size_t> cuts{0};
  split(symbols_, 0, end - begin, lzhBlockBits(symbols_, dictBits_), options_.splitDepth, cuts);
  cuts.push_back(symbols_.size());
  for (size_t i = 0; i + 1 < cuts.size(); ++i)
    writeLzhBlock(out, std::span<const LzhSymbol>(symbols_).subspan(cuts[i], cuts[i + 1] - cuts[i]), dictBits_);
}

std::vector<uint8_t> Encoder::run() {
  std::vector<uint8_t> packed;
  BitWriter out(packed);
  // A block counts its symbols in 16 bits; a stretch of at most 65535 bytes never overflows it.
  size_t stretch = std::clamp<size_t>(options_.blockBytes, 1024, 65535);
  size_t count = (size_ + stretch - 1) / stretch;
  // Two threads share the work: stretches are planned one after another, in
  // order, by whichever thread is free when the next one's matches are ready;
  // otherwise a thread searches the next stretch not yet searched, with a
  // finder of its own. A finder fills in the dictionary's reach before a
  // stretch first, so its matches do not depend on which thread found them.
  constexpr size_t kAhead = 4;  // stretches whose matches are kept at once
  std::vector<BlockMatches> matches(kAhead);
  std::vector<bool> searched(count, false);
  size_t nextSearch = 0, nextPlan = 0;
  bool planning = false;
  CostModel cost;
  std::mutex mutex;
  std::condition_variable changed;
  auto work = [&] {
    MatchFinder finder = newFinder();
    std::unique_lock lock(mutex);
    while (nextPlan < count) {
      if (!planning && searched[nextPlan]) {
        size_t k = nextPlan;
        planning = true;
        lock.unlock();
        plan(k * stretch, std::min(size_, (k + 1) * stretch), matches[k % kAhead], cost, out);
        lock.lock();
        planning = false;
        ++nextPlan;
      } else if (nextSearch < count && nextSearch < nextPlan + kAhead) {
        size_t k = nextSearch++;
        lock.unlock();
        collect(finder, k * stretch, std::min(size_, (k + 1) * stretch), matches[k % kAhead]);
        lock.lock();
        searched[k] = true;
      } else {
        changed.wait(lock);
        continue;
      }
      changed.notify_all();
    }
  };
  std::thread helper;
  if (count > 1) helper = std::thread(work);
  work();
  if (helper.joinable()) helper.join();
  out.flush();
  return packed;
}

}  // namespace

std::vector<uint8_t> encodeLzh(int dictBits, const uint8_t* data, size_t size, const EncodeOptions& options) {
  Encoder encoder(dictBits, data, size, options);
  return encoder.run();
}

}  // namespace lha

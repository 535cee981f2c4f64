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

  void learn(const LzhFrequencies& freq) {
    uint32_t matches = 0;
    for (uint32_t f : freq.p) matches += f;
    fill(c, freq.c, static_cast<uint32_t>(freq.count));
    fill(p, freq.p, matches);
    for (size_t i = 2; i < freq.p.size(); ++i) p[i] += float(i - 1);  // extra bits
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
  std::vector<size_t> cut(std::span<const LzhSymbol> symbols, size_t bytes, LzhFrequencies& all) const;
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
  size_t skipUntil = begin;
  for (size_t pos = begin; pos < end; ++pos) {
    m.start[pos - begin] = static_cast<uint32_t>(m.list.size());
    if (pos >= skipUntil) {
      size_t before = m.list.size();
      finder.find(pos, std::min<size_t>(kMaxMatch, end - pos), m.list);
      // Inside a long match the alternatives hardly ever pay for the search.
      if (m.list.size() > before && m.list.back().length >= options_.niceLength) skipUntil = pos + m.list.back().length;
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

// Cuts the symbols of a stretch into blocks where a block boundary pays for
// its tables (the statistics change): the stretch is halved, each half again,
// up to splitDepth times while halves keep minBlockBytes input bytes, and each
// piece is one block or, where cheaper, its two halves' blocks. Returns where
// each block begins, and the end.
std::vector<size_t> Encoder::cut(std::span<const LzhSymbol> symbols, size_t bytes, LzhFrequencies& all) const {
  int depth = options_.splitDepth;
  while (depth > 0 && (bytes >> depth) < options_.minBlockBytes) --depth;
  size_t leaves = size_t{1} << depth;
  // Pieces in heap order: piece 1 is the stretch, pieces 2i and 2i+1 the halves of piece i.
  std::vector<size_t> start(2 * leaves + 1);
  std::vector<LzhFrequencies> freq(2 * leaves, LzhFrequencies(dictBits_));
  for (size_t j = 0, k = 0, done = 0; j < leaves; ++j) {
    start[leaves + j] = k;
    while (k < symbols.size() && done < bytes * (j + 1) / leaves) done += bytesOf(symbols[k++]);
    freq[leaves + j].add(symbols.subspan(start[leaves + j], k - start[leaves + j]));
  }
  std::vector<uint64_t> bits(2 * leaves);
  std::vector<bool> halved(2 * leaves, false);
  for (size_t i = 2 * leaves - 1; i >= 1; --i) {
    if (i < leaves) {
      start[i] = start[2 * i];
      freq[i].add(freq[2 * i]);
      freq[i].add(freq[2 * i + 1]);
    }
    bits[i] = lzhBlockBits(freq[i], dictBits_);
    if (i < leaves && bits[2 * i] + bits[2 * i + 1] < bits[i]) bits[i] = bits[2 * i] + bits[2 * i + 1], halved[i] = true;
  }
  std::vector<size_t> cuts;
  auto take = [&](auto& self, size_t i) -> void {
    if (!halved[i]) return cuts.push_back(start[i]);
    self(self, 2 * i);
    self(self, 2 * i + 1);
  };
  take(take, 1);
  cuts.push_back(symbols.size());
  all = std::move(freq[1]);
  return cuts;
}

void Encoder::plan(size_t begin, size_t end, const BlockMatches& m, CostModel& cost, BitWriter& out) {
  // Price with the last statistics, re-price with the result: two passes
  // settle most of what further ones would gain. The blocks are cut from the
  // result: parsing each half again made it no smaller.
  symbols_.clear();
  parse(begin, end, m, cost, symbols_);
  LzhFrequencies freq(dictBits_);
  freq.add(symbols_);
  cost.learn(freq);
  symbols_.clear();
  parse(begin, end, m, cost, symbols_);
  std::vector<size_t> cuts = cut(symbols_, end - begin, freq);
  cost.learn(freq);
  for (size_t i = 0; i + 1 < cuts.size(); ++i)
    writeLzhBlock(out, std::span<const LzhSymbol>(symbols_).subspan(cuts[i], cuts[i + 1] - cuts[i]), dictBits_);
}

std::vector<uint8_t> Encoder::run() {
  std::vector<uint8_t> packed;
  packed.reserve(size_ + size_ / 8 + 64);  // room for data that does not shrink, without moving it as it grows
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

#include "lha/lzh_encode.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

uint64_t blockBits(const std::vector<LzhSymbol>& symbols, int dictBits) {
  std::vector<uint8_t> scratch;
  BitWriter w(scratch);
  writeLzhBlock(w, symbols, dictBits);
  return w.bitCount();
}

// How a stretch of input is cut into blocks, with the cost of doing so.
struct Plan {
  std::vector<std::vector<LzhSymbol>> blocks;
  uint64_t bits = 0;
  CostModel after;  // statistics of the last block, to price what follows
};

class Encoder {
public:
  Encoder(int dictBits, const uint8_t* data, size_t size, const EncodeOptions& o)
      : dictBits_(dictBits), data_(data), size_(size), options_(o), finder_(data, size, dictBits, o.maxChain, o.goodLength) {}

  std::vector<uint8_t> run();

private:
  void collect(size_t begin, size_t end, BlockMatches& m);
  void parse(size_t origin, size_t begin, size_t end, const BlockMatches& m, const CostModel& cost,
             std::vector<LzhSymbol>& out);
  Plan plan(size_t origin, size_t begin, size_t end, const BlockMatches& m, const CostModel& cost, int depth);

  int dictBits_;
  const uint8_t* data_;
  size_t size_;
  EncodeOptions options_;
  MatchFinder finder_;
};

void Encoder::collect(size_t begin, size_t end, BlockMatches& m) {
  m.start.assign(end - begin + 1, 0);
  m.list.clear();
  std::vector<Match> found;
  size_t skipUntil = begin;
  for (size_t pos = begin; pos < end; ++pos) {
    m.start[pos - begin] = static_cast<uint32_t>(m.list.size());
    if (pos >= skipUntil) {
      finder_.find(pos, std::min<size_t>(kMaxMatch, end - pos), found);
      m.list.insert(m.list.end(), found.begin(), found.end());
      // Inside a long match the alternatives hardly ever pay for the search.
      if (!found.empty() && found.back().length >= options_.niceLength) skipUntil = pos + found.back().length;
    }
    finder_.insert(pos);
  }
  m.start[end - begin] = static_cast<uint32_t>(m.list.size());
}

void Encoder::parse(size_t origin, size_t begin, size_t end, const BlockMatches& m, const CostModel& cost,
                    std::vector<LzhSymbol>& out) {
  size_t n = end - begin;
  size_t skip = begin - origin;
  std::vector<float> best(n + 1, std::numeric_limits<float>::infinity());
  std::vector<LzhSymbol> step(n + 1);
  std::vector<uint16_t> stepLen(n + 1, 1);
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
    for (uint32_t k = m.start[skip + i]; k < m.start[skip + i + 1] && length <= room; ++k) {
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

// One block for the whole stretch, or the better of that and two halves
// planned the same way: a block boundary pays for its tables where the
// statistics change.
Plan Encoder::plan(size_t origin, size_t begin, size_t end, const BlockMatches& m, const CostModel& cost,
                   int depth) {
  Plan whole;
  whole.after = cost;
  std::vector<LzhSymbol> symbols;
  // Price with the last statistics, re-price with the result: two passes
  // settle most of what further ones would gain. A half is priced once, with
  // what the whole stretch learned.
  int passes = depth == options_.splitDepth ? 2 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    symbols.clear();
    parse(origin, begin, end, m, whole.after, symbols);
    whole.after.learn(symbols, numP(dictBits_));
  }
  whole.bits = blockBits(symbols, dictBits_);
  whole.blocks.push_back(std::move(symbols));
  if (depth == 0 || end - begin < 2 * options_.minBlockBytes) return whole;

  size_t mid = begin + (end - begin) / 2;
  Plan left = plan(origin, begin, mid, m, whole.after, depth - 1);
  Plan right = plan(origin, mid, end, m, left.after, depth - 1);
  if (left.bits + right.bits >= whole.bits) return whole;
  for (auto& b : right.blocks) left.blocks.push_back(std::move(b));
  left.bits += right.bits;
  left.after = right.after;
  return left;
}

std::vector<uint8_t> Encoder::run() {
  std::vector<uint8_t> packed;
  BitWriter out(packed);
  CostModel cost;
  BlockMatches current, next;
  // A block counts its symbols in 16 bits; a stretch of at most 65535 bytes never overflows it.
  size_t stretch = std::clamp<size_t>(options_.blockBytes, 1024, 65535);
  if (size_ > 0) collect(0, std::min(size_, stretch), current);
  for (size_t begin = 0; begin < size_; begin += stretch) {
    size_t end = std::min(size_, begin + stretch);
    // The matches of the next stretch are searched while this one is planned:
    // the search only reads the data, the planning only this stretch's matches.
    std::thread search;
    if (end < size_) search = std::thread([&] { collect(end, std::min(size_, end + stretch), next); });
    Plan p = plan(begin, begin, end, current, cost, options_.splitDepth);
    for (const auto& block : p.blocks) writeLzhBlock(out, block, dictBits_);
    cost = p.after;
    if (search.joinable()) search.join();
    std::swap(current, next);
  }
  out.flush();
  return packed;
}

}  // namespace

std::vector<uint8_t> encodeLzh(int dictBits, const uint8_t* data, size_t size, const EncodeOptions& options) {
  Encoder encoder(dictBits, data, size, options);
  return encoder.run();
}

}  // namespace lha

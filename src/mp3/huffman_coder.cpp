#include "mp3/huffman_coder.h"

#include <algorithm>
#include <array>
#include <vector>

#include "mp3/huffman_tables.h"

namespace zelcor::mp3 {
namespace {

int PairBits(const HuffmanTable& t, int x, int y) {
  int bits = (x != 0) + (y != 0);
  if (t.linbits) {
    if (x >= 15) { bits += t.linbits; x = 15; }
    if (y >= 15) { bits += t.linbits; y = 15; }
  }
  return bits + t.lengths[x * t.xlen + y];
}

int RegionBits(const int* ix, int begin, int end, int table) {
  if (table == 0 || begin >= end) return 0;
  const HuffmanTable& t = kBigValueTables[table];
  int bits = 0;
  for (int i = begin; i < end; i += 2) bits += PairBits(t, ix[i], ix[i + 1]);
  return bits;
}

// Tables able to carry magnitudes up to `max_value`, cheapest families first.
int Candidates(int max_value, int out[4]) {
  if (max_value == 0) { out[0] = 0; return 1; }
  if (max_value == 1) { out[0] = 1; return 1; }
  if (max_value == 2) { out[0] = 2; out[1] = 3; return 2; }
  if (max_value == 3) { out[0] = 5; out[1] = 6; return 2; }
  if (max_value <= 5) { out[0] = 7; out[1] = 8; out[2] = 9; return 3; }
  if (max_value <= 7) { out[0] = 10; out[1] = 11; out[2] = 12; return 3; }
  if (max_value <= 15) { out[0] = 13; out[1] = 15; out[2] = 16; out[3] = 24; return 4; }
  int n = 0;
  for (int first : {16, 24}) {
    for (int t = first; t < first + 8; ++t) {
      if (max_value - 15 < (1 << kBigValueTables[t].linbits)) { out[n++] = t; break; }
    }
  }
  return n;
}

int MaxIn(const int* ix, int begin, int end) {
  int m = 0;
  for (int i = begin; i < end; ++i) m = std::max(m, ix[i]);
  return m;
}

// Best table for lines [begin, end); returns its bit count.
int ChooseTable(const int* ix, int begin, int end, int* table) {
  int cands[4];
  const int n = Candidates(MaxIn(ix, begin, end), cands);
  int best = -1;
  for (int i = 0; i < n; ++i) {
    const int bits = RegionBits(ix, begin, end, cands[i]);
    if (best < 0 || bits < best) { best = bits; *table = cands[i]; }
  }
  return best;
}

// Every split of a normal long block, with bits from per-table prefix sums.
class RegionSearch {
 public:
  RegionSearch(const int* ix, int bv_end, const int* bands) : ix_(ix), bv_end_(bv_end) {
    for (int b = 0; b < 22; ++b) {
      const int lo = std::min(bands[b], bv_end), hi = std::min(bands[b + 1], bv_end);
      band_max_[b] = MaxIn(ix, lo, hi);
    }
  }

  int BandMax(int band) const { return band_max_[band]; }

  // Bits of lines [begin, end) with the best table for magnitudes up to max_value.
  int Cost(int begin, int end, int max_value, int* table) {
    if (begin >= end) { *table = 0; return 0; }
    int cands[4];
    const int n = Candidates(max_value, cands);
    int best = -1;
    for (int i = 0; i < n; ++i) {
      const std::array<int, 289>& cum = Prefix(cands[i]);
      const int bits = cum[end / 2] - cum[begin / 2];
      if (best < 0 || bits < best) { best = bits; *table = cands[i]; }
    }
    return best;
  }

 private:
  const std::array<int, 289>& Prefix(int table) {
    std::array<int, 289>& cum = prefix_[table];
    if (!ready_[table]) {
      ready_[table] = true;
      cum[0] = 0;
      if (table == 0) {
        std::fill(cum.begin(), cum.end(), 0);
      } else {
        const HuffmanTable& t = kBigValueTables[table];
        // Pairs the table cannot carry count as prohibitively long; they only
        // matter to ranges whose maximum rules this table out anyway.
        const int limit = t.linbits ? kMaxQuantised : t.xlen - 1;
        for (int p = 0; p < bv_end_ / 2; ++p) {
          const int x = ix_[2 * p], y = ix_[2 * p + 1];
          cum[p + 1] = cum[p] + (x > limit || y > limit ? (1 << 16) : PairBits(t, x, y));
        }
      }
    }
    return cum;
  }

  const int* ix_;
  int bv_end_;
  std::array<int, 22> band_max_{};
  std::array<std::array<int, 289>, 32> prefix_;  // bits of pairs [0, p) per table
  std::array<bool, 32> ready_{};
};

int BandIndexAtOrAbove(const int* bands, int line) {
  int b = 0;
  while (b < 22 && bands[b] < line) ++b;
  return b;
}

// Low bands carry large values, high bands small ones: about a third of the used
// bands for each region. Cheap enough for every step of the rate loop.
int PlanBigValuesProportional(const int* ix, int bv_end, const int* bands, HuffmanPlan* plan) {
  const int third = std::max(1, (BandIndexAtOrAbove(bands, bv_end) + 2) / 3);
  plan->region0_count = std::min(15, third - 1);
  plan->region1_count = std::min(7, third - 1);
  const int s1 = std::min(bands[std::min(plan->region0_count + 1, 22)], bv_end);
  const int s2 = std::min(bands[std::min(plan->region0_count + plan->region1_count + 2, 22)], bv_end);
  int bits = 0;
  bits += s1 > 0 ? ChooseTable(ix, 0, s1, &plan->table_select[0]) : (plan->table_select[0] = 0);
  bits += s2 > s1 ? ChooseTable(ix, s1, s2, &plan->table_select[1]) : (plan->table_select[1] = 0);
  bits += bv_end > s2 ? ChooseTable(ix, s2, bv_end, &plan->table_select[2]) : (plan->table_select[2] = 0);
  return bits;
}

int PlanBigValuesNormal(const int* ix, int bv_end, const int* bands, bool search,
                        HuffmanPlan* plan) {
  if (!search) return PlanBigValuesProportional(ix, bv_end, bands, plan);
  RegionSearch rs(ix, bv_end, bands);
  int suffix_max[23];
  suffix_max[22] = 0;
  for (int b = 21; b >= 0; --b) suffix_max[b] = std::max(suffix_max[b + 1], rs.BandMax(b));
  int best = -1;
  auto consider = [&](int r0, int r1, int max0, int max1) {
    const int b1 = std::min(r0 + 1, 22), b2 = std::min(r0 + r1 + 2, 22);
    const int s1 = std::min(bands[b1], bv_end), s2 = std::min(bands[b2], bv_end);
    int t0 = 0, t1 = 0, t2 = 0;
    const int bits = rs.Cost(0, s1, max0, &t0) + rs.Cost(s1, s2, max1, &t1) +
                     rs.Cost(s2, bv_end, suffix_max[b2], &t2);
    if (best < 0 || bits < best) {
      best = bits;
      plan->region0_count = r0;
      plan->region1_count = r1;
      plan->table_select[0] = t0;
      plan->table_select[1] = t1;
      plan->table_select[2] = t2;
    }
  };
  const int used_bands = BandIndexAtOrAbove(bands, bv_end);
  const int r0_max = std::min(15, std::max(0, used_bands - 1));
  int max0 = 0;
  for (int r0 = 0; r0 <= r0_max; ++r0) {
    max0 = std::max(max0, rs.BandMax(std::min(r0, 21)));
    int max1 = 0;
    for (int r1 = 0; r1 <= 7; ++r1) {
      max1 = std::max(max1, rs.BandMax(std::min(r0 + 1 + r1, 21)));
      consider(r0, r1, max0, max1);
      if (r0 + r1 + 2 >= std::max(used_bands, 1) + 1) break;
    }
  }
  return best;
}

}  // namespace

HuffmanPlan PlanHuffman(const int* ix, const RegionSplit& split, bool search_regions) {
  HuffmanPlan plan;
  int end = 576;
  while (end > 0 && ix[end - 1] == 0 && ix[end - 2] == 0) end -= 2;
  plan.count1_end = end;
  int start = end;
  while (start >= 4 && ix[start - 1] <= 1 && ix[start - 2] <= 1 && ix[start - 3] <= 1 &&
         ix[start - 4] <= 1)
    start -= 4;
  plan.big_values = start / 2;

  int bits_a = 0, bits_b = 0;
  for (int i = start; i < end; i += 4) {
    const int idx = ix[i] * 8 + ix[i + 1] * 4 + ix[i + 2] * 2 + ix[i + 3];
    const int signs = ix[i] + ix[i + 1] + ix[i + 2] + ix[i + 3];
    bits_a += kCount1Tables[0].lengths[idx] + signs;
    bits_b += 4 + signs;
  }
  plan.count1_table = bits_b < bits_a ? 1 : 0;
  int bits = std::min(bits_a, bits_b);

  const int bv_end = start;
  if (split.window_switching) {
    const int r1 = std::min(split.implicit_region1_start, bv_end);
    bits += ChooseTable(ix, 0, r1, &plan.table_select[0]);
    bits += ChooseTable(ix, r1, bv_end, &plan.table_select[1]);
  } else {
    bits += PlanBigValuesNormal(ix, bv_end, split.long_bands, search_regions, &plan);
  }
  plan.bits = bits;
  return plan;
}

void WriteHuffman(BitWriter& out, const int* ix, const bool* negative, const HuffmanPlan& plan,
                  const RegionSplit& split) {
  const int bv_end = plan.big_values * 2;
  int r1, r2;
  if (split.window_switching) {
    r1 = std::min(split.implicit_region1_start, bv_end);
    r2 = bv_end;
  } else {
    r1 = std::min(split.long_bands[std::min(plan.region0_count + 1, 22)], bv_end);
    r2 = std::min(split.long_bands[std::min(plan.region0_count + plan.region1_count + 2, 22)],
                  bv_end);
  }
  for (int i = 0; i < bv_end; i += 2) {
    const int table = plan.table_select[i < r1 ? 0 : i < r2 ? 1 : 2];
    if (table == 0) continue;
    const HuffmanTable& t = kBigValueTables[table];
    const int x = ix[i], y = ix[i + 1];
    const int xi = std::min(x, 15), yi = std::min(y, 15);
    const int code = xi * t.xlen + yi;
    out.Put(t.codes[code], t.lengths[code]);
    if (t.linbits && x >= 15) out.Put(x - 15, t.linbits);
    if (x) out.Put(negative[i], 1);
    if (t.linbits && y >= 15) out.Put(y - 15, t.linbits);
    if (y) out.Put(negative[i + 1], 1);
  }
  const HuffmanTable& q = kCount1Tables[plan.count1_table];
  for (int i = bv_end; i < plan.count1_end; i += 4) {
    const int idx = ix[i] * 8 + ix[i + 1] * 4 + ix[i + 2] * 2 + ix[i + 3];
    out.Put(q.codes[idx], q.lengths[idx]);
    for (int k = 0; k < 4; ++k)
      if (ix[i + k]) out.Put(negative[i + k], 1);
  }
}

}  // namespace zelcor::mp3

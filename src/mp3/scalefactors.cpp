#include "mp3/scalefactors.h"

#include <algorithm>

namespace zelcor::mp3 {
namespace {

const int kMpeg1Slen[16][2] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {3, 0}, {1, 1}, {1, 2}, {1, 3},
                               {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {4, 2}, {4, 3}};

// Band index where each group of scale factors starts (the last entry ends them).
struct Groups {
  int count;
  int begin[5];
};

Groups GroupsFor(bool mpeg1, const BandLayout& bands) {
  if (mpeg1) return bands.is_short ? Groups{2, {0, 18, 36}} : Groups{2, {0, 11, 21}};
  return bands.is_short ? Groups{4, {0, 9, 18, 27, 36}} : Groups{4, {0, 6, 11, 16, 21}};
}

int BitsFor(int value) {
  int bits = 0;
  while ((1 << bits) <= value) ++bits;
  return bits;
}

}  // namespace

int ScalefacLimit(bool mpeg1, const BandLayout& bands, int band) {
  const Groups g = GroupsFor(mpeg1, bands);
  for (int i = 0; i < g.count; ++i) {
    if (band < g.begin[i] || band >= g.begin[i + 1]) continue;
    const bool wide = mpeg1 ? i == 0 : i < 2;
    return wide ? 15 : 7;
  }
  return 0;
}

bool ChooseScalefacCompress(bool mpeg1, const BandLayout& bands, GranuleChannel* g) {
  const Groups groups = GroupsFor(mpeg1, bands);
  int max_in[4] = {0, 0, 0, 0};
  for (int i = 0; i < groups.count; ++i)
    for (int b = groups.begin[i]; b < groups.begin[i + 1]; ++b)
      max_in[i] = std::max(max_in[i], g->scalefac[b]);
  if (mpeg1) {
    int best = -1;
    for (int c = 0; c < 16; ++c) {
      if (max_in[0] >= (1 << kMpeg1Slen[c][0]) || max_in[1] >= (1 << kMpeg1Slen[c][1])) continue;
      const int bits = kMpeg1Slen[c][0] * groups.begin[1] +
                       kMpeg1Slen[c][1] * (groups.begin[2] - groups.begin[1]);
      if (best < 0 || bits < g->part2_bits) {
        best = c;
        g->part2_bits = bits;
      }
    }
    if (best < 0) return false;
    g->scalefac_compress = best;
    g->slen[0] = kMpeg1Slen[best][0];
    g->slen[1] = kMpeg1Slen[best][1];
    g->slen[2] = g->slen[3] = 0;
    return true;
  }
  int bits = 0;
  for (int i = 0; i < 4; ++i) {
    g->slen[i] = BitsFor(max_in[i]);
    if (g->slen[i] > (i < 2 ? 4 : 3)) return false;
    bits += g->slen[i] * (groups.begin[i + 1] - groups.begin[i]);
  }
  g->part2_bits = bits;
  g->scalefac_compress = ((g->slen[0] * 5 + g->slen[1]) << 4) + (g->slen[2] << 2) + g->slen[3];
  return true;
}

void WriteScalefactors(BitWriter& out, bool mpeg1, const BandLayout& bands,
                       const GranuleChannel& g) {
  const Groups groups = GroupsFor(mpeg1, bands);
  for (int i = 0; i < groups.count; ++i) {
    if (g.slen[i] == 0) continue;
    for (int b = groups.begin[i]; b < groups.begin[i + 1]; ++b) out.Put(g.scalefac[b], g.slen[i]);
  }
}

}  // namespace zelcor::mp3

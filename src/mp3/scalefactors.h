// Scale factor groups, their bit lengths (scalefac_compress) and writing, for
// MPEG-1 and for MPEG-2 LSF (without intensity stereo).
#pragma once
#include "mp3/bit_writer.h"
#include "mp3/granule.h"

namespace zelcor::mp3 {

// Largest scale factor band `band` can carry; 0 for the last band, which has none.
int ScalefacLimit(bool mpeg1, const BandLayout& bands, int band);

// Picks the cheapest scalefac_compress for g->scalefac, fills slen and
// part2_bits; returns false if a value does not fit any length.
bool ChooseScalefacCompress(bool mpeg1, const BandLayout& bands, GranuleChannel* g);

void WriteScalefactors(BitWriter& out, bool mpeg1, const BandLayout& bands,
                       const GranuleChannel& g);

}  // namespace zelcor::mp3

// Frame parameters of MPEG-1 and MPEG-2 (low sampling frequency) Layer III:
// bit rates, sampling frequencies and scale factor band boundaries.
#pragma once

namespace zelcor::mp3 {

struct StreamLayout {
  bool mpeg1 = true;      // false: MPEG-2 LSF (one granule per frame)
  int sample_rate = 0;
  int rate_index = 0;     // header sampling_frequency field
  int granules = 2;
  const int* long_bands;  // 23 boundaries, last = 576
  const int* short_bands; // 14 boundaries, last = 192
};

// Layout for one of the six supported sampling rates; false if unsupported.
bool LayoutForRate(int sample_rate, StreamLayout* layout);

// Header bitrate_index for kbps in the layout's table; -1 if not allowed.
int BitrateIndex(bool mpeg1, int kbps);
// Allowed constant bit rates, ascending, for MPEG-1 or MPEG-2 LSF (14 each).
const int* BitrateTable(bool mpeg1);

// Pre-emphasis added to long-block scale factors when preflag is set.
extern const int kPretab[22];

}  // namespace zelcor::mp3

#include "mp3/mdct.h"

#include <cmath>
#include <numbers>

namespace zelcor::mp3 {
namespace {

struct MdctTables {
  float window[4][36];
  float short_window[12];
  float cos_long[36][18];  // [input][output], so the products vectorise
  float cos_short[6][12];
  float alias_cs[8], alias_ca[8];

  MdctTables() {
    for (int i = 0; i < 36; ++i) {
      const float sine = static_cast<float>(std::sin(std::numbers::pi / 36 * (i + 0.5)));
      window[kNormalBlock][i] = sine;
      window[kStartBlock][i] = i < 18 ? sine
                               : i < 24 ? 1.0f
                               : i < 30 ? static_cast<float>(std::sin(std::numbers::pi / 12 * (i - 18 + 0.5)))
                                        : 0.0f;
      window[kStopBlock][i] = i < 6    ? 0.0f
                              : i < 12 ? static_cast<float>(std::sin(std::numbers::pi / 12 * (i - 6 + 0.5)))
                              : i < 18 ? 1.0f
                                       : sine;
      window[kShortBlock][i] = 0;
    }
    for (int i = 0; i < 12; ++i) short_window[i] = static_cast<float>(std::sin(std::numbers::pi / 12 * (i + 0.5)));
    // The forward transforms carry the 1/9 and 1/3 that make the decoder's
    // unscaled inverse transforms reproduce the subband signal.
    for (int k = 0; k < 18; ++k)
      for (int i = 0; i < 36; ++i)
        cos_long[i][k] = static_cast<float>(std::cos(std::numbers::pi / 72 * (2 * i + 19) * (2 * k + 1)) / 9.0);
    for (int k = 0; k < 6; ++k)
      for (int i = 0; i < 12; ++i)
        cos_short[k][i] = static_cast<float>(std::cos(std::numbers::pi / 24 * (2 * i + 7) * (2 * k + 1)) / 3.0);
    const double c[8] = {-0.6, -0.535, -0.33, -0.185, -0.095, -0.041, -0.0142, -0.0037};
    for (int i = 0; i < 8; ++i) {
      const double norm = std::sqrt(1.0 + c[i] * c[i]);
      alias_cs[i] = static_cast<float>(1.0 / norm);
      alias_ca[i] = static_cast<float>(c[i] / norm);
    }
  }
};

const MdctTables& Tables() {
  static const MdctTables tables;
  return tables;
}

}  // namespace

void MdctGranule(const float prev[32][18], const float cur[32][18], BlockType type,
                 float xr[576]) {
  const MdctTables& t = Tables();
  for (int sb = 0; sb < 32; ++sb) {
    float block[36];
    for (int i = 0; i < 18; ++i) {
      // Undo the decoder's frequency inversion of odd subbands.
      const float sign = ((sb & 1) && (i & 1)) ? -1.0f : 1.0f;
      block[i] = prev[sb][i] * sign;
      block[i + 18] = cur[sb][i] * sign;
    }
    if (type == kShortBlock) {
      for (int w = 0; w < 3; ++w) {
        float z[12];
        for (int i = 0; i < 12; ++i) z[i] = block[6 + 6 * w + i] * t.short_window[i];
        for (int k = 0; k < 6; ++k) {
          float sum = 0;
          for (int i = 0; i < 12; ++i) sum += t.cos_short[k][i] * z[i];
          xr[w * 192 + sb * 6 + k] = sum;
        }
      }
    } else {
      float z[36];
      for (int i = 0; i < 36; ++i) z[i] = block[i] * t.window[type][i];
      float acc[18] = {};
      for (int i = 0; i < 36; ++i)
        for (int k = 0; k < 18; ++k) acc[k] += t.cos_long[i][k] * z[i];
      for (int k = 0; k < 18; ++k) xr[sb * 18 + k] = acc[k];
    }
  }
  if (type == kShortBlock) return;
  // Inverse of the decoder's alias reduction across each subband boundary.
  for (int sb = 1; sb < 32; ++sb) {
    for (int i = 0; i < 8; ++i) {
      float& lower = xr[sb * 18 - 1 - i];
      float& upper = xr[sb * 18 + i];
      const float a = lower, b = upper;
      lower = a * t.alias_cs[i] + b * t.alias_ca[i];
      upper = b * t.alias_cs[i] - a * t.alias_ca[i];
    }
  }
}

}  // namespace zelcor::mp3

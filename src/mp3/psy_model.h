// Masking estimate and attack detection.
//
// The masking estimate works on the MDCT spectrum of each granule: band energies
// are spread over neighbouring critical bands (steeper towards lower frequencies),
// lowered by a signal-to-mask offset that grows with the band's tonality and
// floored by the threshold in quiet.
// The result is the noise energy each scale factor band may carry.
#pragma once
#include "mp3/granule.h"

namespace zelcor::mp3 {

class MaskingModel {
 public:
  explicit MaskingModel(const StreamLayout& layout);
  // xr in coding order; fills allowed[band]; returns a perceptual entropy
  // estimate (bits that a transparent coding would roughly need).
  double Analyze(const float* xr, const BandLayout& bands, float* allowed) const;

 private:
  struct BandInfo {
    float ath = 0;       // threshold in quiet per line
    float bark = 0;      // critical band rate of the band's centre
    float spread[22];    // share of band j's energy that masks this band
  };
  void Prepare(const BandLayout& bands, BandInfo* info) const;
  StreamLayout layout_;
  BandInfo long_info_[22];
  BandInfo short_info_[13];
};

// Finds sudden rises of high-frequency energy in a channel's subband samples.
class AttackDetector {
 public:
  // Feeds one granule of subband samples; returns -1 for no attack, 0 if the
  // attack lies early enough for this granule's block to be short, 1 if it
  // falls at the granule's end (the next block should be short).
  int Feed(const float subbands[32][18]);

 private:
  float history_[4] = {0, 0, 0, 0};  // energies of the latest segments
};

}  // namespace zelcor::mp3

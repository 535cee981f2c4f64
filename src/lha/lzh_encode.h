#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lha {

struct EncodeOptions {
  // Match candidates examined per position: short repeated events (MIDI)
  // hide the best match deep in the chain.
  int maxChain = 1024;
  int niceLength = 32;      // inside a match this long, positions are not searched
  size_t goodLength = 16;   // after a match this long, the chain is searched only briefly
  size_t blockBytes = 65535;   // input bytes searched together and planned as one stretch
  int splitDepth = 4;           // a stretch may be halved this many times into smaller blocks
  size_t minBlockBytes = 1024;  // no block planned smaller than this
};

// Compresses to a -lh4- (12), -lh5- (13), -lh6- (15), -lh7- (16) or -lhx- (19) stream.
std::vector<uint8_t> encodeLzh(int dictBits, const uint8_t* data, size_t size, const EncodeOptions& options = {});

}  // namespace lha

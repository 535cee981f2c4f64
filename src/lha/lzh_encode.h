#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lha {

struct EncodeOptions {
  int maxChain = 256;       // match candidates examined per position
  int niceLength = 128;     // a match this long is taken without weighing alternatives
  size_t blockBytes = 32768;  // input bytes per Huffman block
};

// Compresses to a -lh5- (13), -lh6- (15) or -lh7- (16) stream.
std::vector<uint8_t> encodeLzh(int dictBits, const uint8_t* data, size_t size, const EncodeOptions& options = {});

}  // namespace lha

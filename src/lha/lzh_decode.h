#pragma once
#include <cstddef>
#include <cstdint>

#include "lha/sink.h"

namespace lha {

enum class DecodeStatus { Ok, Corrupt, WriteFailed };

// Decodes a static-Huffman sliding-dictionary stream (-lh4- to -lh7-, -lhx-)
// of exactly originalSize bytes. A stream that needs more than its packed
// bytes, or whose symbols run past originalSize, is Corrupt.
DecodeStatus decodeLzh(int dictBits, const uint8_t* packed, size_t packedSize, uint64_t originalSize,
                       ByteSink& out);

}  // namespace lha

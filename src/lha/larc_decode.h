#pragma once
#include <cstddef>
#include <cstdint>

#include "lha/lzh_decode.h"
#include "lha/sink.h"

namespace lha {

// The plain sliding-dictionary methods of the LArc archiver, decoded to
// exactly originalSize bytes: -lzs- (2 KB ring, flag bit, 11-bit position,
// 4-bit length) and -lz5- (4 KB ring, flag bytes, 12-bit position, 4-bit
// length). Positions are ring indexes, not distances.
DecodeStatus decodeLzs(const uint8_t* packed, size_t packedSize, uint64_t originalSize, ByteSink& out);
DecodeStatus decodeLz5(const uint8_t* packed, size_t packedSize, uint64_t originalSize, ByteSink& out);

}  // namespace lha

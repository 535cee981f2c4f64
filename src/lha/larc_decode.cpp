#include "lha/larc_decode.h"

#include <cstring>

#include "lha/bit_io.h"
#include "lha/output_window.h"

namespace lha {

DecodeStatus decodeLzs(const uint8_t* packed, size_t packedSize, uint64_t originalSize, ByteSink& out) {
  BitReader in(packed, packedSize);
  OutputWindow window(11, out, 2048 - 17);  // writing starts one longest match before the ring's end
  for (uint64_t remaining = originalSize; remaining > 0;) {
    bool ok;
    if (in.get(1)) {
      ok = window.put(static_cast<uint8_t>(in.get(8)));
      --remaining;
    } else {
      size_t from = in.get(11);
      uint32_t length = in.get(4) + 2;
      if (length > remaining) return DecodeStatus::Corrupt;
      ok = window.copyFrom(from, length);
      remaining -= length;
    }
    if (in.overrun()) return DecodeStatus::Corrupt;
    if (!ok) return DecodeStatus::WriteFailed;
  }
  return window.flush() ? DecodeStatus::Ok : DecodeStatus::WriteFailed;
}

namespace {

// The ring LArc's -lz5- starts from: each byte value 13 times, the values
// rising, the values falling, zeros, then blanks up to the first write.
void fillLz5Ring(uint8_t* ring) {
  for (int i = 0; i < 256; ++i) std::memset(ring + i * 13, i, 13);
  for (int i = 0; i < 256; ++i) ring[3328 + i] = static_cast<uint8_t>(i);
  for (int i = 0; i < 256; ++i) ring[3584 + i] = static_cast<uint8_t>(255 - i);
  std::memset(ring + 3840, 0, 128);
}

}  // namespace

DecodeStatus decodeLz5(const uint8_t* packed, size_t packedSize, uint64_t originalSize, ByteSink& out) {
  OutputWindow window(12, out, 4096 - 18);
  fillLz5Ring(window.ring());
  size_t at = 0;
  unsigned flags = 0;  // the low bits still to use, above a marker bit
  for (uint64_t remaining = originalSize; remaining > 0;) {
    if (flags <= 1) {
      if (at == packedSize) return DecodeStatus::Corrupt;
      flags = 0x100u | packed[at++];
    }
    bool literal = flags & 1;
    flags >>= 1;
    bool ok;
    if (literal) {
      if (at == packedSize) return DecodeStatus::Corrupt;
      ok = window.put(packed[at++]);
      --remaining;
    } else {
      if (packedSize - at < 2) return DecodeStatus::Corrupt;
      size_t from = packed[at] | (size_t{packed[at + 1]} & 0xF0) << 4;
      uint32_t length = (packed[at + 1] & 0x0Fu) + 3;
      at += 2;
      if (length > remaining) return DecodeStatus::Corrupt;
      ok = window.copyFrom(from, length);
      remaining -= length;
    }
    if (!ok) return DecodeStatus::WriteFailed;
  }
  return window.flush() ? DecodeStatus::Ok : DecodeStatus::WriteFailed;
}

}  // namespace lha

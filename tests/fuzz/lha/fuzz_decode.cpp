// Any bytes as a compressed stream. The first byte picks the method
// (-lh4-, -lh5-, -lh6-, -lh7-, -lhx-, -lh1-, -lzs-, -lz5-) and the mode:
//  - raw: bytes 1-2 give the stated original size, the rest is the stream;
//  - encoded (-lh5-, -lh6-, -lh7-, the methods the player writes): the rest
//    is compressed by our encoder, then must decode to itself exactly (bytes
//    1-2 zero) or, with one byte of the stream damaged at a place bytes 1-2
//    choose, must fail or finish without harm. Starting from valid streams
//    reaches the deep decoder paths that raw bytes seldom do.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "lha/larc_decode.h"
#include "lha/lh1_decode.h"
#include "lha/lzh_decode.h"
#include "lha/lzh_encode.h"

namespace {

class NullSink : public lha::ByteSink {
public:
  bool write(const uint8_t*, size_t) override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  static const int kDictBits[] = {12, 13, 15, 16, 19};
  int kind = (data[0] & 0x7F) % 8;
  const uint8_t* body = data + 3;
  size_t bodySize = size - 3;
  uint64_t stated = (uint64_t{data[1]} << 8 | data[2]) * 4;
  NullSink sink;
  if (kind >= 5) {
    if (kind == 5) lha::decodeLh1(body, bodySize, stated, sink);
    if (kind == 6) lha::decodeLzs(body, bodySize, stated, sink);
    if (kind == 7) lha::decodeLz5(body, bodySize, stated, sink);
    return 0;
  }
  int dictBits = kDictBits[kind];
  if (!(data[0] & 0x80) || dictBits < 13 || dictBits > 16) {
    lha::decodeLzh(dictBits, body, bodySize, stated, sink);
    return 0;
  }
  std::vector<uint8_t> packed = lha::encodeLzh(dictBits, body, bodySize);
  unsigned where = data[1], flip = data[2];
  if (where == 0 && flip == 0) {
    lha::VectorSink out;
    if (lha::decodeLzh(dictBits, packed.data(), packed.size(), bodySize, out) != lha::DecodeStatus::Ok ||
        out.bytes != std::vector<uint8_t>(body, body + bodySize))
      std::abort();  // the encoder produced a stream that does not decode to its input
    return 0;
  }
  if (!packed.empty()) packed[(where * 131u) % packed.size()] ^= static_cast<uint8_t>(flip ? flip : 1);
  lha::decodeLzh(dictBits, packed.data(), packed.size(), bodySize, sink);
  return 0;
}

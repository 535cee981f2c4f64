// Any bytes as a compressed stream. The first byte picks -lh5-, -lh6- or
// -lh7- and the mode:
//  - raw: bytes 1-2 give the stated original size, the rest is the stream;
//  - encoded: the rest is compressed by our encoder, then must decode to
//    itself exactly (bytes 1-2 zero) or, with one byte of the stream damaged
//    at a place bytes 1-2 choose, must fail or finish without harm. Starting
//    from valid streams reaches the deep decoder paths that raw bytes seldom do.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

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
  static const int kDictBits[] = {13, 15, 16};
  int dictBits = kDictBits[(data[0] & 0x7F) % 3];
  const uint8_t* body = data + 3;
  size_t bodySize = size - 3;
  if (!(data[0] & 0x80)) {
    NullSink sink;
    lha::decodeLzh(dictBits, body, bodySize, (uint64_t{data[1]} << 8 | data[2]) * 4, sink);
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
  NullSink sink;
  lha::decodeLzh(dictBits, packed.data(), packed.size(), bodySize, sink);
  return 0;
}

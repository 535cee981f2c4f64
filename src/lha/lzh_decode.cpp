#include "lha/lzh_decode.h"

#include <algorithm>
#include <vector>

#include "lha/bit_io.h"
#include "lha/huffman.h"
#include "lha/lzh_format.h"
#include "lha/output_window.h"

namespace lha {
namespace {

using namespace lzh;

class LzhDecoder {
public:
  LzhDecoder(int dictBits, const uint8_t* packed, size_t packedSize, ByteSink& out)
      : in_(packed, packedSize), dictBits_(dictBits), window_(dictBits, out) {}

  DecodeStatus run(uint64_t originalSize);

private:
  bool readBlockTables();
  bool readPtLengths(HuffmanDecoder& table, int nn, int nbits, int special);
  bool readCLengths();

  BitReader in_;
  int dictBits_;
  OutputWindow window_;
  HuffmanDecoder tTable_{8}, cTable_{12}, pTable_{8};
};

bool LzhDecoder::readPtLengths(HuffmanDecoder& table, int nn, int nbits, int special) {
  int n = static_cast<int>(in_.get(nbits));
  if (n == 0) {
    int c = static_cast<int>(in_.get(nbits));
    if (c >= nn) return false;
    table.buildSingle(c);
    return true;
  }
  if (n > nn) return false;
  uint8_t lengths[kNumT > kMaxNumP ? kNumT : kMaxNumP] = {};
  int i = 0;
  while (i < n) {
    uint32_t bits = in_.peek16();
    int c = static_cast<int>(bits >> 13);
    if (c == 7) {  // 7 and above: a run of 1 bits extends the length
      for (uint32_t mask = 1u << 12; mask && (bits & mask); mask >>= 1) ++c;
      if (c > kMaxCodeLength) return false;
    }
    in_.skip(c < 7 ? 3 : c - 3);
    lengths[i++] = static_cast<uint8_t>(c);
    if (i == special) {
      int zeros = static_cast<int>(in_.get(2));
      if (i + zeros > nn) return false;
      while (zeros-- > 0) lengths[i++] = 0;
    }
  }
  return table.build(lengths, nn);
}

bool LzhDecoder::readCLengths() {
  int n = static_cast<int>(in_.get(kCBits));
  if (n == 0) {
    int c = static_cast<int>(in_.get(kCBits));
    if (c >= kNumC) return false;
    cTable_.buildSingle(c);
    return true;
  }
  if (n > kNumC) return false;
  uint8_t lengths[kNumC] = {};
  int i = 0;
  while (i < n) {
    int c = tTable_.decode(in_);
    if (c < 0) return false;
    if (c <= 2) {
      int run = c == 0 ? 1 : c == 1 ? static_cast<int>(in_.get(4)) + 3 : static_cast<int>(in_.get(kCBits)) + 20;
      if (i + run > n) return false;
      i += run;  // lengths are already zero
    } else {
      lengths[i++] = static_cast<uint8_t>(c - 2);
    }
  }
  return cTable_.build(lengths, kNumC);
}

bool LzhDecoder::readBlockTables() {
  return readPtLengths(tTable_, kNumT, kTBits, kTSpecial) && readCLengths() &&
         readPtLengths(pTable_, numP(dictBits_), pBits(dictBits_), -1);
}

DecodeStatus LzhDecoder::run(uint64_t originalSize) {
  uint64_t remaining = originalSize;
  while (remaining > 0) {
    // A count of 0 stands for 65536 symbols: archivers fill a block that far
    // when its symbols cost no bits (long runs of one byte).
    uint32_t blockSize = in_.get(16);
    if (blockSize == 0) blockSize = 0x10000;
    if (!readBlockTables() || in_.overrun()) return DecodeStatus::Corrupt;
    for (; blockSize > 0; --blockSize) {
      if (remaining == 0) return DecodeStatus::Corrupt;  // symbols beyond the stated size
      int c = cTable_.decode(in_);
      if (c < 0) return DecodeStatus::Corrupt;
      if (c < 256) {
        if (!window_.put(static_cast<uint8_t>(c))) return DecodeStatus::WriteFailed;
        --remaining;
        continue;
      }
      uint32_t length = static_cast<uint32_t>(c - 256 + kMinMatch);
      if (length > remaining) return DecodeStatus::Corrupt;
      int p = pTable_.decode(in_);
      if (p < 0) return DecodeStatus::Corrupt;
      size_t offset = p == 0 ? 0 : (size_t{1} << (p - 1)) + in_.get(p - 1);
      remaining -= length;
      if (!window_.copy(offset + 1, length)) return DecodeStatus::WriteFailed;
    }
    if (in_.overrun()) return DecodeStatus::Corrupt;
  }
  if (!window_.flush()) return DecodeStatus::WriteFailed;
  return in_.overrun() ? DecodeStatus::Corrupt : DecodeStatus::Ok;
}

}  // namespace

DecodeStatus decodeLzh(int dictBits, const uint8_t* packed, size_t packedSize, uint64_t originalSize,
                       ByteSink& out) {
  LzhDecoder decoder(dictBits, packed, packedSize, out);
  return decoder.run(originalSize);
}

}  // namespace lha

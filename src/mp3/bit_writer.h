// Most-significant-bit-first bit writer for frame headers, side information and
// main data.
#pragma once
#include <cstdint>
#include <vector>

namespace zelcor::mp3 {

class BitWriter {
 public:
  void Put(uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      if ((bit_count_ & 7) == 0) bytes_.push_back(0);
      if ((value >> i) & 1) bytes_.back() |= static_cast<uint8_t>(0x80 >> (bit_count_ & 7));
      ++bit_count_;
    }
  }
  int64_t BitCount() const { return bit_count_; }
  // Bytes written so far; a partial last byte is zero-padded.
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  int64_t bit_count_ = 0;
};

}  // namespace zelcor::mp3

#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lha {

// Reads bits most significant first. Past the end of the input it supplies
// zero bits and remembers it did, so a decoder never reads out of bounds and
// can tell a stream that ran beyond its packed size.
class BitReader {
public:
  BitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  uint32_t peek16() {
    if (count_ < 16) refill();
    return static_cast<uint32_t>(buf_ >> 48);
  }
  void skip(int n) {
    if (count_ < n) refill();
    buf_ <<= n;
    count_ -= n;
  }
  uint32_t get(int n) {
    if (n == 0) return 0;
    if (count_ < n) refill();
    uint32_t v = static_cast<uint32_t>(buf_ >> (64 - n));
    buf_ <<= n;
    count_ -= n;
    return v;
  }
  bool overrun() const { return pos_ * 8 - static_cast<uint64_t>(count_) > size_ * 8; }

private:
  void refill() {
    while (count_ <= 56) {
      uint64_t byte = pos_ < size_ ? data_[pos_] : 0;
      ++pos_;
      buf_ |= byte << (56 - count_);
      count_ += 8;
    }
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  uint64_t buf_ = 0;
  int count_ = 0;
};

class BitWriter {
public:
  explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}

  void put(int n, uint32_t value) {
    buf_ = (buf_ << n) | (value & ((1u << n) - 1));
    count_ += n;
    while (count_ >= 8) {
      count_ -= 8;
      out_.push_back(static_cast<uint8_t>(buf_ >> count_));
    }
  }
  void flush() {
    if (count_ > 0) put(8 - count_, 0);
  }
  uint64_t bitCount() const { return out_.size() * 8 + static_cast<uint64_t>(count_); }

private:
  std::vector<uint8_t>& out_;
  uint64_t buf_ = 0;
  int count_ = 0;
};

}  // namespace lha

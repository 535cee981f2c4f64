#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "lha/sink.h"

namespace lha {

// The sliding dictionary of a decoder: a ring of a power-of-two size whose
// bytes reach the sink each time the ring fills and at the end. The archivers
// started with the ring full of blanks, and a stream may copy from them.
class OutputWindow {
public:
  OutputWindow(int bits, ByteSink& out, size_t start = 0)
      : ring_(size_t{1} << bits, 0x20), mask_(ring_.size() - 1), pos_(start), flushed_(start), out_(out) {}

  uint8_t* ring() { return ring_.data(); }
  size_t pos() const { return pos_; }

  bool put(uint8_t b) {
    ring_[pos_++] = b;
    return pos_ != ring_.size() || flush();
  }
  // Copies `length` bytes starting at ring index `from`; source and target may overlap.
  bool copyFrom(size_t from, uint32_t length) {
    for (; length > 0; --length) {
      if (!put(ring_[from & mask_])) return false;
      ++from;
    }
    return true;
  }
  // distance 1 is the byte just written.
  bool copy(size_t distance, uint32_t length) { return copyFrom(pos_ - distance, length); }

  bool flush() {
    bool ok = out_.write(ring_.data() + flushed_, pos_ - flushed_);
    flushed_ = pos_;
    if (pos_ == ring_.size()) pos_ = flushed_ = 0;
    return ok;
  }

private:
  std::vector<uint8_t> ring_;
  size_t mask_;
  size_t pos_;      // next write position
  size_t flushed_;  // bytes before pos_ from here on are not yet handed to the sink
  ByteSink& out_;
};

}  // namespace lha

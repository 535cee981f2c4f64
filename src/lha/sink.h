#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lha {

// Receives decoded bytes; returning false aborts the decoding (write error).
class ByteSink {
public:
  virtual ~ByteSink() = default;
  virtual bool write(const uint8_t* data, size_t size) = 0;
};

class VectorSink : public ByteSink {
public:
  bool write(const uint8_t* data, size_t size) override {
    bytes.insert(bytes.end(), data, data + size);
    return true;
  }
  std::vector<uint8_t> bytes;
};

}  // namespace lha

#pragma once
#include <cstddef>
#include <cstdint>

namespace lha {

// CRC-16 as LHA stores it (reflected polynomial 0xA001, start value 0).
class Crc16 {
public:
  void update(const uint8_t* data, size_t size);
  uint16_t value() const { return crc_; }

private:
  uint16_t crc_ = 0;
};

uint16_t crc16(const uint8_t* data, size_t size);

}  // namespace lha

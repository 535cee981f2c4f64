#include "lha/crc16.h"

#include <array>

namespace lha {
namespace {

constexpr std::array<uint16_t, 256> makeTable() {
  std::array<uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001u : c >> 1;
    table[i] = static_cast<uint16_t>(c);
  }
  return table;
}

constexpr std::array<uint16_t, 256> kTable = makeTable();

}  // namespace

void Crc16::update(const uint8_t* data, size_t size) {
  unsigned c = crc_;
  for (size_t i = 0; i < size; ++i) c = kTable[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  crc_ = static_cast<uint16_t>(c);
}

uint16_t crc16(const uint8_t* data, size_t size) {
  Crc16 c;
  c.update(data, size);
  return c.value();
}

}  // namespace lha

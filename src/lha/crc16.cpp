#include "lha/crc16.h"

#include <array>

namespace lha {
namespace {

// kTable[0] advances the CRC by one byte; kTable[k] gives what a byte k
// places before the end of an eight-byte step contributes, so eight bytes
// take eight independent look-ups.
constexpr std::array<std::array<uint16_t, 256>, 8> makeTables() {
  std::array<std::array<uint16_t, 256>, 8> t{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xA001u : c >> 1;
    t[0][i] = static_cast<uint16_t>(c);
  }
  for (int k = 1; k < 8; ++k)
    for (unsigned i = 0; i < 256; ++i) t[k][i] = static_cast<uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF]);
  return t;
}

constexpr auto kTable = makeTables();

}  // namespace

void Crc16::update(const uint8_t* data, size_t size) {
  unsigned c = crc_;
  size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    const uint8_t* d = data + i;
    c ^= d[0] | unsigned{d[1]} << 8;
    c = kTable[7][c & 0xFF] ^ kTable[6][c >> 8] ^ kTable[5][d[2]] ^ kTable[4][d[3]] ^ kTable[3][d[4]] ^
        kTable[2][d[5]] ^ kTable[1][d[6]] ^ kTable[0][d[7]];
  }
  for (; i < size; ++i) c = kTable[0][(c ^ data[i]) & 0xFF] ^ (c >> 8);
  crc_ = static_cast<uint16_t>(c);
}

uint16_t crc16(const uint8_t* data, size_t size) {
  Crc16 c;
  c.update(data, size);
  return c.value();
}

}  // namespace lha

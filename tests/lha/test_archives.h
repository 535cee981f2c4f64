#pragma once
// Test-only writers of what the library only reads: the -lh1-, -lzs- and
// -lz5- streams and headers as other archivers wrote them (levels 0, 1 and 3,
// names with comments, extended headers of other systems).
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lha/method.h"

namespace lhatest {

using Bytes = std::vector<uint8_t>;
using ExtendedList = std::vector<std::pair<uint8_t, std::string>>;

// Random bytes drawn from the first `alphabet` values.
Bytes randomBytes(size_t n, unsigned seed, int alphabet = 256);
// Text-like data: words from a small vocabulary, so matches of every length and distance occur.
Bytes wordSoup(size_t n, unsigned seed);

Bytes encodeLh1(const Bytes& data);
Bytes encodeLzs(const Bytes& data);
Bytes encodeLz5(const Bytes& data);
// Any method the library reads, by its five-byte id: the test encoders above
// or the library's own static-Huffman encoder (-lh4- to -lh7-, -lhx-).
Bytes encodeAs(const std::string& method, const Bytes& data);

void put16(Bytes& v, unsigned x);
void put32(Bytes& v, uint32_t x);

struct Member {
  std::string method = "-lh0-";
  std::string name;      // level 0/1: the name field as stored, comment included
  Bytes packed;
  uint32_t originalSize = 0;
  uint16_t crc = 0;
  uint32_t mtime = 1700000000;
};

// Level 0 or 1 header followed by the packed bytes; `ext` is a level-1 chain
// from extChain().
Bytes oldHeader(int level, const Member& m, const Bytes& ext = {});
// Extended headers chained the level-1 way: [size][type][payload]... ending in size 0.
Bytes extChain(const ExtendedList& items);
// Level 2 or 3 header (with header CRC and name) followed by the packed bytes;
// `extra` extended headers come after the name.
Bytes newHeader(int level, const Member& m, const ExtendedList& extra = {});

// A member of `data` packed with `method`, sizes and CRC filled in.
Member memberOf(const std::string& method, const std::string& name, const Bytes& data);

// One entry as the library itself packs it (level-2 header, then the data).
Bytes packed(const std::string& name, const Bytes& data, lha::Method method = lha::Method::Lh5);
Bytes packed(const std::string& name, const std::string& text);
// Entries one after another, then the end-of-archive byte.
Bytes archiveOf(const std::vector<Bytes>& entries);

}  // namespace lhatest

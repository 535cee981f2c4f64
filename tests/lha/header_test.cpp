// Header levels 0, 1 and 2 as MS-DOS archivers write them, and their damage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lha/crc16.h"
#include "lha/header.h"
#include "test_archives.h"

namespace {

using Bytes = std::vector<uint8_t>;

using lhatest::extChain;

// A level-0 or level-1 header as MS-DOS era archivers wrote it, followed by
// `packed` data bytes; `ext` is a chain from extChain() (level 1 only).
Bytes oldHeader(int level, const std::string& name, uint32_t packed, const Bytes& ext = {}) {
  lhatest::Member m;
  m.name = name;
  m.packed.assign(packed, 'x');
  m.originalSize = packed;
  m.crc = 0x1234;
  return lhatest::oldHeader(level, m, ext);
}

lha::HeaderStatus read(const Bytes& v, lha::Entry& e) { return lha::readHeader(v.data(), v.size(), 0, e); }

TEST(Header, LevelZeroKeepsShiftJisTrailBackslash) {
  // 表 is 0x95 0x5C: its second byte must not become a folder separator.
  Bytes v = oldHeader(0, "DIR\\表.MID", 4);
  lha::Entry e;
  ASSERT_EQ(read(v, e), lha::HeaderStatus::Ok);
  EXPECT_EQ(e.name, "DIR/表.MID");
  EXPECT_EQ(e.method, lha::Method::Stored);
  EXPECT_EQ(e.crc, 0x1234);
  EXPECT_EQ(e.dosAttributes, 0x21);
  EXPECT_EQ(e.mtime, 1700000000);
  EXPECT_EQ(e.dataOffset + e.packedSize, v.size());
}

TEST(Header, LevelOneTakesNamesFromExtendedHeaders) {
  Bytes ext = extChain({{0x02, "A\xFF" "B\xFF"}, {0x01, "C.WAV"}, {0x54, std::string("\x00\x00\x00\x01", 4)}});
  Bytes v = oldHeader(1, "IGNORED", 3, ext);
  lha::Entry e;
  ASSERT_EQ(read(v, e), lha::HeaderStatus::Ok);
  EXPECT_EQ(e.name, "A/B/C.WAV");
  EXPECT_EQ(e.packedSize, 3u);  // the size field also counted the extended headers
  EXPECT_EQ(e.mtime, 0x01000000);
  EXPECT_EQ(e.osId, 'M');
}

TEST(Header, LevelTwoRoundTrip) {
  lha::Entry in;
  in.name = "曲/表.MID";
  in.method = lha::Method::Lh5;
  in.packedSize = 5;
  in.originalSize = 9;
  in.mtime = 1234567890;
  in.crc = 0xBEEF;
  in.dosAttributes = 0x21;
  Bytes v = lha::writeHeaderLevel2(in);
  v.resize(v.size() + 5);
  lha::Entry out;
  ASSERT_EQ(read(v, out), lha::HeaderStatus::Ok);
  EXPECT_EQ(out.name, in.name);
  EXPECT_EQ(out.methodText, "-lh5-");
  EXPECT_EQ(out.originalSize, 9u);
  EXPECT_EQ(out.mtime, in.mtime);
  EXPECT_EQ(out.crc, 0xBEEF);
  EXPECT_EQ(out.dosAttributes, 0x21);
}

// A zero first byte would read as the end of the archive.
TEST(Header, LevelTwoSizeNeverHasZeroLowByte) {
  for (size_t n = 200; n < 260; ++n) {
    lha::Entry e;
    e.name = std::string(n, 'a');
    e.method = lha::Method::Stored;
    Bytes v = lha::writeHeaderLevel2(e);
    lha::Entry back;
    EXPECT_NE(v[0], 0);
    EXPECT_EQ(read(v, back), lha::HeaderStatus::Ok);
    EXPECT_EQ(back.name, e.name);
  }
}

struct Damage {
  const char* what;
  Bytes bytes;
};

Bytes level2Stored() {
  lha::Entry e;
  e.name = "A.MID";
  e.method = lha::Method::Stored;
  e.packedSize = e.originalSize = 4;
  Bytes v = lha::writeHeaderLevel2(e);
  v.resize(v.size() + 4, 'x');
  return v;
}

std::vector<Damage> damagedHeaders() {
  std::vector<Damage> d;
  Bytes v0 = oldHeader(0, "A.MID", 4);
  d.push_back({"level 0 checksum", v0});
  d.back().bytes[1] ^= 1;
  d.push_back({"level 0 truncated header", Bytes(v0.begin(), v0.begin() + 20)});
  d.push_back({"level 0 data shorter than packed size", Bytes(v0.begin(), v0.end() - 1)});
  d.push_back({"level 0 name longer than header", v0});
  d.back().bytes[21] = 200;
  Bytes v2 = level2Stored();
  d.push_back({"level 2 header CRC", v2});
  d.back().bytes[32] ^= 0x01;  // a letter of the name: only the CRC tells
  d.push_back({"level 2 packed size past the end", v2});
  d.back().bytes[10] = 0x7F;
  d.push_back({"level 2 header size past the end", v2});
  d.back().bytes[1] = 0x40;
  d.push_back({"level 2 extended size below 3", v2});
  d.back().bytes[24] = 1;
  d.back().bytes[25] = 0;
  d.push_back({"level 4", v2});
  d.back().bytes[20] = 4;
  Bytes ext = extChain({{0x01, "B.MID"}});
  Bytes v1 = oldHeader(1, "A.MID", 2, ext);
  d.push_back({"level 1 extended headers larger than skip size", v1});
  d.back().bytes[7] = 1;
  d.back().bytes[1] = static_cast<uint8_t>(d.back().bytes[1] - v1[7] + 1);
  return d;
}

TEST(Header, DamageIsReportedNotFollowed) {
  for (const Damage& d : damagedHeaders()) {
    lha::Entry e;
    EXPECT_EQ(read(d.bytes, e), lha::HeaderStatus::Corrupt) << d.what;
  }
}

TEST(Header, EndMarkerEndOfDataAndPaddingEndTheArchive) {
  lha::Entry e;
  Bytes zero = {0};
  EXPECT_EQ(read(zero, e), lha::HeaderStatus::End);
  EXPECT_EQ(lha::readHeader(zero.data(), 0, 0, e), lha::HeaderStatus::End);
  Bytes dosPadding = {0x1A, 0x1A, 0x1A};
  EXPECT_EQ(read(dosPadding, e), lha::HeaderStatus::End);
  Bytes stray = {0x1A, 0x1A, 0x05};
  EXPECT_EQ(read(stray, e), lha::HeaderStatus::Corrupt);
}

TEST(DosTime, ConvertsBothWays) {
  // 2024-02-29 13:45:58 UTC
  int64_t t = 1709214358;
  uint32_t dos = lha::unixToDosTime(t);
  EXPECT_EQ(dos >> 16, (44u << 9) | (2u << 5) | 29u);
  EXPECT_EQ(lha::dosTimeToUnix(dos), t);
  EXPECT_EQ(lha::dosTimeToUnix(0), 0) << "month 0 is not a date";
}

}  // namespace

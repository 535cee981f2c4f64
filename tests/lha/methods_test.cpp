// The older methods (-lh1-, -lh4-, -lzs-, -lz5-, -lhx-) and header forms
// (level 3, other systems' extended headers, names with comments) as archives.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lha/archive.h"
#include "lha/entry_path.h"
#include "lha/larc_decode.h"
#include "test_archives.h"

namespace {

using lhatest::Bytes;

using lhatest::randomBytes;
using lhatest::wordSoup;

// Decodes the only entry of `archive`.
lha::ExtractStatus extractOnly(const Bytes& archive, lha::Entry& e, Bytes& out) {
  std::vector<lha::Entry> entries;
  if (!lha::listEntries(archive.data(), archive.size(), entries) || entries.size() != 1)
    return lha::ExtractStatus::Corrupt;
  e = entries[0];
  lha::VectorSink sink;
  lha::ExtractStatus st = lha::extractEntry(archive.data(), archive.size(), e, sink);
  out = sink.bytes;
  return st;
}

TEST(OlderMethods, ArchivesExtractByteIdentically) {
  // Past the windows (2 KB to 512 KB) and the -lh1- weight limit (some 32500 symbols).
  Bytes mixed = wordSoup(60000, 1);
  Bytes noise = randomBytes(40000, 2);
  mixed.insert(mixed.end(), noise.begin(), noise.end());
  mixed.insert(mixed.end(), mixed.begin(), mixed.begin() + 20000);  // a repeat 100 KB back
  const std::vector<std::pair<const char*, Bytes>> inputs = {
      {"empty", {}}, {"one", {'A'}}, {"zeros", Bytes(30000, 0)}, {"noise", randomBytes(5000, 3)}, {"mixed", mixed}};
  for (const char* method : {"-lh1-", "-lh4-", "-lzs-", "-lz5-", "-lhx-"}) {
    for (const auto& [what, data] : inputs) {
      lha::Entry e;
      Bytes out;
      Bytes archive = lhatest::oldHeader(0, lhatest::memberOf(method, "TUNE.MID", data));
      EXPECT_EQ(extractOnly(archive, e, out), lha::ExtractStatus::Ok) << method << " " << what;
      EXPECT_TRUE(out == data) << method << " " << what;
      EXPECT_EQ(e.methodText, method);
    }
  }
}

TEST(OlderMethods, TruncatedOrOverlongStreamsFailCleanly) {
  Bytes data = wordSoup(20000, 4);
  for (const char* method : {"-lh1-", "-lh4-", "-lzs-", "-lz5-", "-lhx-"}) {
    lhatest::Member m = lhatest::memberOf(method, "A.MID", data);
    lha::Entry e;
    Bytes out;
    lhatest::Member cut = m;
    cut.packed.resize(m.packed.size() / 2);
    EXPECT_EQ(extractOnly(lhatest::oldHeader(0, cut), e, out), lha::ExtractStatus::Corrupt) << method;
    lhatest::Member longer = m;  // states a size far past what the stream holds
    longer.originalSize = 1u << 30;
    EXPECT_EQ(extractOnly(lhatest::oldHeader(0, longer), e, out), lha::ExtractStatus::Corrupt) << method;
  }
}

TEST(OlderMethods, Lz5StartsFromLArcsPresetRing) {
  // Matches into the ring before any byte was written: 13 bytes of value 0x41
  // at 0x41 * 13, the rising values at 3328, then one literal.
  Bytes stream = {0xF8 /* 3 matches, then literals */, 0x4D, 0x3A, 0x00, 0xDF, 0x41, 0xDF, 'z'};
  Bytes expect(13, 0x41);
  for (int i = 0; i < 18; ++i) expect.push_back(static_cast<uint8_t>(i));
  for (int i = 0; i < 18; ++i) expect.push_back(static_cast<uint8_t>(0x41 + i));
  expect.push_back('z');
  lha::VectorSink sink;
  ASSERT_EQ(lha::decodeLz5(stream.data(), stream.size(), expect.size(), sink), lha::DecodeStatus::Ok);
  EXPECT_TRUE(sink.bytes == expect);
}

TEST(OlderHeaders, FormsOfOtherSystemsRead) {
  Bytes data = wordSoup(3000, 5);
  lhatest::Member m = lhatest::memberOf("-lh5-", "DIR\\TUNE.MID", data);
  lhatest::Member commented = m;
  commented.name = std::string("TUNE.MID\0Amiga comment", 22);
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"level 3", lhatest::newHeader(3, m, {{0x54, std::string("\x00\x00\x00\x01", 4)}})},
      {"level 2, Unix owner and group", lhatest::newHeader(2, m, {{0x51, "\x01\x00\x02\x00"}, {0x52, "staff"}, {0x53, "me"}})},
      {"level 2, unknown types", lhatest::newHeader(2, m, {{0xCC, std::string(300, 'o')}, {0x7F, ""}})},
      {"level 3, unknown type", lhatest::newHeader(3, m, {{0x41, "os9"}})},
      {"level 0, name with comment", lhatest::oldHeader(0, commented)},
      {"level 1, name with comment", lhatest::oldHeader(1, commented, lhatest::extChain({{0x3F, "note"}}))},
  };
  for (const auto& [what, archive] : cases) {
    lha::Entry e;
    Bytes out;
    EXPECT_EQ(extractOnly(archive, e, out), lha::ExtractStatus::Ok) << what;
    EXPECT_TRUE(out == data) << what;
    EXPECT_TRUE(e.name == "TUNE.MID" || e.name == "DIR/TUNE.MID") << what << ": " << e.name;
  }
}

TEST(OlderHeaders, CommentAfterTheNameHidesNoEscape) {
  lhatest::Member m = lhatest::memberOf("-lh0-", std::string("..\\EVIL.MID\0TUNE.MID", 20), Bytes(4, 'x'));
  Bytes v = lhatest::oldHeader(0, m);
  lha::Entry e;
  ASSERT_EQ(lha::readHeader(v.data(), v.size(), 0, e), lha::HeaderStatus::Ok);
  EXPECT_EQ(e.name, "../EVIL.MID");
  EXPECT_FALSE(lha::safeRelativePath(e.name, true));
}

TEST(OlderHeaders, LevelThreeDamageIsReported) {
  lhatest::Member m = lhatest::memberOf("-lh0-", "A.MID", Bytes(4, 'x'));
  Bytes good = lhatest::newHeader(3, m);
  Bytes badCrc = good, hugeSize = good, shortExt = good;
  badCrc[good.size() - 9] ^= 1;  // a letter of the name
  hugeSize[27] = 0x7F;
  shortExt[28] = 4;  // an extended header smaller than its own size field
  for (const Bytes& v : {badCrc, hugeSize, shortExt}) {
    lha::Entry e;
    EXPECT_EQ(lha::readHeader(v.data(), v.size(), 0, e), lha::HeaderStatus::Corrupt);
  }
}

}  // namespace

// CRC, Huffman code building and the -lh4-..-lh7-/-lhx- stream codec.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lha/bit_io.h"
#include "lha/crc16.h"
#include "lha/huffman.h"
#include "lha/lzh_block_writer.h"
#include "lha/lzh_decode.h"
#include "lha/lzh_encode.h"
#include "lha/match_finder.h"
#include "test_archives.h"

namespace {

using lhatest::randomBytes;
using lhatest::wordSoup;

TEST(Crc16, MatchesTheStandardCheckValue) {
  EXPECT_EQ(lha::crc16(reinterpret_cast<const uint8_t*>("123456789"), 9), 0xBB3D);
  lha::Crc16 c;
  c.update(reinterpret_cast<const uint8_t*>("1234"), 4);
  c.update(reinterpret_cast<const uint8_t*>("56789"), 5);
  EXPECT_EQ(c.value(), 0xBB3D);
  // Long input, eight bytes at a time, against the bit-by-bit definition.
  std::vector<uint8_t> data = randomBytes(1001, 10);
  unsigned bitwise = 0;
  for (uint8_t b : data) {
    bitwise ^= b;
    for (int k = 0; k < 8; ++k) bitwise = bitwise & 1 ? (bitwise >> 1) ^ 0xA001 : bitwise >> 1;
  }
  lha::Crc16 parts;
  parts.update(data.data(), 3);
  parts.update(data.data() + 3, data.size() - 3);
  EXPECT_EQ(parts.value(), bitwise);
  EXPECT_EQ(lha::crc16(data.data(), data.size()), bitwise);
}

TEST(Huffman, LengthsStayWithinSixteenBitsAndDecode) {
  // Fibonacci frequencies make an unlimited Huffman tree as deep as the alphabet.
  std::vector<uint32_t> freq(40);
  freq[0] = freq[1] = 1;
  for (size_t i = 2; i < freq.size(); ++i) freq[i] = freq[i - 1] + freq[i - 2];
  std::vector<uint8_t> len(freq.size());
  ASSERT_EQ(lha::buildCodeLengths(freq.data(), 40, 16, len.data()), 40);
  for (uint8_t l : len) EXPECT_LE(l, 16);
  std::vector<uint16_t> codes(freq.size());
  lha::buildCodes(len.data(), 40, codes.data());

  std::vector<uint8_t> stream;
  lha::BitWriter w(stream);
  for (int s = 0; s < 40; ++s) w.put(len[s], codes[s]);
  w.flush();
  lha::HuffmanDecoder dec(8);
  ASSERT_TRUE(dec.build(len.data(), 40));
  lha::BitReader r(stream.data(), stream.size());
  for (int s = 0; s < 40; ++s) EXPECT_EQ(dec.decode(r), s);
}

TEST(Huffman, RejectsCodesThatAreNotComplete) {
  const uint8_t overfull[] = {1, 1, 1};
  const uint8_t gap[] = {1, 2};
  lha::HuffmanDecoder dec(8);
  EXPECT_FALSE(dec.build(overfull, 3));
  EXPECT_FALSE(dec.build(gap, 2));
}

struct RoundTrip {
  const char* name;
  std::vector<uint8_t> data;
};

std::vector<RoundTrip> roundTripCases() {
  std::vector<uint8_t> period8191, period65535;
  std::vector<uint8_t> block = randomBytes(8191, 7);
  for (int i = 0; i < 5; ++i) period8191.insert(period8191.end(), block.begin(), block.end());
  std::vector<uint8_t> big = randomBytes(65535, 8);
  period65535 = big;
  period65535.insert(period65535.end(), big.begin(), big.begin() + 5000);
  return {
      {"empty", {}},
      {"one_byte", {0x41}},
      {"three_bytes", {1, 2, 3}},
      {"zeros", std::vector<uint8_t>(200000, 0)},
      {"random", randomBytes(70000, 1)},
      {"small_alphabet", randomBytes(100000, 2, 3)},
      {"words", wordSoup(150000, 3)},
      {"repeat_at_8191", period8191},
      {"repeat_at_65535", period65535},
  };
}

class CodecRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(CodecRoundTrip, EveryInputDecodesToItself) {
  int dictBits = GetParam();
  for (const RoundTrip& c : roundTripCases()) {
    std::vector<uint8_t> packed = lha::encodeLzh(dictBits, c.data.data(), c.data.size());
    lha::VectorSink out;
    EXPECT_EQ(lha::decodeLzh(dictBits, packed.data(), packed.size(), c.data.size(), out), lha::DecodeStatus::Ok)
        << c.name;
    EXPECT_TRUE(out.bytes == c.data) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Methods, CodecRoundTrip, ::testing::Values(13, 15, 16));

TEST(Codec, CompressesRedundantDataWell) {
  std::vector<uint8_t> zeros(200000, 0), words = wordSoup(150000, 3);
  EXPECT_LT(lha::encodeLzh(13, zeros.data(), zeros.size()).size(), 2000u);
  EXPECT_LT(lha::encodeLzh(13, words.data(), words.size()).size(), words.size() / 3);
}

TEST(Codec, DamagedStreamsFailCleanly) {
  std::vector<uint8_t> data = wordSoup(50000, 4);
  std::vector<uint8_t> packed = lha::encodeLzh(13, data.data(), data.size());
  lha::VectorSink sink;
  // Cut short: the decoder would need bits beyond the packed size.
  EXPECT_EQ(lha::decodeLzh(13, packed.data(), packed.size() / 2, data.size(), sink), lha::DecodeStatus::Corrupt);
  // The stream holds more symbols than the stated size: one literal more
  // (the data ends in random bytes, so its last symbols are literals).
  std::vector<uint8_t> tail = randomBytes(64, 5);
  data.insert(data.end(), tail.begin(), tail.end());
  packed = lha::encodeLzh(13, data.data(), data.size());
  EXPECT_EQ(lha::decodeLzh(13, packed.data(), packed.size(), data.size() - 1, sink), lha::DecodeStatus::Corrupt);
}

// Counts the bytes and checks that each is zero.
class ZeroCounter : public lha::ByteSink {
public:
  bool write(const uint8_t* data, size_t size) override {
    for (size_t i = 0; i < size; ++i) nonZero += data[i] != 0;
    crc.update(data, size);
    count += size;
    return true;
  }
  uint64_t count = 0, nonZero = 0;
  lha::Crc16 crc;
};

TEST(Codec, BlockOf65536SymbolsStoredAsCountZero) {
  // Hundreds of megabytes of zeros as other archivers pack them: blocks of
  // 65536 symbols, whose 16-bit count reads 0. Short matches keep it small.
  const lha::LzhSymbol zero{0, 0}, match3{256, 0};  // a literal 0; 3 bytes from 1 back
  std::vector<lha::LzhSymbol> full(65536, match3);
  full[0] = zero;
  std::vector<uint8_t> packed;
  lha::BitWriter w(packed);
  lha::writeLzhBlock(w, full, 13);
  lha::writeLzhBlock(w, std::vector<lha::LzhSymbol>(65536, zero), 13);  // symbols of no bits at all
  lha::writeLzhBlock(w, std::vector<lha::LzhSymbol>{zero}, 13);
  w.flush();
  ASSERT_EQ(packed[0] | packed[1], 0);
  uint64_t size = 1 + 65535 * 3 + 65536 + 1;
  std::vector<uint8_t> zeros(size, 0);
  ZeroCounter out;
  ASSERT_EQ(lha::decodeLzh(13, packed.data(), packed.size(), size, out), lha::DecodeStatus::Ok);
  EXPECT_EQ(out.count, size);
  EXPECT_EQ(out.nonZero, 0u);
  EXPECT_EQ(out.crc.value(), lha::crc16(zeros.data(), zeros.size()));
}

TEST(MatchFinder, OneThatJumpsAheadFindsWhatOneThatSawEverythingFinds) {
  // Each thread of the compressor searches stretches with a finder of its
  // own, which skips the stretches the other thread searched. Here every
  // match lies as far back as the dictionary reaches.
  std::vector<uint8_t> data, block = randomBytes(8191, 6);
  for (int i = 0; i < 5; ++i) data.insert(data.end(), block.begin(), block.end());
  lha::MatchFinder all(data.data(), data.size(), 13, 64, 16), jumped(data.data(), data.size(), 13, 64, 16);
  for (size_t p = 0; p < 30000; ++p) all.insert(p);
  for (size_t p = 0; p < 10000; ++p) jumped.insert(p);
  jumped.reach(30000);
  std::vector<lha::Match> a, b;
  for (size_t pos = 30000; pos < 31000; ++pos) {
    a.clear();
    b.clear();
    all.find(pos, 256, a);
    jumped.find(pos, 256, b);
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size()) << pos;
    for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(a[i].length == b[i].length && a[i].distance == b[i].distance);
    all.insert(pos);
    jumped.insert(pos);
  }
}

TEST(Codec, BlockSizeEstimateIsWhatTheWriterWrites) {
  // The encoder chooses block boundaries by the estimate alone.
  std::vector<uint8_t> noise = randomBytes(3000, 9);
  std::vector<lha::LzhSymbol> mixed;
  for (size_t i = 0; i < noise.size(); ++i)
    mixed.push_back(i % 3 ? lha::LzhSymbol{noise[i], 0} : lha::LzhSymbol{uint16_t(256 + noise[i] % 40), uint32_t(i)});
  const std::vector<lha::LzhSymbol> cases[] = {
      mixed,
      {{65, 0}},                                  // one-symbol tables
      std::vector<lha::LzhSymbol>(500, {300, 4000}),  // one length, one far position
  };
  for (int dictBits : {13, 16})
    for (const auto& symbols : cases) {
      std::vector<uint8_t> packed;
      lha::BitWriter w(packed);
      lha::writeLzhBlock(w, symbols, dictBits);
      lha::LzhFrequencies freq(dictBits);
      freq.add(symbols);
      EXPECT_EQ(lha::lzhBlockBits(freq, dictBits), w.bitCount()) << symbols.size() << " symbols";
    }
}

}  // namespace

#include "lha/lzh_block_writer.h"

#include "lha/huffman.h"
#include "lha/lzh_format.h"

namespace lha {
namespace {

using namespace lzh;

struct Code {
  std::vector<uint8_t> len;
  std::vector<uint16_t> code;
  int used = 0;
  int single = 0;  // the symbol of a one-symbol (or empty) table

  Code(const std::vector<uint32_t>& freq) : len(freq.size()), code(freq.size()) {
    int n = static_cast<int>(freq.size());
    used = buildCodeLengths(freq.data(), n, kMaxCodeLength, len.data());
    for (int i = 0; i < n; ++i)
      if (freq[i]) single = i;
    buildCodes(len.data(), n, code.data());
  }
  void put(BitWriter& out, int sym) const { out.put(len[sym], code[sym]); }
};

int trimmedCount(const std::vector<uint8_t>& len) {
  int n = static_cast<int>(len.size());
  while (n > 0 && len[n - 1] == 0) --n;
  return n;
}

// Runs of zero lengths in the c table, as the t symbols 0 (one), 1 (3..18, 4 bits) and 2 (20+, 9 bits).
template <typename Emit>
void walkCLengths(const std::vector<uint8_t>& cLen, Emit emit) {
  int n = trimmedCount(cLen);
  for (int i = 0; i < n;) {
    int k = cLen[i++];
    if (k != 0) {
      emit(k + 2, 0, 0);
      continue;
    }
    int run = 1;
    while (i < n && cLen[i] == 0) ++i, ++run;
    if (run <= 2) {
      for (int j = 0; j < run; ++j) emit(0, 0, 0);
    } else if (run <= 18) {
      emit(1, 4, run - 3);
    } else if (run == 19) {
      emit(0, 0, 0);
      emit(1, 4, 15);
    } else {
      emit(2, kCBits, run - 20);
    }
  }
}

void writePtLengths(BitWriter& out, const Code& c, int nbits, int special) {
  if (c.used < 2) {
    out.put(nbits, 0);
    out.put(nbits, static_cast<uint32_t>(c.single));
    return;
  }
  int n = trimmedCount(c.len);
  out.put(nbits, static_cast<uint32_t>(n));
  for (int i = 0; i < n;) {
    int k = c.len[i++];
    if (k <= 6)
      out.put(3, static_cast<uint32_t>(k));
    else
      out.put(k - 3, (1u << (k - 3)) - 2);
    if (i == special) {
      int zeros = 0;
      while (i + zeros < 6 && c.len[i + zeros] == 0) ++zeros;
      out.put(2, static_cast<uint32_t>(zeros));
      i += zeros;
    }
  }
}

void writeTables(BitWriter& out, const Code& c, const Code& p, int dictBits) {
  if (c.used < 2) {
    out.put(kTBits, 0);
    out.put(kTBits, 0);
    out.put(kCBits, 0);
    out.put(kCBits, static_cast<uint32_t>(c.single));
  } else {
    std::vector<uint32_t> tFreq(kNumT, 0);
    walkCLengths(c.len, [&](int sym, int, int) { ++tFreq[sym]; });
    Code t(tFreq);
    writePtLengths(out, t, kTBits, kTSpecial);
    out.put(kCBits, static_cast<uint32_t>(trimmedCount(c.len)));
    walkCLengths(c.len, [&](int sym, int bits, int value) {
      t.put(out, sym);
      if (bits) out.put(bits, static_cast<uint32_t>(value));
    });
  }
  writePtLengths(out, p, pBits(dictBits), -1);
}

// The codes of one block, from its symbols' frequencies.
struct BlockCodes {
  Code c, p;

  explicit BlockCodes(const LzhFrequencies& freq) : c(freq.c), p(freq.p) {}

  void writeHead(BitWriter& out, size_t symbolCount, int dictBits) const {
    out.put(16, static_cast<uint32_t>(symbolCount));
    writeTables(out, c, p, dictBits);
  }
};

}  // namespace

LzhFrequencies::LzhFrequencies(int dictBits) : c(kNumC, 0), p(numP(dictBits), 0) {}

void LzhFrequencies::add(std::span<const LzhSymbol> symbols) {
  for (const LzhSymbol& s : symbols) {
    ++c[s.code];
    if (s.code >= 256) ++p[positionSymbol(s.offset)];
  }
  count += symbols.size();
}

void LzhFrequencies::add(const LzhFrequencies& other) {
  for (size_t i = 0; i < c.size(); ++i) c[i] += other.c[i];
  for (size_t i = 0; i < p.size(); ++i) p[i] += other.p[i];
  count += other.count;
}

void writeLzhBlock(BitWriter& out, std::span<const LzhSymbol> symbols, int dictBits) {
  LzhFrequencies freq(dictBits);
  freq.add(symbols);
  BlockCodes codes(freq);
  codes.writeHead(out, symbols.size(), dictBits);
  const Code &c = codes.c, &p = codes.p;
  for (const LzhSymbol& s : symbols) {
    c.put(out, s.code);
    if (s.code < 256) continue;
    int ps = positionSymbol(s.offset);
    p.put(out, ps);
    if (ps > 1) out.put(ps - 1, s.offset - (1u << (ps - 1)));
  }
}

uint64_t lzhBlockBits(const LzhFrequencies& freq, int dictBits) {
  BlockCodes codes(freq);
  std::vector<uint8_t> scratch;
  BitWriter head(scratch);
  codes.writeHead(head, freq.count, dictBits);
  uint64_t bits = head.bitCount();
  for (size_t i = 0; i < freq.c.size(); ++i) bits += uint64_t{freq.c[i]} * codes.c.len[i];
  for (size_t i = 0; i < freq.p.size(); ++i)
    bits += uint64_t{freq.p[i]} * (codes.p.len[i] + (i > 1 ? i - 1 : 0));  // the position's extra bits
  return bits;
}

}  // namespace lha

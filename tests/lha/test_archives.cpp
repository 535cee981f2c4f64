#include "test_archives.h"

#include <algorithm>
#include <random>

#include "lha/archive.h"
#include "lha/bit_io.h"
#include "lha/crc16.h"
#include "lha/header.h"
#include "lha/huffman.h"
#include "lha/lh1_decode.h"
#include "lha/lzh_encode.h"
#include "lha/method.h"

namespace lhatest {
namespace {

struct Token {
  uint32_t length;    // 1: a literal
  uint32_t distance;  // 1 = the byte just before
};

// Greedy parse with hash chains; never reaches before the start of the data.
std::vector<Token> parse(const Bytes& d, uint32_t maxDistance, uint32_t minLength, uint32_t maxLength) {
  std::vector<Token> out;
  std::vector<int64_t> head(1 << 12, -1), prev(d.size(), -1);
  auto hash = [&](size_t i) { return (d[i] * 33u * 33u + d[i + 1] * 33u + d[i + 2]) & 0xFFF; };
  auto insert = [&](size_t i) {
    if (i + 2 >= d.size()) return;
    prev[i] = head[hash(i)];
    head[hash(i)] = static_cast<int64_t>(i);
  };
  for (size_t pos = 0; pos < d.size();) {
    Token best{1, 0};
    if (pos + 2 < d.size()) {
      int chain = 64;
      for (int64_t c = head[hash(pos)]; c >= 0 && pos - size_t(c) <= maxDistance && chain-- > 0; c = prev[c]) {
        uint32_t len = 0;
        while (len < maxLength && pos + len < d.size() && d[size_t(c) + len] == d[pos + len]) ++len;
        if (len > best.length) best = {len, static_cast<uint32_t>(pos - size_t(c))};
      }
    }
    if (best.length < minLength) best = {1, 0};
    out.push_back(best);
    for (uint32_t k = 0; k < best.length; ++k) insert(pos + k);
    pos += best.length;
  }
  return out;
}

}  // namespace

Bytes randomBytes(size_t n, unsigned seed, int alphabet) {
  std::mt19937 rng(seed);
  Bytes v(n);
  for (auto& b : v) b = static_cast<uint8_t>(rng() % static_cast<unsigned>(alphabet));
  return v;
}

Bytes wordSoup(size_t n, unsigned seed) {
  static const char* const kWords[] = {"tune ", "play ", "archive ", "音楽 ", "folder\r\n", "MIDI ", "wave ", "the "};
  std::mt19937 rng(seed);
  std::string s;
  while (s.size() < n) s += kWords[rng() % 8];
  s.resize(n);
  return Bytes(s.begin(), s.end());
}

Bytes encodeLh1(const Bytes& data) {
  Bytes out;
  lha::BitWriter w(out);
  lha::AdaptiveHuffman tree;
  uint8_t lengths[64];
  uint16_t codes[64];
  lha::lh1PositionLengths(lengths);
  lha::buildCodes(lengths, 64, codes);
  auto putSymbol = [&](int symbol) {
    std::vector<int> bits;
    for (int node = tree.leafNode(symbol); node != lha::AdaptiveHuffman::kRoot; node = tree.parent(node))
      bits.push_back(node - tree.firstChild(tree.parent(node)));
    for (auto it = bits.rbegin(); it != bits.rend(); ++it) w.put(1, static_cast<uint32_t>(*it));
    tree.update(symbol);
  };
  size_t pos = 0;
  for (const Token& t : parse(data, 4096, 3, 60)) {
    if (t.length == 1) {
      putSymbol(data[pos]);
    } else {
      putSymbol(static_cast<int>(256 + t.length - 3));
      uint32_t position = t.distance - 1;
      w.put(lengths[position >> 6], codes[position >> 6]);
      w.put(6, position & 63);
    }
    pos += t.length;
  }
  w.flush();
  return out;
}

Bytes encodeLzs(const Bytes& data) {
  Bytes out;
  lha::BitWriter w(out);
  size_t pos = 0;
  for (const Token& t : parse(data, 2048 - 17, 2, 17)) {
    if (t.length == 1) {
      w.put(1, 1);
      w.put(8, data[pos]);
    } else {
      w.put(1, 0);
      w.put(11, static_cast<uint32_t>(2048 - 17 + pos - t.distance) & 2047);  // ring index of the source
      w.put(4, t.length - 2);
    }
    pos += t.length;
  }
  w.flush();
  return out;
}

Bytes encodeLz5(const Bytes& data) {
  Bytes out;
  size_t flagAt = 0;
  int item = 8;
  size_t pos = 0;
  for (const Token& t : parse(data, 4096 - 18, 3, 18)) {
    if (item == 8) {
      flagAt = out.size();
      out.push_back(0);
      item = 0;
    }
    if (t.length == 1) {
      out[flagAt] = static_cast<uint8_t>(out[flagAt] | 1 << item);
      out.push_back(data[pos]);
    } else {
      uint32_t from = static_cast<uint32_t>(4096 - 18 + pos - t.distance) & 4095;
      out.push_back(static_cast<uint8_t>(from));
      out.push_back(static_cast<uint8_t>((from >> 4 & 0xF0) | (t.length - 3)));
    }
    ++item;
    pos += t.length;
  }
  return out;
}

Bytes encodeAs(const std::string& method, const Bytes& data) {
  if (method == "-lh1-") return encodeLh1(data);
  if (method == "-lzs-") return encodeLzs(data);
  if (method == "-lz5-") return encodeLz5(data);
  int bits = lha::dictionaryBits(lha::parseMethod(method));
  lha::EncodeOptions quick;  // tests need valid streams, not the smallest
  quick.maxChain = 16;
  return bits ? lha::encodeLzh(bits, data.data(), data.size(), quick) : data;
}

void put16(Bytes& v, unsigned x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void put32(Bytes& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

Member memberOf(const std::string& method, const std::string& name, const Bytes& data) {
  Member m;
  m.method = method;
  m.name = name;
  m.packed = encodeAs(method, data);
  m.originalSize = static_cast<uint32_t>(data.size());
  m.crc = lha::crc16(data.data(), data.size());
  return m;
}

Bytes oldHeader(int level, const Member& m, const Bytes& ext) {
  size_t extBytes = ext.empty() ? 0 : ext.size() - 2;
  Bytes v = {0, 0};
  for (char c : m.method) v.push_back(static_cast<uint8_t>(c));
  put32(v, static_cast<uint32_t>(m.packed.size() + extBytes));
  put32(v, m.originalSize);
  put32(v, lha::unixToDosTime(m.mtime));
  v.push_back(level == 0 ? 0x21 : 0x20);
  v.push_back(static_cast<uint8_t>(level));
  v.push_back(static_cast<uint8_t>(m.name.size()));
  v.insert(v.end(), m.name.begin(), m.name.end());
  put16(v, m.crc);
  if (level == 1) {
    v.push_back('M');
    put16(v, ext.empty() ? 0 : ext[0] | ext[1] << 8);  // size of the first extended header
  }
  v[0] = static_cast<uint8_t>(v.size() - 2);
  unsigned sum = 0;
  for (size_t i = 2; i < v.size(); ++i) sum += v[i];
  v[1] = static_cast<uint8_t>(sum);
  if (!ext.empty()) v.insert(v.end(), ext.begin() + 2, ext.end());
  v.insert(v.end(), m.packed.begin(), m.packed.end());
  return v;
}

Bytes extChain(const ExtendedList& items) {
  Bytes v;
  for (const auto& [type, payload] : items) {
    put16(v, static_cast<unsigned>(payload.size() + 3));
    v.push_back(type);
    v.insert(v.end(), payload.begin(), payload.end());
  }
  put16(v, 0);
  return v;
}

Bytes newHeader(int level, const Member& m, const ExtendedList& extra) {
  bool wide = level == 3;
  auto putSize = [&](Bytes& v, size_t n) { wide ? put32(v, static_cast<uint32_t>(n)) : put16(v, static_cast<unsigned>(n)); };
  size_t sizeBytes = wide ? 4 : 2;
  Bytes v;
  put16(v, wide ? 4 : 0);  // level 3: the width of its size fields; level 2: total size, filled below
  v.insert(v.end(), m.method.begin(), m.method.end());
  put32(v, static_cast<uint32_t>(m.packed.size()));
  put32(v, m.originalSize);
  put32(v, m.mtime);
  v.push_back(0x20);
  v.push_back(static_cast<uint8_t>(level));
  put16(v, m.crc);
  v.push_back(wide ? '2' : 'U');  // OS/2 wrote level 3
  if (wide) put32(v, 0);  // total size, filled below
  ExtendedList all = {{0x00, std::string(2, '\0')}, {0x01, m.name}};
  all.insert(all.end(), extra.begin(), extra.end());
  size_t crcAt = v.size() + sizeBytes + 1;
  for (const auto& [type, payload] : all) {
    putSize(v, payload.size() + 1 + sizeBytes);
    v.push_back(type);
    v.insert(v.end(), payload.begin(), payload.end());
  }
  putSize(v, 0);
  if (!wide && (v.size() & 0xFF) == 0) v.push_back(0);
  size_t total = v.size();
  for (size_t i = 0; i < (wide ? 4u : 2u); ++i) v[(wide ? 24 : 0) + i] = static_cast<uint8_t>(total >> (8 * i));
  uint16_t hcrc = lha::crc16(v.data(), v.size());
  v[crcAt] = static_cast<uint8_t>(hcrc);
  v[crcAt + 1] = static_cast<uint8_t>(hcrc >> 8);
  v.insert(v.end(), m.packed.begin(), m.packed.end());
  return v;
}

Bytes packed(const std::string& name, const Bytes& data, lha::Method method) {
  lha::Entry e;
  e.name = name;
  e.mtime = 1600000000;
  return lha::packEntry(e, data.data(), data.size(), method);
}

Bytes packed(const std::string& name, const std::string& text) { return packed(name, Bytes(text.begin(), text.end())); }

Bytes archiveOf(const std::vector<Bytes>& entries) {
  Bytes a;
  for (const Bytes& e : entries) a.insert(a.end(), e.begin(), e.end());
  a.push_back(0);
  return a;
}

}  // namespace lhatest

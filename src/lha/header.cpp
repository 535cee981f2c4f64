#include "lha/header.h"

#include "lha/crc16.h"
#include "lha/sjis.h"

namespace lha {
namespace {

uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

void put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

// What the extended headers contributed.
struct Extended {
  std::string fileName, dirName;
  bool hasFileName = false;
  size_t headerCrcPos = 0;  // 0: none
};

// Walks a chain of extended headers from `pos` (the first type byte); each
// ends in the size of the next, in `sizeBytes` bytes (4 from level 3 on).
// Types not known here (other systems' owners, groups, comments) are skipped
// by their size. Returns the position after the chain, or 0 when a header
// does not fit.
size_t readExtended(const uint8_t* data, size_t limit, size_t pos, size_t size, size_t sizeBytes, Entry& e,
                    Extended& x) {
  while (size != 0) {
    if (size < 1 + sizeBytes || pos > limit || limit - pos < size) return 0;
    const uint8_t* p = data + pos + 1;
    size_t len = size - 1 - sizeBytes;
    switch (data[pos]) {
      case 0x00: if (len >= 2) x.headerCrcPos = pos + 1; break;
      case 0x01: x.fileName.assign(reinterpret_cast<const char*>(p), len); x.hasFileName = true; break;
      case 0x02: x.dirName.assign(reinterpret_cast<const char*>(p), len); break;
      case 0x40: if (len >= 1) e.dosAttributes = p[0]; break;
      case 0x50: if (len >= 2) e.unixMode = le16(p); break;
      case 0x54: if (len >= 4) e.mtime = static_cast<int64_t>(le32(p)); break;
      default: break;
    }
    pos += size;
    size = sizeBytes == 2 ? le16(data + pos - 2) : le32(data + pos - 4);
  }
  return pos;
}

std::string joinName(const std::string& base, const Extended& x, bool directory) {
  std::string dir = sjis::normaliseSeparators(x.dirName);
  if (!dir.empty() && !sjis::endsWithSeparator(dir)) dir += '/';
  std::string name = dir + sjis::normaliseSeparators(x.hasFileName ? x.fileName : base);
  if (directory && !name.empty() && !sjis::endsWithSeparator(name)) name += '/';
  return name;
}

HeaderStatus readLevel01(const uint8_t* data, size_t size, size_t off, Entry& e) {
  size_t base = size_t{data[off]} + 2;
  if (size - off < base || base < 24) return HeaderStatus::Corrupt;
  unsigned sum = 0;
  for (size_t i = off + 2; i < off + base; ++i) sum += data[i];
  if ((sum & 0xFF) != data[off + 1]) return HeaderStatus::Corrupt;
  size_t nameLen = data[off + 21];
  if (22 + nameLen + 2 > base) return HeaderStatus::Corrupt;
  std::string baseName(reinterpret_cast<const char*>(data + off + 22), nameLen);
  // Amiga and MorphOS archivers put a comment after the name, behind a NUL.
  baseName.resize(baseName.find('\0') == std::string::npos ? nameLen : baseName.find('\0'));
  e.crc = le16(data + off + 22 + nameLen);
  e.mtime = dosTimeToUnix(le32(data + off + 15));
  Extended x;
  size_t pos = off + base;
  if (e.level == 0) {
    e.dosAttributes = data[off + 19];
  } else {
    if (22 + nameLen + 2 + 1 + 2 > base) return HeaderStatus::Corrupt;
    e.osId = static_cast<char>(data[off + 24 + nameLen]);
    size_t end = readExtended(data, size, pos, le16(data + off + base - 2), 2, e, x);
    if (end == 0 || end - pos > e.packedSize) return HeaderStatus::Corrupt;
    e.packedSize -= end - pos;  // the size field of level 1 also counts the extended headers
    pos = end;
  }
  e.name = joinName(baseName, x, e.isDirectory());
  e.dataOffset = pos;
  return HeaderStatus::Ok;
}

// Level 2 counts its header and extended sizes in 16 bits; level 3 (OS/2
// archivers) in 32 bits, with the header size after the OS byte.
HeaderStatus readLevel23(const uint8_t* data, size_t size, size_t off, Entry& e) {
  bool wide = e.level == 3;
  size_t first = wide ? 32 : 26;  // where the first extended header starts
  if (size - off < first) return HeaderStatus::Corrupt;
  size_t total = wide ? le32(data + off + 24) : le16(data + off);
  if (total < first || size - off < total) return HeaderStatus::Corrupt;
  e.mtime = static_cast<int64_t>(le32(data + off + 15));
  e.crc = le16(data + off + 21);
  e.osId = static_cast<char>(data[off + 23]);
  Extended x;
  size_t firstSize = wide ? le32(data + off + 28) : le16(data + off + 24);
  if (readExtended(data, off + total, off + first, firstSize, wide ? 4 : 2, e, x) == 0) return HeaderStatus::Corrupt;
  if (x.headerCrcPos) {
    std::vector<uint8_t> copy(data + off, data + off + total);
    size_t at = x.headerCrcPos - off;
    copy[at] = copy[at + 1] = 0;
    if (crc16(copy.data(), copy.size()) != le16(data + x.headerCrcPos)) return HeaderStatus::Corrupt;
  }
  e.name = joinName(std::string(), x, e.isDirectory());
  e.dataOffset = off + total;
  return HeaderStatus::Ok;
}

void putExtended(std::vector<uint8_t>& v, uint8_t type, const std::string& payload) {
  put16(v, static_cast<unsigned>(payload.size() + 3));
  v.push_back(type);
  v.insert(v.end(), payload.begin(), payload.end());
}

int64_t daysFromCivil(int y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return int64_t{era} * 146097 + static_cast<int64_t>(doe) - 719468;
}

// MS-DOS tools padded files with end-of-file bytes (0x1A); that is no header.
bool onlyPadding(const uint8_t* data, size_t size, size_t offset) {
  for (size_t i = offset; i < size; ++i)
    if (data[i] != 0x1A && data[i] != 0) return false;
  return true;
}

}  // namespace

HeaderStatus readHeader(const uint8_t* data, size_t size, size_t offset, Entry& entry) {
  if (offset >= size || data[offset] == 0 || onlyPadding(data, size, offset)) return HeaderStatus::End;
  if (size - offset < 22) return HeaderStatus::Corrupt;
  Entry e;
  e.headerOffset = offset;
  e.methodText.assign(reinterpret_cast<const char*>(data + offset + 2), 5);
  e.method = parseMethod(e.methodText);
  e.packedSize = le32(data + offset + 7);
  e.originalSize = le32(data + offset + 11);
  e.level = data[offset + 20];
  HeaderStatus st;
  if (e.level == 0 || e.level == 1) {
    st = readLevel01(data, size, offset, e);
  } else if (e.level == 2 || e.level == 3) {
    st = readLevel23(data, size, offset, e);
  } else {
    st = HeaderStatus::Corrupt;
  }
  if (st != HeaderStatus::Ok) return st;
  if (e.dataOffset > size || size - e.dataOffset < e.packedSize) return HeaderStatus::Corrupt;
  entry = std::move(e);
  return HeaderStatus::Ok;
}

std::vector<uint8_t> writeHeaderLevel2(const Entry& e) {
  std::string dir, file = e.name;
  size_t slash = e.name.rfind('/');  // "/" is never a Shift-JIS trail byte
  if (slash != std::string::npos) {
    dir = e.name.substr(0, slash + 1);
    file = e.name.substr(slash + 1);
    for (char& c : dir)
      if (c == '/') c = static_cast<char>(0xFF);
  }
  std::vector<uint8_t> v;
  put16(v, 0);  // total size, filled below
  std::string id = methodId(e.method);
  v.insert(v.end(), id.begin(), id.end());
  put32(v, static_cast<uint32_t>(e.packedSize));
  put32(v, static_cast<uint32_t>(e.originalSize));
  put32(v, static_cast<uint32_t>(e.mtime));
  v.push_back(0x20);
  v.push_back(2);
  put16(v, e.crc);
  v.push_back(static_cast<uint8_t>(e.osId));
  putExtended(v, 0x00, std::string(2, '\0'));
  size_t crcPos = v.size() - 2;
  putExtended(v, 0x01, file);
  if (!dir.empty()) putExtended(v, 0x02, dir);
  if (e.dosAttributes != 0x20)  // the plain archive attribute is what readers assume
    putExtended(v, 0x40, std::string{static_cast<char>(e.dosAttributes), 0});
  if (e.unixMode) putExtended(v, 0x50, std::string{static_cast<char>(e.unixMode & 0xFF), static_cast<char>(e.unixMode >> 8)});
  put16(v, 0);
  // A header size with a zero low byte would read as the end marker.
  if ((v.size() & 0xFF) == 0) v.push_back(0);
  v[0] = static_cast<uint8_t>(v.size());
  v[1] = static_cast<uint8_t>(v.size() >> 8);
  uint16_t hcrc = crc16(v.data(), v.size());
  v[crcPos] = static_cast<uint8_t>(hcrc);
  v[crcPos + 1] = static_cast<uint8_t>(hcrc >> 8);
  return v;
}

int64_t dosTimeToUnix(uint32_t dos) {
  unsigned date = dos >> 16, time = dos & 0xFFFF;
  unsigned month = (date >> 5) & 15, day = date & 31;
  if (month < 1 || month > 12 || day < 1) return 0;
  int64_t days = daysFromCivil(1980 + static_cast<int>(date >> 9), month, day);
  return days * 86400 + (time >> 11) * 3600 + ((time >> 5) & 63) * 60 + (time & 31) * 2;
}

uint32_t unixToDosTime(int64_t t) {
  if (t < 315532800) t = 315532800;  // 1980-01-01, the earliest MS-DOS date
  int64_t days = t / 86400, secs = t % 86400;
  // Civil date from days since 1970 (proleptic Gregorian).
  int64_t z = days + 719468;
  int64_t era = z / 146097;
  unsigned doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t y = static_cast<int64_t>(yoe) + era * 400;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  unsigned d = doy - (153 * mp + 2) / 5 + 1;
  unsigned m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
  if (y > 2107) y = 2107;
  uint32_t date = static_cast<uint32_t>((y - 1980) << 9 | m << 5 | d);
  uint32_t time = static_cast<uint32_t>((secs / 3600) << 11 | ((secs / 60) % 60) << 5 | (secs % 60) / 2);
  return date << 16 | time;
}

}  // namespace lha

#include "lha/archive.h"

#include <cstdio>

#include "lha/crc16.h"
#include "lha/larc_decode.h"
#include "lha/lh1_decode.h"
#include "lha/lzh_decode.h"
#include "lha/lzh_encode.h"

namespace lha {
namespace {

class CrcSink : public ByteSink {
public:
  explicit CrcSink(ByteSink& next) : next_(next) {}
  bool write(const uint8_t* data, size_t size) override {
    crc.update(data, size);
    return next_.write(data, size);
  }
  Crc16 crc;

private:
  ByteSink& next_;
};

}  // namespace

bool listEntries(const uint8_t* archive, size_t size, std::vector<Entry>& entries) {
  entries.clear();
  size_t offset = 0;
  for (;;) {
    Entry e;
    HeaderStatus st = readHeader(archive, size, offset, e);
    if (st == HeaderStatus::End) return true;
    if (st == HeaderStatus::Corrupt) return false;
    offset = e.dataOffset + e.packedSize;
    entries.push_back(std::move(e));
  }
}

namespace {

DecodeStatus decodeEntry(const Entry& e, const uint8_t* packed, ByteSink& sink) {
  switch (e.method) {
    case Method::Lh1: return decodeLh1(packed, e.packedSize, e.originalSize, sink);
    case Method::Lzs: return decodeLzs(packed, e.packedSize, e.originalSize, sink);
    case Method::Lz5: return decodeLz5(packed, e.packedSize, e.originalSize, sink);
    default: return decodeLzh(dictionaryBits(e.method), packed, e.packedSize, e.originalSize, sink);
  }
}

}  // namespace

ExtractStatus extractEntry(const uint8_t* archive, size_t size, const Entry& e, ByteSink& out) {
  if (e.dataOffset > size || size - e.dataOffset < e.packedSize) return ExtractStatus::Corrupt;
  const uint8_t* packed = archive + e.dataOffset;
  CrcSink sink(out);
  switch (e.method) {
    case Method::Directory:
      return ExtractStatus::Ok;
    case Method::Unsupported:
      return ExtractStatus::Unsupported;
    case Method::Stored:
      if (e.packedSize != e.originalSize) return ExtractStatus::Corrupt;
      if (!sink.write(packed, e.packedSize)) return ExtractStatus::WriteFailed;
      break;
    default:
      switch (decodeEntry(e, packed, sink)) {
        case DecodeStatus::Ok: break;
        case DecodeStatus::Corrupt: return ExtractStatus::Corrupt;
        case DecodeStatus::WriteFailed: return ExtractStatus::WriteFailed;
      }
      break;
  }
  return sink.crc.value() == e.crc ? ExtractStatus::Ok : ExtractStatus::CrcMismatch;
}

std::vector<uint8_t> packEntry(Entry e, const uint8_t* data, size_t size, Method method) {
  std::vector<uint8_t> packed;
  if (method == Method::Lh5 || method == Method::Lh6 || method == Method::Lh7) {
    packed = encodeLzh(dictionaryBits(method), data, size);
    if (packed.size() >= size) method = Method::Stored;
  }
  if (method == Method::Stored) packed.assign(data, data + size);
  e.method = method;
  e.methodText = methodId(method);
  e.packedSize = packed.size();
  e.originalSize = size;
  e.crc = crc16(data, size);
  std::vector<uint8_t> out = writeHeaderLevel2(e);
  out.insert(out.end(), packed.begin(), packed.end());
  return out;
}

std::string listingText(const std::vector<Entry>& entries) {
  std::string text = "  Original    Packed  Ratio  Date       Time      Method CRC   Name\r\n"
                     "---------- --------- ------ ---------- --------  ------ ----  ----------\r\n";
  uint64_t original = 0, packed = 0;
  char line[128];
  for (const Entry& e : entries) {
    original += e.originalSize;
    packed += e.packedSize;
    uint32_t dos = unixToDosTime(e.mtime);
    unsigned date = dos >> 16, time = dos & 0xFFFF;
    double ratio = e.originalSize ? 100.0 * double(e.packedSize) / double(e.originalSize) : 0.0;
    std::snprintf(line, sizeof line, "%10llu %9llu %5.1f%% %04u-%02u-%02u %02u:%02u:%02u  %-6.5s %04X  ",
                  static_cast<unsigned long long>(e.originalSize), static_cast<unsigned long long>(e.packedSize),
                  ratio, 1980 + (date >> 9), (date >> 5) & 15, date & 31, time >> 11, (time >> 5) & 63,
                  (time & 31) * 2, e.methodText.c_str(), e.crc);
    text += line + e.name + "\r\n";
  }
  double ratio = original ? 100.0 * double(packed) / double(original) : 0.0;
  std::snprintf(line, sizeof line, "---------- --------- ------\r\n%10llu %9llu %5.1f%%  %zu files\r\n",
                static_cast<unsigned long long>(original), static_cast<unsigned long long>(packed), ratio,
                entries.size());
  return text + line;
}

}  // namespace lha

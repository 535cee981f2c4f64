#include "unlha32/entry_record.h"

#include <cstring>

#include "lha/archive.h"
#include "lha/entry_path.h"
#include "base/sjis.h"

namespace unlha {
namespace {

void put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
  put16(p, v & 0xFFFF);
  put16(p + 2, v >> 16);
}

void putText(uint8_t* p, size_t size, const std::string& s) {
  std::string cut = base::CutToBytes(s, size - 1);
  std::memcpy(p, cut.data(), cut.size());
}

std::string attributeText(const lha::Entry& e) {
  uint8_t a = e.dosAttributes;
  std::string s = "-----";
  if (a & 0x01) s[0] = 'R';
  if (a & 0x02) s[1] = 'H';
  if (a & 0x04) s[2] = 'S';
  if (e.isDirectory() || (a & 0x10)) s[3] = 'D';
  if (a & 0x20) s[4] = 'A';
  return s;
}

}  // namespace

void fillRecord(const lha::Entry& e, uint8_t* record) {
  std::memset(record, 0, kRecordSize);
  put32(record + 0, static_cast<uint32_t>(e.originalSize));
  put32(record + 4, static_cast<uint32_t>(e.packedSize));
  put32(record + 8, e.crc);
  put32(record + 16, static_cast<uint8_t>(e.osId));
  uint32_t ratio = e.originalSize ? static_cast<uint32_t>(e.packedSize * 1000 / e.originalSize) : 0;
  put16(record + 20, ratio > 0xFFFF ? 0xFFFF : ratio);
  uint32_t dos = lha::unixToDosTime(e.mtime);
  put16(record + 22, dos >> 16);
  put16(record + 24, dos & 0xFFFF);
  putText(record + kRecordNameOffset, kRecordNameSize, e.name);
  putText(record + 542, 8, attributeText(e));
  putText(record + 550, 8, e.methodText);
}

bool ArchiveListing::open(lha::FileSystem& fs, const std::string& path) {
  std::vector<uint8_t> bytes;
  if (!fs.readFile(path, bytes)) return false;
  std::vector<lha::Entry> all;
  if (!lha::listEntries(bytes.data(), bytes.size(), all)) return false;
  entries_.clear();
  for (lha::Entry& e : all)
    if (!e.isDirectory()) entries_.push_back(std::move(e));
  return true;
}

const lha::Entry* ArchiveListing::findFirst(const std::string& pattern) {
  pattern_ = pattern.empty() ? "*.*" : pattern;
  next_ = 0;
  return findNext();
}

const lha::Entry* ArchiveListing::findNext() {
  while (next_ < entries_.size()) {
    const lha::Entry& e = entries_[next_++];
    if (lha::matchesPattern(pattern_, e.name)) return &e;
  }
  return nullptr;
}

}  // namespace unlha

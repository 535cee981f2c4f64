// Damaged and hostile archives through the extraction path: an error result,
// nothing written outside the target, no partial file left behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "lha/archive.h"
#include "lha/archive_ops.h"
#include "lha/crc16.h"
#include "lha/posix_file_system.h"
#include "temp_dir.h"
#include "test_archives.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes textOf(size_t n) {
  std::string s;
  for (int i = 0; s.size() < n; ++i) s += "line " + std::to_string(i % 97) + " of the tune list\n";
  s.resize(n);
  return Bytes(s.begin(), s.end());
}

// The first entry of the archive below is "A.TXT", compressed; the header
// offsets used here are those of a level-2 header (sizes at 7 and 11, CRC at 21).
struct Corruption {
  const char* what;
  std::function<void(Bytes&)> apply;
};

void add32(Bytes& a, size_t at, int32_t delta) {
  uint32_t v = a[at] | a[at + 1] << 8 | a[at + 2] << 16 | uint32_t(a[at + 3]) << 24;
  v += static_cast<uint32_t>(delta);
  for (int i = 0; i < 4; ++i) a[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Makes the first (level-2) header's own CRC, at offset 27, agree with its edited bytes.
void fixHeaderCrc(Bytes& a) {
  size_t size = a[0] | a[1] << 8;
  a[27] = a[28] = 0;
  uint16_t crc = lha::crc16(a.data(), size);
  a[27] = static_cast<uint8_t>(crc);
  a[28] = static_cast<uint8_t>(crc >> 8);
}

class Extraction : public ::testing::Test {
protected:
  void SetUp() override {
    text_ = textOf(60000);
    good_ = lhatest::archiveOf({lhatest::packed("A.TXT", text_), lhatest::packed("SUB/B.TXT", textOf(3000), lha::Method::Lh7)});
  }

  lha::OpResult extract(const Bytes& archive, bool keepFolders = true) {
    writeBytes(dir_ / "arc.lzh", archive);
    lha::OpLog log;
    return ops_.extract(dir_ / "arc.lzh", dir_ / "out", {}, keepFolders, log);
  }

  std::vector<std::string> written() { return TempDir::filesBelow(dir_ / "out"); }

  TempDir dir_;
  lha::PosixFileSystem fs_;
  lha::ArchiveOps ops_{fs_};
  Bytes text_, good_;
};

TEST_F(Extraction, GoodArchiveExtractsExactly) {
  ASSERT_EQ(extract(good_), lha::OpResult::Ok);
  EXPECT_EQ(written(), (std::vector<std::string>{"A.TXT", "SUB/B.TXT"}));
  EXPECT_EQ(readBytes(dir_ / "out/A.TXT"), text_);
}

TEST_F(Extraction, DamageGivesAnErrorAndNoFile) {
  const Corruption cases[] = {
      {"cut inside the first header", [](Bytes& a) { a.resize(15); }},
      {"cut inside the packed data", [](Bytes& a) { a.resize(a.size() / 3); }},
      {"cut before the end marker", [](Bytes& a) { a.resize(a.size() - 40); }},
      {"packed size beyond the file", [](Bytes& a) { add32(a, 7, 1 << 20); }},
      {"original size too large", [](Bytes& a) { add32(a, 11, 1); }},
      {"original size too small", [](Bytes& a) { add32(a, 11, -500); }},
      {"data CRC wrong", [](Bytes& a) { a[21] ^= 0x5A; }},
      {"packed byte flipped", [](Bytes& a) { a[a[0] + 200] ^= 0x10; }},
      {"packed bytes zeroed", [](Bytes& a) { std::fill(a.begin() + a[0] + 2, a.begin() + a[0] + 60, 0); }},
  };
  for (const Corruption& c : cases) {
    Bytes bad = good_;
    c.apply(bad);
    // The header CRC would catch an edited field before anything else; these
    // cases are about what follows, so the header stays self-consistent.
    if (bad.size() > 30) fixHeaderCrc(bad);
    EXPECT_NE(extract(bad), lha::OpResult::Ok) << c.what;
    std::vector<std::string> files = written();
    EXPECT_TRUE(std::find(files.begin(), files.end(), "A.TXT") == files.end()) << c.what;
    for (const std::string& f : files) EXPECT_EQ(f, "SUB/B.TXT") << c.what << ": leftover";
    std::system(("rm -rf '" + (dir_ / "out") + "'").c_str());
  }
}

TEST_F(Extraction, FailedEntryKeepsTheOldFile) {
  Bytes bad = good_;
  bad[21] ^= 0x5A;  // data CRC of A.TXT: the entry decodes, then fails its check
  fixHeaderCrc(bad);
  ASSERT_TRUE(fs_.makeDirectories(dir_ / "out"));
  writeBytes(dir_ / "out/A.TXT", {'o', 'l', 'd'});
  EXPECT_EQ(extract(bad), lha::OpResult::BadData);
  EXPECT_EQ(readBytes(dir_ / "out/A.TXT"), (Bytes{'o', 'l', 'd'}));
}

TEST_F(Extraction, HostileNamesStayInsideTheTarget) {
  Bytes data = {'x'};
  const char* names[] = {"../ESCAPE1.TXT", "SUB/../../ESCAPE2.TXT", "/ABS.TXT", "C:/DRIVE.TXT",
                         "CON",            "DIR/nul.mid",          "A:B.TXT",  "..\\ESCAPE3.TXT"};
  std::vector<Bytes> entries;
  for (const char* n : names) entries.push_back(lhatest::packed(n, data, lha::Method::Stored));
  for (bool keep : {true, false}) {
    EXPECT_EQ(extract(lhatest::archiveOf(entries), keep), lha::OpResult::UnsafeName);
    EXPECT_EQ(TempDir::filesBelow(dir_.path()), (std::vector<std::string>{"arc.lzh", "out/ABS.TXT", "out/DRIVE.TXT"}));
    std::system(("rm -rf '" + (dir_ / "out") + "'").c_str());
  }
}

}  // namespace

// The library's command lines, output buffer and entry record, run against
// real files on the host (the Windows build only adds the export layer).
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lha/archive.h"
#include "lha/posix_file_system.h"
#include "temp_dir.h"
#include "test_archives.h"
#include "unlha32/command_line.h"
#include "unlha32/commands.h"
#include "unlha32/entry_record.h"

namespace {

struct ParseCase {
  const char* line;
  char command;
  const char* archive;
  const char* destination;
  std::vector<std::string> names;
  size_t switches;
};

TEST(CommandLine, Table) {
  const ParseCase cases[] = {
      {" e -m -n \"C:\\M\\SONGS.LZH\" \"C:\\TMP\\\" \"TUNE01.MID\" ", 'e', "C:\\M\\SONGS.LZH", "C:\\TMP\\", {"TUNE01.MID"}, 2},
      {" e -m \"A.LZH\" \"D\\\" \"*.*\" ", 'e', "A.LZH", "D\\", {"*.*"}, 1},
      {" d  -n \"A.LZH\" \"DIR/A.MID\" ", 'd', "A.LZH", "", {"DIR/A.MID"}, 1},
      {" a -m -n \"A.LZH\" \"C:\\POPM\\NEW.MID\" ", 'a', "A.LZH", "", {"C:\\POPM\\NEW.MID"}, 2},
      {" l -x1 \"C:\\表\\A.LZH\" ", 'l', "C:\\表\\A.LZH", "", {}, 1},
      // A folder whose last character ends in 0x5C is not a destination.
      {" e \"A.LZH\" \"C:\\表\" ", 'e', "A.LZH", "", {"C:\\表"}, 0},
      {" E \"A.LZH\" \"\" \"X.MID\" ", 'e', "A.LZH", "", {"X.MID"}, 0},
      {" e \"with blank.lzh\" ", 'e', "with blank.lzh", "", {}, 0},
  };
  for (const ParseCase& c : cases) {
    auto cl = unlha::parseCommandLine(c.line);
    ASSERT_TRUE(cl.has_value()) << c.line;
    EXPECT_EQ(cl->command, c.command) << c.line;
    EXPECT_EQ(cl->archive, c.archive) << c.line;
    EXPECT_EQ(cl->destination, c.destination) << c.line;
    EXPECT_EQ(cl->names, c.names) << c.line;
    EXPECT_EQ(cl->switches.size(), c.switches) << c.line;
  }
  for (const char* bad : {"", "   ", " e ", " e -m -n ", " extract \"A.LZH\" "})
    EXPECT_FALSE(unlha::parseCommandLine(bad).has_value()) << bad;
}

TEST(OutputBuffer, NeverWritesPastTheSizeGiven) {
  std::string text = "abc表def";
  for (uint32_t size : {0u, 1u, 3u, 4u, 5u, 6u, 20u}) {
    std::vector<char> buf(32, '#');
    unlha::copyToBuffer(text, buf.data(), size);
    for (size_t i = size; i < buf.size(); ++i) ASSERT_EQ(buf[i], '#') << "size " << size;
    if (size == 0) continue;
    std::string got(buf.data());
    EXPECT_LT(got.size(), size);
    EXPECT_EQ(text.compare(0, got.size(), got), 0);
  }
  std::vector<char> buf(5, '#');
  unlha::copyToBuffer(text, buf.data(), 5);
  EXPECT_STREQ(buf.data(), "abc") << "a double-byte character is not split";
  unlha::copyToBuffer(text, nullptr, 100);
}

TEST(EntryRecord, NameAtOffset26AndNothingBeyondTheRecord) {
  lha::Entry e;
  e.name = "DIR/A.MID";
  e.methodText = "-lh5-";
  e.method = lha::Method::Lh5;
  e.originalSize = 1000;
  e.packedSize = 250;
  std::vector<uint8_t> rec(unlha::kRecordSize + 16, 0xCC);
  unlha::fillRecord(e, rec.data());
  EXPECT_STREQ(reinterpret_cast<const char*>(rec.data() + 26), "DIR/A.MID");
  EXPECT_EQ(rec[0] | rec[1] << 8, 1000);
  EXPECT_EQ(rec[20] | rec[21] << 8, 250);  // per mille
  EXPECT_STREQ(reinterpret_cast<const char*>(rec.data() + 550), "-lh5-");
  for (size_t i = unlha::kRecordSize; i < rec.size(); ++i) EXPECT_EQ(rec[i], 0xCC);

  e.name = std::string(511, 'a') + "表";  // 513 bytes: the character does not fit
  unlha::fillRecord(e, rec.data());
  EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(rec.data() + 26)), 511u);
}

class Commands : public ::testing::Test {
protected:
  void SetUp() override {
    writeBytes(dir_ / "SONGS.LZH", lhatest::archiveOf({lhatest::packed("DIR/A.MID", "midi data"),
                                                       lhatest::packed("B.WAV", "wave data"),
                                                       lhatest::packed("曲.MID", "tune")}));
  }

  int run(const std::string& line) { return unlha::runCommand(fs_, line, output_); }
  std::string q(const std::string& s) { return " \"" + s + "\""; }
  std::vector<std::string> names() {
    unlha::ArchiveListing listing;
    std::vector<std::string> out;
    if (!listing.open(fs_, dir_ / "SONGS.LZH")) return out;
    for (auto* e = listing.findFirst("*.*"); e; e = listing.findNext()) out.push_back(e->name);
    return out;
  }

  TempDir dir_;
  lha::PosixFileSystem fs_;
  std::string output_;
};

TEST_F(Commands, ExtractOneEntryByItsBareName) {
  ASSERT_EQ(run(" e -m -n" + q(dir_ / "SONGS.LZH") + q(dir_ / "T/") + q("A.MID") + " "), 0) << output_;
  EXPECT_EQ(TempDir::filesBelow(dir_ / "T"), (std::vector<std::string>{"A.MID"}));
  EXPECT_EQ(readBytes(dir_ / "T/A.MID"), (std::vector<uint8_t>{'m', 'i', 'd', 'i', ' ', 'd', 'a', 't', 'a'}));
}

TEST_F(Commands, ExtractAllFlattensFolders) {
  ASSERT_EQ(run(" e -m -n" + q(dir_ / "SONGS.LZH") + q(dir_ / "T/") + q("*.*") + " "), 0) << output_;
  EXPECT_EQ(TempDir::filesBelow(dir_ / "T"), (std::vector<std::string>{"A.MID", "B.WAV", "曲.MID"}));
}

TEST_F(Commands, MissingEntryOrArchiveFails) {
  EXPECT_EQ(run(" e -m -n" + q(dir_ / "SONGS.LZH") + q(dir_ / "T/") + q("NONE.MID") + " "), unlha::kErrorNoMatch);
  EXPECT_EQ(run(" e -m -n" + q(dir_ / "NONE.LZH") + q(dir_ / "T/") + q("*.*") + " "), unlha::kErrorNoArchive);
  EXPECT_EQ(run(" d -n" + q(dir_ / "SONGS.LZH") + " "), unlha::kErrorCommandLine) << "no name: nothing deleted";
  EXPECT_EQ(names().size(), 3u);
}

TEST_F(Commands, DeleteThenAddReplacesByName) {
  ASSERT_EQ(run(" d -n" + q(dir_ / "SONGS.LZH") + q("B.WAV") + " "), 0) << output_;
  EXPECT_EQ(names(), (std::vector<std::string>{"DIR/A.MID", "曲.MID"}));

  ASSERT_TRUE(fs_.makeDirectories(dir_ / "POPM"));
  writeBytes(dir_ / "POPM/曲.MID", {'n', 'e', 'w'});
  writeBytes(dir_ / "POPM/C.MID", {'c'});
  ASSERT_EQ(run(" a -m -n" + q(dir_ / "SONGS.LZH") + q(dir_ / "POPM/曲.MID") + " "), 0) << output_;
  ASSERT_EQ(run(" a" + q(dir_ / "SONGS.LZH") + q(dir_ / "POPM/C.MID") + " "), 0) << output_;
  EXPECT_EQ(names(), (std::vector<std::string>{"DIR/A.MID", "曲.MID", "C.MID"}));
  ASSERT_EQ(run(" e -m -n" + q(dir_ / "SONGS.LZH") + q(dir_ / "T/") + q("曲.MID") + " "), 0);
  EXPECT_EQ(readBytes(dir_ / "T/曲.MID"), (std::vector<uint8_t>{'n', 'e', 'w'}));
}

TEST_F(Commands, AddCreatesTheArchive) {
  writeBytes(dir_ / "X.MID", std::vector<uint8_t>(5000, 'x'));
  ASSERT_EQ(run(" a" + q(dir_ / "NEW.LZH") + q(dir_ / "X.MID") + " "), 0) << output_;
  ASSERT_EQ(run(" t" + q(dir_ / "NEW.LZH")), 0) << output_;
  EXPECT_EQ(run(" a" + q(dir_ / "NEW.LZH") + q(dir_ / "MISSING.MID") + " "), unlha::kErrorReadFile);
}

TEST_F(Commands, ListingNamesEveryEntry) {
  ASSERT_EQ(run(" l -x1" + q(dir_ / "SONGS.LZH") + " "), 0);
  for (const char* n : {"DIR/A.MID", "B.WAV", "曲.MID", "-lh"}) EXPECT_NE(output_.find(n), std::string::npos) << n;
}

TEST_F(Commands, ListingSkipsFoldersAndFollowsPatterns) {
  unlha::ArchiveListing listing;
  ASSERT_TRUE(listing.open(fs_, dir_ / "SONGS.LZH"));
  const lha::Entry* e = listing.findFirst("*.WAV");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->name, "B.WAV");
  EXPECT_EQ(listing.findNext(), nullptr);
  EXPECT_NE(listing.findFirst("a.mid"), nullptr);
  EXPECT_FALSE(listing.open(fs_, dir_ / "NONE.LZH"));
}

}  // namespace

// The archive library's contract as the player uses it, with the project's own LHA code behind
// it on the fake file system, and with the library missing.
#include "archive/archive_access.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/lha_unlha.h"

namespace {

using Names = std::vector<std::string>;

struct ArchiveAccessTest : ::testing::Test {
  ArchiveAccessTest() {
    S.TitlePrefix = "Zelcor32 ";
    S.IdleTitle = "Zelcor32 B-G-M";
    S.TempFolder = "C:\\Z\\LZH_TEMP\\";
    S.PopFolder = "C:\\Z\\LZH_POPM\\";
    fs.addFolder(S.TempFolder);
    fs.addFolder(S.PopFolder);
    fakes::MakeArchive(fs, kSongs, {{"DIR/A.MID", "MThd"}, {"B.WAV", "RIFF-b"}, {"C.WAV", "RIFF-c"}});
    access.setLibrary(&library);
  }
  static constexpr const char* kSongs = "C:\\M\\SONGS.LZH";
  fakes::FakeFileSystem fs;
  fakes::LhaUnlhaLoader library{fs};
  core::SharedState S;
  bool shownNormally = true;
  Names titles;
  std::uint64_t nowMs = 0;  // each message pass takes 50 ms
  archive::ArchiveAccess access{S, fs, {[this] { nowMs += 50; }, [this] { return shownNormally; },
                                        [this](const std::string& t) { titles.push_back(t); },
                                        [this] { return nowMs; }}};
};

TEST_F(ArchiveAccessTest, ListsEntriesWithoutTheirFolders) {
  Names names;
  ASSERT_TRUE(access.ListArchiveEntries(kSongs, names));
  EXPECT_EQ(names, (Names{"A.MID", "B.WAV", "C.WAV"}));
  EXPECT_FALSE(access.ListArchiveEntries("C:\\M\\NONE.LZH", names));
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(library.loaded, 0);
}

TEST_F(ArchiveAccessTest, ProgressSwitchUnlessTheWindowIsShownAndAsked) {
  struct Case {
    bool vout, shown, withN;
  } cases[] = {{false, true, true}, {true, false, true}, {true, true, false}};
  for (const Case& c : cases) {
    S.settings.showExtractWindow = c.vout;
    shownNormally = c.shown;
    library.commandLines.clear();
    EXPECT_TRUE(access.ExtractToFolder(kSongs, "B.WAV", "C:\\OUT\\"));
    EXPECT_TRUE(access.ExtractForPlay(kSongs, "C.WAV"));
    EXPECT_TRUE(access.DeleteArchiveEntry(kSongs, "C.WAV"));
    fakes::MakeArchive(fs, kSongs, {{"B.WAV", "RIFF-b"}, {"C.WAV", "RIFF-c"}});
    ASSERT_EQ(library.commandLines.size(), 3u);
    for (const std::string& line : library.commandLines)
      EXPECT_EQ(line.find(" -n ") != std::string::npos, c.withN) << line;
  }
  EXPECT_EQ(library.commandLines[0], " e -m \"C:\\M\\SONGS.LZH\" \"C:\\OUT\\\" \"B.WAV\" ");
  EXPECT_EQ(library.commandLines[2], " d  \"C:\\M\\SONGS.LZH\" \"C.WAV\" ");
  EXPECT_EQ(fs.contents("C:\\OUT\\B.WAV"), "RIFF-b");
}

TEST_F(ArchiveAccessTest, MissingLibraryOrEntryPointFailsSilently) {
  for (const std::string missing : {"*", "Unlha", "UnlhaGetRunning", "UnlhaFindNext"}) {
    library.libraryMissing = missing == "*";
    library.missingEntryPoint = missing;
    Names names;
    EXPECT_FALSE(access.ListArchiveEntries(kSongs, names)) << missing;
    if (missing != "UnlhaFindNext") {
      EXPECT_FALSE(access.ExtractToFolder(kSongs, "*.*", "C:\\OUT\\")) << missing;
    }
    EXPECT_FALSE(S.run.BusyArchive);
  }
  EXPECT_TRUE(library.commandLines.empty());
  EXPECT_FALSE(fs.folderExists("C:\\OUT"));
  EXPECT_EQ(library.loaded, 0);
}

TEST_F(ArchiveAccessTest, PlayExtractionKeepsOnlyTheLatestFileWithK8) {
  for (bool k8 : {true, false}) {
    S.settings.deleteExtracted = k8;
    titles.clear();
    ASSERT_TRUE(access.ExtractForPlay(kSongs, "B.WAV"));
    ASSERT_TRUE(access.ExtractForPlay(kSongs, "C.WAV"));
    EXPECT_EQ(fs.fileExists(S.TempFolder + "B.WAV"), !k8);
    EXPECT_EQ(fs.contents(S.TempFolder + "C.WAV"), "RIFF-c");
    EXPECT_EQ(S.LastExtractedFile, S.TempFolder + "C.WAV");
    EXPECT_EQ(titles, (Names{"Zelcor32 B.WAV (解凍中)", "Zelcor32 B-G-M", "Zelcor32 C.WAV (解凍中)", "Zelcor32 B-G-M"}));
  }
  EXPECT_FALSE(access.ExtractForPlay(kSongs, "NONE.WAV"));
  EXPECT_TRUE(S.LastExtractedFile.empty());
  // A file another program holds open (here: read-only) is given up after a while, not waited
  // for forever, and the next entry still comes.
  S.settings.deleteExtracted = true;
  ASSERT_TRUE(access.ExtractForPlay(kSongs, "C.WAV"));
  fs.setAttributes(S.TempFolder + "C.WAV", platform::kAttrReadOnly);
  nowMs = 0;
  EXPECT_TRUE(access.ExtractForPlay(kSongs, "B.WAV"));
  EXPECT_TRUE(fs.fileExists(S.TempFolder + "C.WAV"));
  EXPECT_EQ(fs.contents(S.TempFolder + "B.WAV"), "RIFF-b");
  EXPECT_GE(nowMs, 3000u);
  EXPECT_LE(nowMs, 3100u);
}

TEST_F(ArchiveAccessTest, UnsafeEntryNamesNeverLeaveTheWorkingFolder) {
  fakes::MakeArchive(fs, "C:\\M\\BAD.LZH", {{"../../EVIL.WAV", "x"}, {"C:/WINDOWS/EVIL2.WAV", "y"}});
  for (const std::string entry : {"EVIL.WAV", "EVIL2.WAV"}) {
    access.ExtractForPlay("C:\\M\\BAD.LZH", entry);
    EXPECT_FALSE(fs.fileExists("C:\\EVIL.WAV"));
    EXPECT_FALSE(fs.fileExists("C:\\Z\\EVIL.WAV"));
    EXPECT_FALSE(fs.fileExists("C:\\WINDOWS\\EVIL2.WAV"));
  }
}

TEST_F(ArchiveAccessTest, RenameRefusesFolderEntriesAndTakenNames) {
  const auto before = fs.contents(kSongs);
  fs.writeAtomic(S.PopFolder + "X.MID", "MThd");
  EXPECT_FALSE(access.RenameArchiveEntry(kSongs, "A.MID", "X.MID"));  // stored in DIR/
  EXPECT_FALSE(access.RenameArchiveEntry(kSongs, "B.WAV", "C.WAV"));  // the name is taken
  EXPECT_EQ(fs.contents(kSongs), before);
  fs.writeAtomic(S.PopFolder + "D.WAV", "RIFF-b");
  EXPECT_TRUE(access.RenameArchiveEntry(kSongs, "B.WAV", "D.WAV"));
  Names names;
  access.ListArchiveEntries(kSongs, names);
  EXPECT_EQ(names, (Names{"A.MID", "C.WAV", "D.WAV"}));
}

}  // namespace

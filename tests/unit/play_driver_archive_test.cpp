// Playing from LZH archives: an archive entry of a memory and an archive reference play entry
// by entry, each extracted to LZH_TEMP first, in every mode.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/lha_unlha.h"
#include "playback_fixture.h"

namespace {

using Names = std::vector<std::string>;

struct DriverArchiveTest : PlaybackTest {
  const std::string songs = "C:\\MUSIC\\SONGS.LZH";
  std::string temp;
  void SetUp() override {
    startPlayer();
    temp = window->S.TempFolder;
    fakes::MakeArchive(fs, songs, {{"X.WAV", "RIFF-x"}, {"DIR/Y.WAV", "RIFF-y"}, {"Z.WAV", "RIFF-z"}});
    for (const char* name : {"X.WAV", "Y.WAV", "Z.WAV"}) mci.addTune(temp + name, 1000);
    for (const char* name : {"a.wav", "b.wav"}) {
      fs.addFile(path(name), "RIFF");
      mci.addTune(path(name), 1000);
    }
    window->memoryViewShown = true;
    endless(false);
    window->S.settings.namesOnly = false;
    window->S.settings.stopAtArchiveEnd = false;
  }
  void memory(const Names& rows) {
    window->ListBox2.setItems(rows);
    window->ListBox2.tag = 0;
    window->Player().rebuildMemoryPool();
  }
};

TEST_F(DriverArchiveTest, ContinuousAndReversePlayEveryEntryInPlaceAndRecordTheReference) {
  struct Case {
    int mode;
    bool stopAtEnd;
    Names expected;
  } cases[] = {
      {0, false, {"a.wav", "X.WAV", "Y.WAV", "Z.WAV", "b.wav", "Y.WAV"}},
      {0, true, {"a.wav", "X.WAV", "Y.WAV", "Z.WAV"}},
      {1, false, {"a.wav"}},
  };
  for (const Case& c : cases) {
    mci.played.clear();
    window->history.kept.clear();
    memory({path("a.wav"), songs, path("b.wav"), "/" + songs + "/Y.WAV"});
    mode(c.mode);
    window->S.settings.stopAtArchiveEnd = c.stopAtEnd;
    play();
    runToIdle();
    EXPECT_EQ(playedNames(), c.expected) << "mode " << c.mode << " stop at end " << c.stopAtEnd;
    EXPECT_FALSE(window->S.run.InArchive);
  }
  mci.played.clear();
  window->history.kept.clear();
  memory({songs});
  mode(1);
  play();
  runToIdle();
  EXPECT_EQ(playedNames(), (Names{"Z.WAV", "Y.WAV", "X.WAV"}));
  EXPECT_EQ(window->history.kept, (Names{"/" + songs + "/Z.WAV", "/" + songs + "/Y.WAV", "/" + songs + "/X.WAV"}));
}

TEST_F(DriverArchiveTest, RandomPlaysEachEntryOnceWithTheArchiveAsOnePoolEntry) {
  for (int run = 0; run < 5; ++run) {
    mci.played.clear();
    memory({path("a.wav"), songs, path("b.wav")});
    mode(3);
    play();
    runToIdle();
    Names played = playedNames();
    std::sort(played.begin(), played.end());
    EXPECT_EQ(played, (Names{"X.WAV", "Y.WAV", "Z.WAV", "a.wav", "b.wav"})) << "run " << run;
  }
}

TEST_F(DriverArchiveTest, ExtractedFilesStayOnlyWithoutK8AndUnreadableArchivesAreSkipped) {
  fs.addFile("C:\\MUSIC\\BROKEN.LZH", "not an archive");
  for (bool k8 : {true, false}) {
    mci.played.clear();
    window->S.settings.deleteExtracted = k8;
    for (const char* name : {"X.WAV", "Y.WAV", "Z.WAV"}) fs.removeFile(temp + name);
    memory({"C:\\MUSIC\\BROKEN.LZH", songs, "/C:\\MUSIC\\NONE.LZH/X.WAV"});
    mode(0);
    play();
    runToIdle();
    EXPECT_EQ(playedNames(), (Names{"X.WAV", "Y.WAV", "Z.WAV"}));
    EXPECT_EQ(fs.list(temp, "*.*").size(), k8 ? 1u : 3u) << "K8 " << k8;
  }
}

TEST_F(DriverArchiveTest, TheArchivesVolumeLineGivesOneValuePerEntry) {
  struct Case {
    std::string row, line;
    Names expected;
  } cases[] = {
      {songs, "/10/20/", {"10", "20", ""}},
      {songs, "/1/2/3/4/", {"1", "2", "3"}},
      {"/" + songs + "/Y.WAV", "7", {"7"}},
  };
  for (const Case& c : cases) {
    memory({c.row});
    window->ListBoxVM.setItems({c.line});
    mode(0);
    play();
    runToIdle();
    EXPECT_EQ(window->ListBoxVL.items(), c.expected) << c.line;
  }
}

}  // namespace

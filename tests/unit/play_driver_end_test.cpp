// How a run ends: the end-of-play count-down and close, and the endless run that finds
// nothing it can play.
#include <gtest/gtest.h>

#include <algorithm>

#include "playback_fixture.h"

namespace {

using Names = std::vector<std::string>;

// The end-of-play actions belong to the main window: these run on it.
struct DriverEndTest : WindowPlaybackTest {
  // Captions of the end-count menu item, sampled whenever a tune starts.
  Names captionsPerTune(std::size_t limit) {
    Names captions;
    std::size_t seen = 0;
    const auto begin = loop.nowMs();
    while (!window->closed() && loop.nowMs() - begin < 120000) {
      loop.advance(10);
      if (mci.played.size() > seen) {
        seen = mci.played.size();
        captions.push_back(window->menu("ME_kosu").caption());
        if (seen > limit) break;
      }
    }
    return captions;
  }
};

TEST_F(DriverEndTest, EndCountCountsDownAndClosesAfterTheLastTune) {
  startPlayer();
  showFolder({{"a.wav", 1000}, {"b.wav", 1000}});
  window->menu("ME_kosu3").click();
  window->menu("ME_AUTO_OFF").click();
  play();
  EXPECT_EQ(captionsPerTune(5), (Names{"終了曲数 のこり 3 曲(&P)", "終了曲数 のこり 2 曲(&P)", "終了曲数 のこり 1 曲(&P)"}));
  EXPECT_TRUE(window->closed());
  EXPECT_TRUE(window->S.run.CloseAfterPlay);
  EXPECT_EQ(playedNames(), (Names{"a.wav", "b.wav", "a.wav"})) << "the count goes on past the list end";
  EXPECT_EQ(mci.openCount(), 0);
  EXPECT_TRUE(power.exitCalls.empty());
}

// Count 0 closes at the first end of the list, a random run when its pool runs out, and a
// stored choice out of range counts the "Set" number.
struct EndAfterTest : DriverEndTest, testing::WithParamInterface<std::tuple<int, bool, std::size_t>> {};

TEST_P(EndAfterTest, ClosesAfterTheLastCountedTune) {
  const auto [playMode, storedOutOfRange, expected] = GetParam();
  if (storedOutOfRange) {
    set("End_Kosu_index", "15");
    set("End_Kosu_Set", "2");
  }
  startPlayer();
  showFolder({{"a.wav", 1000}, {"b.wav", 1000}, {"c.wav", 1000}});
  endless(true);
  mode(playMode);
  window->menu("ME_AUTO_OFF").click();
  play();
  runToIdle();
  EXPECT_TRUE(window->closed());
  const Names folder{"a.wav", "b.wav", "c.wav"};
  Names got = playedNames();
  if (playMode == 3) std::sort(got.begin(), got.end());  // each once, in any order
  EXPECT_EQ(got, Names(folder.begin(), folder.begin() + expected));
}

INSTANTIATE_TEST_SUITE_P(CountZeroRandomAndStoredSet, EndAfterTest,
                         testing::Values(std::tuple{0, false, 3u}, std::tuple{3, false, 3u}, std::tuple{0, true, 2u}));

TEST_F(DriverEndTest, EndlessRunOverUnplayableFilesEndsWithAMessageAfterTheSecondWrap) {
  for (int m : {0, 1, 2}) {
    SCOPED_TRACE(m);
    messages.clear();
    if (!window) startPlayer();
    showFolder({{"x.wav", -1}, {"y.wav", -1}});
    endless(true);
    mode(m);
    const auto opensBefore = mci.commands.size();
    play();
    runToIdle(120000);
    ASSERT_TRUE(idle());
    EXPECT_EQ(messages, Names{"再生対象データがありません・・・"});
    int opens = 0;
    for (auto i = opensBefore; i < mci.commands.size(); ++i) opens += mci.commands[i].rfind("Open ", 0) == 0;
    // Continuous: x y | x y |; reverse from the first item wraps at once: x | y x |; single: x | x |.
    const int expectedOpens[] = {4, 3, 2};
    EXPECT_EQ(opens, expectedOpens[m]);
  }
}

}  // namespace

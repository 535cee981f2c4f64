// The play driver's order of play: continuous, reverse, single and random, with and
// without endless, skip and back, and the double-click play.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "memory/memory_lists.h"
#include "playback_fixture.h"

namespace {

using Names = std::vector<std::string>;

template <class Base>
struct DriverModes : Base {
  void SetUp() override {
    this->startPlayer();
    this->showFolder({{"a.wav", 1000}, {"b.wav", 1000}, {"c.wav", 1000}});
  }
  std::vector<std::string>& poolRD() { return this->window->Player().driver.filePool; }
};
using DriverModesTest = DriverModes<PlaybackTest>;
// Where the play driver meets the memory view and the memory lists.
using DriverModesWindowTest = DriverModes<WindowPlaybackTest>;

TEST_F(DriverModesTest, ContinuousAndReverseStopAtTheEndOrWrapWhenEndless) {
  struct Case {
    int mode;
    bool endless;
    std::size_t tunes;
    Names expected;
  } cases[] = {
      {0, false, 3, {"a.wav", "b.wav", "c.wav"}},
      {0, true, 5, {"a.wav", "b.wav", "c.wav", "a.wav", "b.wav"}},
      {1, false, 1, {"a.wav"}},
      {1, true, 4, {"a.wav", "c.wav", "b.wav", "a.wav"}},
  };
  for (const Case& c : cases) {
    mci.played.clear();
    window->ListBox4.tag = 0;
    mode(c.mode);
    endless(c.endless);
    play();
    if (c.endless) {
      runUntilPlayed(c.tunes);
      window->Button5.click();
    }
    runToIdle();
    EXPECT_EQ(playedNames(), c.expected) << "mode " << c.mode << " endless " << c.endless;
    EXPECT_EQ(window->caption(), "Zelcor32 B-G-M");
  }
}

TEST_F(DriverModesTest, BackGoesAgainstTheModeAndSkipWithIt) {
  struct Case {
    int mode;
    bool back;
    Names expected;  // while b.wav plays, back or skip
  } cases[] = {
      {0, true, {"b.wav", "a.wav"}},
      {0, false, {"b.wav", "c.wav"}},
      {1, true, {"b.wav", "c.wav"}},
      {1, false, {"b.wav", "a.wav"}},
      {2, true, {"b.wav", "b.wav"}},
  };
  endless(true);
  for (const Case& c : cases) {
    mci.played.clear();
    mode(c.mode);
    window->ListBox4.tag = 1;
    play();
    runUntilPlayed(1);
    loop.advance(300);
    (c.back ? window->Button3 : window->Button10).click();
    runUntilPlayed(2, 3000);
    window->Button5.click();
    runToIdle();
    EXPECT_EQ(playedNames(), c.expected) << "mode " << c.mode << (c.back ? " back" : " skip");
  }
}

TEST_F(DriverModesTest, SingleModePlaysOneTuneOrRepeatsItWhenEndless) {
  mode(2);
  endless(false);
  window->ListBox4.tag = 2;
  play();
  runToIdle();
  EXPECT_EQ(playedNames(), Names{"c.wav"});
  endless(true);
  play();
  runUntilPlayed(4);
  window->Button5.click();
  runToIdle();
  EXPECT_EQ(playedNames(), Names(4, "c.wav"));
}

TEST_F(DriverModesWindowTest, SingleModePlaysFromTheListClickedLastNotFromTheView) {
  endless(false);
  mode(2);
  for (const char* p : {"D:\\X\\m.wav", "D:\\X\\t.wav"}) {
    fs.addFile(p, "RIFF");
    mci.addTune(p, 300);
  }
  window->Button9.click();  // the memory view
  window->ListBox2.setItems({"D:\\X\\m.wav"});
  window->ListBox6.setItems({"D:\\X\\t.wav"});
  const std::pair<ui::ListBox*, std::string> cases[] = {
      {&window->ListBox6, "D:\\X\\t.wav"}, {&window->ListBox4, path("a.wav")}, {&window->ListBox2, "D:\\X\\m.wav"}};
  for (auto& [clicked, expected] : cases) {
    clicked->userSelect(0);
    play();
    runToIdle();
    ASSERT_FALSE(mci.played.empty());
    EXPECT_EQ(mci.played.back(), expected);
  }
  EXPECT_EQ(mci.played.size(), 3u);
}

TEST_F(DriverModesTest, DoubleClickPlaysThatItemAloneAndRestoresTheMode) {
  endless(true);
  mode(0);
  window->ListBox4.setItemIndex(1);
  window->ListBox4.onDoubleClick();
  runUntilPlayed(1);
  EXPECT_EQ(window->RadioGroup1.itemIndex(), 2);
  runUntilPlayed(2);
  window->Button5.click();
  runToIdle();
  EXPECT_EQ(playedNames(), (Names{"b.wav", "b.wav"}));
  EXPECT_EQ(window->RadioGroup1.itemIndex(), 0);
  EXPECT_EQ(window->Player().st.PlayModeStep, playback::kContinuous);
}

TEST_F(DriverModesTest, RandomWithoutEndlessPlaysEachItemOnceThenStopsWithTheFullPool) {
  showFolder({{"a.wav", 500}, {"b.wav", 500}, {"c.wav", 500}, {"d.wav", 500}, {"e.wav", 500}});
  endless(false);
  mode(3);
  poolRD().clear();  // the first run starts on an empty pool: it plays the fresh one
  for (int run = 0; run < 2; ++run) {
    mci.played.clear();
    play();
    runToIdle();
    Names got = playedNames();
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (Names{"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"})) << "run " << run;
    EXPECT_EQ(std::ssize(poolRD()), 5);
  }
}

TEST_F(DriverModesTest, RandomDiscardsPoolEntriesBeyondTheListAndBackDrawsAnew) {
  endless(false);
  mode(3);
  poolRD() = {"7", "1", "12", "2/5/6/"};
  play();
  runToIdle();
  Names got = playedNames();
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (Names{"b.wav", "c.wav"})) << "the composite entry stands for its head index";
  mci.played.clear();
  endless(true);
  play();
  runUntilPlayed(1);
  window->Button3.click();
  runUntilPlayed(2, 3000);
  window->Button5.click();
  runToIdle();
  EXPECT_EQ(mci.played.size(), 2u);
  EXPECT_EQ(std::ssize(poolRD()), 1) << "two draws from the fresh pool of three";
}

TEST_F(DriverModesWindowTest, ABulkAddRestartsOnlyThePoolOfARandomRunOnTheMemory) {
  showFolder({{"a.wav", 60000}, {"b.wav", 60000}, {"c.wav", 60000}});
  endless(true);
  window->Button9.click();
  auto& poolRM = window->Memory->RandomPool;
  for (int m : {0, 3}) {
    SCOPED_TRACE(m);
    window->ListBox2.setItems({path("a.wav")});
    mode(m);
    play();
    runUntilPlayed(mci.played.size() + 1);
    poolRM = {"7"};
    poolRD() = {"7"};
    window->Button7.click();  // adds the folder's three tunes to the memory
    ASSERT_EQ(window->ListBox2.count(), 4);
    EXPECT_EQ(poolRM, m == 3 ? (Names{"0", "1", "2", "3"}) : Names{"7"});
    if (m == 0) {
      EXPECT_EQ(poolRD(), Names{"7"}) << "no random run: the folder pool stays";
    }
    window->Button5.click();
    runToIdle();
  }
}

TEST_F(DriverModesWindowTest, PlaysTheMemoryListInTheMemoryView) {
  endless(false);
  window->Button11.setVisible(true);
  window->S.settings.currentMemory = "MINE";
  fs.addFile("D:\\X\\m.wav", "RIFF");
  mci.addTune("D:\\X\\m.wav", 300);
  window->ListBox2.setItems({"D:\\X\\m.wav"});
  window->ListBox2.tag = 0;
  play();
  runToIdle();
  EXPECT_EQ(mci.played, Names{"D:\\X\\m.wav"});
}

TEST_F(DriverModesTest, ExtensionCheckSkipsDisabledKindsAndCdOrArchiveEntries) {
  showFolder({{"a.wav", 300}, {"b.mid", 300}, {"c.xyz", 300}, {"d.lzh", 300}, {"e.cda", 300}});
  endless(false);
  window->S.settings.followExtensionsInPlay = true;
  window->ExtensionBoxes[0]->setChecked(true);
  window->ExtensionBoxes[1]->setChecked(false);
  play();
  runToIdle();
  EXPECT_EQ(playedNames(), Names{"a.wav"});
  mci.played.clear();
  window->S.settings.followExtensionsInPlay = false;
  window->ListBox4.tag = 0;
  play();
  runToIdle();
  EXPECT_EQ(playedNames(), (Names{"a.wav", "b.mid", "c.xyz"}));
}

}  // namespace

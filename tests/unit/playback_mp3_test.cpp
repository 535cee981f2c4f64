// MP3 through the media player component: start, poll, end, stop, pause, seek, and the
// tunes the component cannot play, which the run skips without a word.
#include <gtest/gtest.h>

#include "fakes/fake_media_player.h"
#include "playback_fixture.h"

namespace {

using Names = std::vector<std::string>;
using B = fakes::FakeMediaPlayer::Behaviour;

template <class Base>
struct Mp3 : Base {
  using Base::loop;
  using Base::window;
  fakes::FakeMediaPlayer media{loop};

  // mp3Off: "MP3" turned the component off at start-up.
  auto& startWithComponent(bool mp3Off = false) {
    this->startPlayer();
    window->S.settings.mp3WithoutPlayer = mp3Off;
    window->Player().setMediaPlayer(&media);
    window->Player().mp3.decideAtStart();
    this->endless(false);
    return *window;
  }
  // An MP3 in the folder that only the component knows.
  std::pair<std::string, int> mp3(const std::string& name, double seconds, B b = B::Plays) {
    media.addFile(this->path(name), seconds, b);
    return {name, -1};
  }
  ui::ScrollBar& bar() { return this->template control<ui::ScrollBar>("ScrollBar_MP3"); }
  bool mp3Playing() { return window->Timer_MP3_LOOP.enabled() && media.playing(); }
  void runUntilMp3Plays() {
    const auto begin = loop.nowMs();
    while (!mp3Playing() && loop.nowMs() - begin < 10000) loop.advance(10);
    ASSERT_TRUE(mp3Playing());
  }
};
struct Mp3Test : Mp3<PlaybackTest> {
  Names history() const { return window->history.kept; }
};
// Closing is the main window's.
using Mp3WindowTest = Mp3<WindowPlaybackTest>;

TEST_F(Mp3Test, StopRequestDuringAnMp3EndsTheRunWithinOnePoll) {
  startWithComponent();
  showFolder({mp3("long.mp3", 180), {"next.wav", 1000}});
  play();
  runUntilMp3Plays();
  loop.advance(10000);
  window->Button5.click();
  const auto took = runToIdle();
  EXPECT_LE(took, 1050u);
  EXPECT_FALSE(media.playing());
  EXPECT_FALSE(window->Panel_MP3.visible());
  EXPECT_EQ(window->caption(), "Zelcor32 B-G-M");
  EXPECT_TRUE(mci.played.empty()) << "the run went on after the stop";
}

TEST_F(Mp3Test, ContinuousRunMixesTheComponentAndMciAndRecordsEveryTune) {
  startWithComponent();
  showFolder({mp3("a.mp3", 2.5), {"b.wav", 1000}, mp3("c.mp3", 1.2)});
  play();
  runToIdle();
  EXPECT_EQ(media.ended, (Names{path("a.mp3"), path("c.mp3")}));
  EXPECT_EQ(playedNames(), (Names{"b.wav"}));
  EXPECT_EQ(history(), (Names{path("a.mp3"), path("b.wav"), path("c.mp3")}));
}

TEST_F(Mp3Test, PlayBarCountsSecondsUpTo512StepsAndMovingItSeeks) {
  startWithComponent();
  showFolder({mp3("three.mp3", 180), mp3("twenty.mp3", 1200)});
  play();
  runUntilMp3Plays();
  EXPECT_EQ(bar().max(), 180);
  EXPECT_EQ(window->Player().st.MsPerBarStep, 1);
  EXPECT_EQ(window->StatusBar1.panelText(1), "180");
  EXPECT_TRUE(window->Panel_MP3.visible());
  loop.advance(30000);
  EXPECT_EQ(window->StatusBar1.panelText(2), "30");
  EXPECT_EQ(bar().position(), 30);

  window->Button10.click();  // skip to the 20-minute tune
  const auto begin = loop.nowMs();
  while (history().size() < 2 && loop.nowMs() - begin < 5000) loop.advance(10);
  runUntilMp3Plays();
  EXPECT_EQ(bar().max(), 512);
  EXPECT_EQ(window->Player().st.MsPerBarStep, 2);
  loop.advance(100000);
  EXPECT_NEAR(bar().position(), 50, 1);
  bar().userMoved(300);  // seeks in seconds, 2 s a step
  EXPECT_NEAR(*media.currentPosition(), 600, 0.01);
  loop.advance(1000);
  EXPECT_EQ(window->StatusBar1.panelText(2), "601");
}

TEST_F(Mp3Test, PauseKeepsTheRunAndResumeGoesOnFromTheSamePlace) {
  startWithComponent();
  showFolder({mp3("a.mp3", 20)});
  play();
  runUntilMp3Plays();
  loop.advance(5000);
  control("Button_MP3_STOP").click();
  EXPECT_FALSE(control("Button_MP3_STOP").visible());
  const double at = *media.currentPosition();
  loop.advance(30000);  // longer than the tune and the stall limit
  EXPECT_TRUE(window->S.run.PlayRunActive);
  EXPECT_DOUBLE_EQ(*media.currentPosition(), at);
  control("Button_MP3_PLAY").click();
  EXPECT_TRUE(control("Button_MP3_STOP").visible());
  const auto took = runToIdle();
  EXPECT_NEAR(static_cast<double>(took) / 1000, 20 - at, 1.1);
  EXPECT_EQ(media.ended, (Names{path("a.mp3")}));
}

TEST_F(Mp3Test, TunesTheComponentCannotPlayAreSkippedSilently) {
  startWithComponent();
  showFolder({mp3("refused.mp3", 3, B::RefusesPlay), mp3("load_error.mp3", 3, B::ErrorOnLoad), {"missing.mp3", -1},
              mp3("breaks.mp3", 4, B::ErrorWhilePlaying), mp3("stalls.mp3", 3, B::Stalls), mp3("good.mp3", 1)});
  fs.removeFile(path("missing.mp3"));
  play();
  const auto took = runToIdle(60000);
  EXPECT_EQ(media.ended, (Names{path("good.mp3")}));
  EXPECT_EQ(history(), (Names{path("breaks.mp3"), path("stalls.mp3"), path("good.mp3")}))
      << "a tune that started counts as played";
  EXPECT_LT(took, 20000) << "the stalled tune is given up after about 5 s";
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(window->caption(), "Zelcor32 B-G-M");
}

TEST_F(Mp3Test, WithMp3OffAtStartTheFileGoesToMci) {
  startWithComponent(true);
  showFolder({{"a.mp3", 1000}});
  media.addFile(path("a.mp3"), 1);
  play();
  runToIdle();
  EXPECT_EQ(playedNames(), (Names{"a.mp3"}));
  EXPECT_TRUE(sent("Open \"" + path("a.mp3") + "\" alias Zumik"));
  EXPECT_TRUE(media.calls.empty());
}

TEST_F(Mp3WindowTest, ClosingStopsTheComponent) {
  startWithComponent();
  showFolder({mp3("a.mp3", 100)});
  play();
  runUntilMp3Plays();
  window->close();
  loop.advance(500);
  EXPECT_TRUE(window->closed());
  EXPECT_FALSE(media.playing());
}

}  // namespace

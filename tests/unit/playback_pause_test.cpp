// Pause, the spins, back to the pause point, resume and the play-bar seek, on the model device.
#include <gtest/gtest.h>

#include "playback_fixture.h"

namespace {

struct PauseTest : PlaybackTest {
  void SetUp() override {
    startPlayer();
    showFolder({{"long.wav", 600000}, {"next.wav", 1000}});
    window->menu("SAISEIBAR").click();
    play();
    runUntilPlayed(1);
  }
  std::string shown() { return window->StatusBar1.panelText(2); }
  void pauseAt(int ms) {
    loop.advance(ms - mci.positionOf("Zumik"));
    window->ButtonStop2.click();
  }
};

TEST_F(PauseTest, SpinsMoveThePausePositionWithinTheTune) {
  EXPECT_TRUE(window->PanelBar.visible());
  pauseAt(75300);
  EXPECT_EQ(shown(), "      75.3");
  EXPECT_TRUE(window->PanelResume.visible());
  control("SpinButton4Down").click();
  EXPECT_EQ(shown(), "      15.3");
  EXPECT_EQ(window->ScrollBar1.position(), 13);  // 15300 / 1172 rounded
  control("SpinButton4Down").click();
  EXPECT_EQ(shown(), "       0.0");
  control("SpinButton6Up").click();
  control("SpinButton5Up").click();
  EXPECT_EQ(shown(), "       1.1");
  for (int i = 0; i < 11; ++i) control("SpinButton4Up").click();
  EXPECT_EQ(window->Player().st.PausePosMs, 600000);
  window->ButtonRsumeINI.click();
  EXPECT_EQ(shown(), "      75.3");
  EXPECT_EQ(window->ScrollBar1.position(), 64);
}

TEST_F(PauseTest, PauseHoldsTheTuneAndResumeContinuesFromTheMovedPosition) {
  pauseAt(75300);
  loop.advance(500);
  window->ScrollBar1.userMoved(40);  // a bar drag while paused is no stall either
  loop.advance(30000);
  EXPECT_EQ(mci.positionOf("Zumik"), 75300) << "paused for 30 s";
  EXPECT_FALSE(idle());
  control("SpinButton5Down").click();
  window->ButtonResume.click();
  EXPECT_FALSE(window->PanelResume.visible());
  loop.advance(600);
  EXPECT_TRUE(sent("seek zumik to 74300 wait"));
  loop.advance(2000);
  EXPECT_NEAR(mci.positionOf("Zumik"), 74300 + 2000, 600);
  EXPECT_EQ(shown(), std::to_string(window->Player().st.PositionMs / 1000)) << "the tick shows whole seconds again";
  window->Button5.click();
  runToIdle();
  EXPECT_FALSE(window->PanelBar.visible());
  EXPECT_FALSE(window->PanelResume.visible());
  EXPECT_EQ(playedNames(), (std::vector<std::string>{"long.wav", "long.wav"}));
}

TEST_F(PauseTest, BarSeeksToItsStepOrToTheStart) {
  window->ScrollBar1.userMoved(100);
  window->ScrollBar1.userMoved(200);  // before the replay: only the last position counts
  loop.advance(700);
  EXPECT_TRUE(sent("seek Zumik to 234400 wait"));
  EXPECT_FALSE(sent("seek Zumik to 117200 wait"));
  EXPECT_GE(mci.positionOf("Zumik"), 234400);
  window->ScrollBar1.userMoved(0);
  loop.advance(700);
  EXPECT_TRUE(sent("seek Zumik to start wait"));
  EXPECT_LT(mci.positionOf("Zumik"), 1000);
  EXPECT_FALSE(idle());
}

TEST_F(PauseTest, PlayBarOptionAndStatusBarClickShowOrHideTheBarDuringARun) {
  window->menu("SAISEIBAR").click();
  EXPECT_FALSE(window->PanelBar.visible());
  window->menu("SAISEIBAR").click();
  EXPECT_TRUE(window->PanelBar.visible());
  window->StatusBar2.click();
  EXPECT_FALSE(window->PanelBar.visible());
  window->StatusBar2.click();
  EXPECT_TRUE(window->PanelBar.visible());
}

}  // namespace

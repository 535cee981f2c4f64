// The schedule runner in the whole window: resumed at start-up instead of the automatic play,
// and a close event fired by Timer_JK closing the window with every setting written ("W" also
// shuts Windows down, through the injected power service).
#include "base/date_time.h"
#include "base/line_file.h"
#include "player_fixture.h"

namespace {

struct CloseEventTest : PlayerTest, testing::WithParamInterface<const char*> {};

TEST_P(CloseEventTest, WaitingRunnerResumesAtStartAndItsCloseEventWritesTheSettings) {
  const std::string entry = std::string("10:01 ") + GetParam();
  const std::uint64_t monday10 = base::FileTimeFromDateTime({2024, 5, 13, 10, 0, 0, 0}) / 10'000;
  clock.set(base::DateTimeFromFileTime(monday10 * 10'000));
  fs.addFile("C:\\WINDOWS\\MEDIA\\a.wav", "RIFF");
  fs.addFile(data + "zelcor32f0.lis", entry + "\r\n");
  set("JK", "待機中");
  set("TM_Mode", "1");
  auto& w = start({"/PLAY"});
  EXPECT_EQ(w.Label_JK_MODE.caption(), "待機中");
  EXPECT_TRUE(w.Panel_JK_DISP.visible());
  EXPECT_FALSE(w.S.run.PlayRunActive);
  EXPECT_FALSE(w.closed());
  EXPECT_TRUE(power.exitCalls.empty());
  for (int i = 0; i < 240 && !w.closed(); ++i) {
    loop.advance(500);
    clock.set(base::DateTimeFromFileTime((monday10 + loop.nowMs()) * 10'000));
  }
  EXPECT_TRUE(w.closed());
  EXPECT_EQ(get("JK"), "待機中");
  EXPECT_EQ(get("TM_Mode"), "1");
  EXPECT_EQ(get("CPATH"), "C:\\WINDOWS\\MEDIA");
  EXPECT_EQ(base::LoadLines(fs, data + "zelcor32f0.lis").value_or(std::vector<std::string>{}),
            std::vector<std::string>{entry});
  EXPECT_EQ(power.exitCalls, GetParam() == std::string("W") ? std::vector<std::uint32_t>{8} : std::vector<std::uint32_t>{});
}

INSTANTIATE_TEST_SUITE_P(CloseAndShutDown, CloseEventTest, testing::Values("C", "W"));

TEST_F(PlayerTest, TimerOnMenuMarksTheStartUpAndOpensThePanelInTheMemoryView) {
  auto& w = start();
  w.menu("MS_JK").click();
  EXPECT_TRUE(w.menu("MS_JK").checked());
  EXPECT_TRUE(w.MemoryViewShown() && w.Panel_JK.visible());
  w.menu("MS_JK").click();
  EXPECT_FALSE(w.S.settings.scheduleTimerOn);
  EXPECT_TRUE(w.Panel_JK.visible());
}

}  // namespace

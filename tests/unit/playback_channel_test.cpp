// The main MCI channel: the exact commands, the tune's length and play bar, the position
// tick, the completion message, stopping, and what a refused or dead tune leads to.
#include <gtest/gtest.h>

#include <algorithm>

#include "memory/memory_lists.h"
#include "playback_fixture.h"

namespace {

using Behaviour = fakes::FakeMci::Behaviour;

std::vector<std::string> opensOf(const std::vector<std::string>& commands) {
  std::vector<std::string> out;
  for (auto& c : commands)
    if (c.rfind("Open ", 0) == 0) out.push_back(c);
  return out;
}

TEST(MciChannelsTest, EmptyCommandResendsTheBufferAndShutDownSilencesEverySend) {
  ui::HeadlessLoop loop;
  fakes::FakeMci mci{loop};
  bool shutDown = false;
  int pumps = 0;
  playback::MciChannels ch(mci, shutDown, [&] { ++pumps; });
  ch.MainBuffer = "Open \"C:\\x.wav\" alias Zumik";
  ch.SendMainWait("");
  EXPECT_EQ(mci.commands.back(), "Open \"C:\\x.wav\" alias Zumik");
  ch.SendMainNotify("status Zumik length");
  EXPECT_EQ(mci.commands.back(), "status Zumik length notify");
  ch.SendTestRaw("status zumikTESTCD media present");
  EXPECT_EQ(mci.commands.back(), "status zumikTESTCD media present");
  ch.SendCdWait("stop zumikBGMCD");
  EXPECT_EQ(pumps, 2) << "only the CD channels let messages run after a send";
  shutDown = true;
  const auto sent = mci.commands.size();
  EXPECT_EQ(ch.SendMainWait("play Zumik"), -1);
  EXPECT_EQ(ch.SendCdNotify("play zumikBGMCD"), -1);
  EXPECT_EQ(ch.SendTestWait("status zumikTESTCD mode"), -1);
  EXPECT_EQ(mci.commands.size(), sent);
}

struct ChannelTest : PlaybackTest {};
// The history lives in the memory lists: these run on the whole window.
struct HistoryTest : WindowPlaybackTest {};

TEST_F(ChannelTest, OpensWithTheBufferClauseForWavFilesOnly) {
  startPlayer();
  endless(false);
  showFolder({{"a.WAV", 200}, {"b.wav", 200}, {"c.mid", 200}, {"d.wav.mp3", 200}});
  play();
  runToIdle();
  EXPECT_EQ(opensOf(mci.commands),
            (std::vector<std::string>{"Open \"C:\\MUSIC\\a.WAV\" alias Zumik buffer 6",
                                      "Open \"C:\\MUSIC\\b.wav\" alias Zumik buffer 6",
                                      "Open \"C:\\MUSIC\\c.mid\" alias Zumik", "Open \"C:\\MUSIC\\d.wav.mp3\" alias Zumik"}));
  EXPECT_EQ(std::count(mci.commands.begin(), mci.commands.end(), "play Zumik notify"), 4);
  EXPECT_EQ(mci.openCount(), 0);
}

TEST_F(ChannelTest, PlayBarFollowsTheLengthAndThePositionTick) {
  auto& w = startPlayer();
  showFolder({{"long.wav", 600000}, {"short.wav", 300}});
  play();
  runUntilPlayed(1);
  EXPECT_EQ(w.ScrollBar1.max(), 512);
  EXPECT_EQ(w.Player().st.MsPerBarStep, 1172);
  EXPECT_EQ(w.StatusBar1.panelText(1), "600");
  loop.advance(75300);
  EXPECT_EQ(w.StatusBar1.panelText(2), std::to_string(mci.positionOf("Zumik") / 1000));
  EXPECT_EQ(w.ScrollBar1.position(), w.Player().st.PositionMs / 1172);
  EXPECT_GT(w.ScrollBar1.position(), 60);
  w.ListBox4.tag = 1;  // a play request during a run restarts it on the short one
  w.Button2.click();
  runUntilPlayed(2, 3000);
  EXPECT_EQ(playedNames(), (std::vector<std::string>{"long.wav", "short.wav"}));
  EXPECT_EQ(mci.openCount(), 1);
  EXPECT_EQ(w.ScrollBar1.max(), 300);
  EXPECT_EQ(w.Player().st.MsPerBarStep, 1);
}

TEST_F(ChannelTest, RefusedZeroLengthAndMissingTunesAreSkippedSilently) {
  startPlayer();
  endless(false);
  showFolder({{"zero.wav", 0}, {"text.wav", -1}, {"gone.wav", 100}, {"bad.wav", 100}, {"good.wav", 100}});
  fs.removeFile(path("gone.wav"));
  mci.addTune(path("bad.wav"), 100, Behaviour::RefusesPlay);
  play();
  runToIdle();
  EXPECT_EQ(playedNames(), std::vector<std::string>{"good.wav"});
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(shell.beeps, 0);
  EXPECT_EQ(mci.openCount(), 0);
}

TEST_F(ChannelTest, StopRequestEndsTheRunAndNothingKeepsTicking) {
  auto& w = startPlayer();
  showFolder({{"a.wav", 60000}, {"b.wav", 60000}});
  play();
  runUntilPlayed(1);
  EXPECT_EQ(w.caption(), "Zelcor32 a.wav (再生中)");
  EXPECT_EQ(w.Button2.color(), 0x00FF00u);
  loop.advance(3000);
  w.Button5.click();
  EXPECT_LE(runToIdle(), 1100u);
  EXPECT_EQ(w.caption(), "Zelcor32 B-G-M");
  EXPECT_EQ(mci.openCount(), 0);
  EXPECT_EQ(w.Button2.color(), ui::kParentColor);
  EXPECT_FALSE(w.ButtonWait.visible());
  const auto sent = mci.commands.size();
  loop.advance(10000);
  EXPECT_FALSE(w.Timer3.enabled());
  EXPECT_EQ(mci.commands.size(), sent) << "an idle player sends nothing";
  EXPECT_EQ(playedNames(), std::vector<std::string>{"a.wav"});
}

// The play request's own stop ends the previous run; a stop pressed after it, before the new
// run has begun, must still end the new one.
TEST_F(ChannelTest, StopPressedBeforeTheRunBeginsIsNotLost) {
  auto& w = startPlayer();
  showFolder({{"a.wav", 60000}, {"b.wav", 60000}});
  play();
  w.Button5.click();  // before the run's start tick
  runToIdle();
  EXPECT_TRUE(mci.played.empty());
  EXPECT_EQ(w.caption(), "Zelcor32 B-G-M");
  EXPECT_EQ(w.Button2.color(), ui::kParentColor);
  EXPECT_FALSE(w.ButtonWait.visible());
  play();
  runUntilPlayed(1);
  w.Button10.click();  // skip: the start waits for the playing tune to stop
  loop.advance(200);
  ASSERT_TRUE(w.TimerPlayStart.enabled());
  w.Button5.click();
  runToIdle();
  loop.advance(5000);
  EXPECT_EQ(playedNames(), std::vector<std::string>{"a.wav"}) << "the skip went on after the stop";
  EXPECT_EQ(w.caption(), "Zelcor32 B-G-M");
}

TEST_F(ChannelTest, AFailureWhilePlayingEndsTheRun) {
  startPlayer();
  showFolder({{"a.wav", 4000}, {"b.wav", 4000}});
  mci.addTune(path("a.wav"), 4000, Behaviour::Breaks);
  play();
  runToIdle(60000);
  EXPECT_TRUE(idle());
  EXPECT_EQ(playedNames(), std::vector<std::string>{"a.wav"});
}

TEST_F(ChannelTest, ATuneThatNeverMovesIsGivenUpAndTheNextPlays) {
  startPlayer();
  endless(false);
  showFolder({{"a.mid", 180000}, {"b.wav", 1000}});
  mci.addTune(path("a.mid"), 180000, Behaviour::Stalls);
  play();
  runUntilPlayed(2, 20000);
  ASSERT_EQ(playedNames(), (std::vector<std::string>{"a.mid", "b.wav"}));
  EXPECT_LT(loop.nowMs(), 500u + 8000u);
  runToIdle();
  EXPECT_TRUE(messages.empty());
}

TEST_F(ChannelTest, AnUnreadablePositionIsNoStallTheTuneGetsItsLengthPlusGrace) {
  startPlayer();
  endless(false);
  showFolder({{"a.wav", 8000}, {"b.mid", 3000}, {"c.wav", 100}});
  mci.addTune(path("a.wav"), 8000, Behaviour::Unpositioned);
  mci.addTune(path("b.mid"), 3000, Behaviour::StallsUnpositioned);
  play();
  runUntilPlayed(2, 30000);
  ASSERT_EQ(playedNames(), (std::vector<std::string>{"a.wav", "b.mid"}));
  const auto bStarted = loop.nowMs();
  EXPECT_GE(bStarted, 500u + 8000u) << "a.wav was cut short";
  runUntilPlayed(3, 30000);
  const auto bRan = loop.nowMs() - bStarted;
  EXPECT_GE(bRan, 3000u + playback::ProgressWatch::kEndGraceMs);
  EXPECT_LT(bRan, 3000u + playback::ProgressWatch::kEndGraceMs + 2500u);
}

TEST_F(HistoryTest, HistoryKeepsEachStartedTuneUpToItsLimitOfAtMostSixteenThousand) {
  auto& w = startPlayer();
  w.S.settings.fileHistoryLimit = 20000;
  EXPECT_EQ(w.Player().history.Limit(), 16000);
  endless(false);
  showFolder({{"a.wav", 100}, {"b.wav", 100}, {"c.wav", 100}});
  for (auto [limit, kept] : {std::pair{0, std::vector<std::string>{}}, {2, {path("b.wav"), path("c.wav")}}}) {
    w.S.settings.fileHistoryLimit = limit;
    w.ListBox4.tag = 0;
    play();
    runToIdle();
    EXPECT_EQ(w.Memory->HistoryEntries, kept) << limit;
    EXPECT_EQ(w.Memory->HistoryVolumes, std::vector<std::string>(kept.size())) << limit;
  }
}

TEST_F(HistoryTest, HistoryAsTheCurrentMemoryBehindTheFileListKeepsWhatPlayedAcrossARestart) {
  set("M_Fn", "HISTORY");
  set("FILEHIS", "16");
  auto& w = startPlayer();
  ASSERT_FALSE(w.MemoryViewShown());
  endless(false);
  showFolder({{"a.wav", 100}, {"b.wav", 100}});
  play();
  runToIdle();
  ASSERT_EQ(playedNames(), (std::vector<std::string>{"a.wav", "b.wav"}));
  w.close();
  EXPECT_EQ(fs.contents(data + "HISTORY.LIM"), path("a.wav") + "\r\n" + path("b.wav") + "\r\n");
  EXPECT_EQ(fs.contents(data + "HISTORY.LIV"), "\r\n\r\n");
  auto& again = startPlayer();
  EXPECT_EQ(again.ListBox2.items(), (std::vector<std::string>{path("a.wav"), path("b.wav")}));
}

TEST_F(HistoryTest, FilesHandedToThePlayerJoinTheHistoryTrimmedWithTheirVolumesAndPlayFirst) {
  set("M_Fn", "HISTORY");
  set("FILEHIS", "4");
  fs.addFile(data + "HISTORY.LIM", path("h1.wav") + "\r\n" + path("h2.wav") + "\r\n" + path("h3.wav") + "\r\n");
  fs.addFile(data + "HISTORY.LIV", "v1\r\nv2\r\nv3\r\n");
  auto& w = startPlayer();
  showFolder({{"h1.wav", 60000}, {"h2.wav", 60000}, {"h3.wav", 60000}, {"n1.wav", 60000}, {"n2.wav", 60000},
              {"n3.wav", 60000}});
  auto& volumes = w.Memory->ListBoxVM;
  using Lines = std::vector<std::string>;
  w.ForwardedCommandLine(path("n1.wav") + "?" + path("n2.wav"));  // a second start
  runUntilPlayed(1);
  EXPECT_EQ(w.ListBox2.items(), (Lines{path("h2.wav"), path("h3.wav"), path("n1.wav"), path("n2.wav")}));
  EXPECT_EQ(volumes.items(), (Lines{"v2", "v3", "", ""}));
  EXPECT_EQ(playedNames(), Lines{"n1.wav"});
  w.Button5.click();
  runToIdle();
  w.FormDropFiles({path("n3.wav")});
  runUntilPlayed(2);
  EXPECT_EQ(w.ListBox2.items(), (Lines{path("h3.wav"), path("n1.wav"), path("n2.wav"), path("n3.wav")}));
  EXPECT_EQ(volumes.items(), (Lines{"v3", "", "", ""}));
  EXPECT_EQ(playedNames(), (Lines{"n1.wav", "n3.wav"}));
}

TEST_F(HistoryTest, ShownHistoryGrowsUnlessItIsBeingPlayed) {
  auto& w = startPlayer();
  endless(false);
  w.S.settings.fileHistoryLimit = 16;
  showFolder({{"a.wav", 100}, {"b.wav", 100}});
  w.S.settings.currentMemory = "HISTORY";
  w.Button9.click();  // the memory view is on screen, showing the history
  w.ListBox2.setItems({path("a.wav")});
  w.ListBox2.userSelect(0);
  mode(2);
  play();  // from the shown history itself: nothing is recorded
  runToIdle();
  ASSERT_EQ(playedNames(), std::vector<std::string>{"a.wav"});
  EXPECT_EQ(w.ListBox2.count(), 1);
  w.ListBox4.setItemIndex(1);
  w.ListBox4.onDoubleClick();  // a file-list tune while the history is shown
  runToIdle();
  ASSERT_EQ(playedNames(), (std::vector<std::string>{"a.wav", "b.wav"}));
  EXPECT_EQ(w.ListBox2.items(), (std::vector<std::string>{path("a.wav"), path("b.wav")}));
  EXPECT_EQ(static_cast<ui::ListBox*>(w.findControl("ListBoxVM"))->count(), 1) << "one volume line per new entry";
  EXPECT_EQ(w.Memory->RandomPool, (std::vector<std::string>{"0", "1"}));
  EXPECT_EQ(w.Label_MFN_Kosu.caption(), "2ｺ");
  EXPECT_TRUE(w.Memory->HistoryEntries.empty());
}

}  // namespace

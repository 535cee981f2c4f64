// Unattended play of the real player under Wine: a folder plays in order with its titles and
// history, a stop ends the run, pause and spin move the place, the end count closes the
// player, and corrupt files and a MIDI tune that never moves are passed over without a word.
#include <algorithm>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "playback_fixture.h"

namespace e2e {
namespace {

TEST_F(Playback, FolderPlaysInOrderWithTitlesAndHistory) {
  for (auto* n : {L"a.wav", L"b.wav", L"c.wav"}) tune(n, ToneWav(400));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  const DWORD started = GetTickCount();
  Click(FindControl(main, ids::Button2));
  const auto titles = titlesOfRun(main, 15000);
  EXPECT_EQ(titles, (std::vector<std::wstring>{kIdleTitle, Title(L"a.wav"), Title(L"b.wav"), Title(L"c.wav"),
                                               kIdleTitle}));
  EXPECT_GE(GetTickCount() - started, 3 * 400ul) << "each tune played to its end in real time";
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(savedHistory(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
}

// The stop takes effect at the next position tick (once a second) and then stops the device,
// so the idle title may take well over a second to come back.
TEST_F(Playback, StopReturnsToIdleAndPlayStartsAgain) {
  tune(L"a.wav", ToneWav(8000));
  tune(L"b.wav", ToneWav(400));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND play = FindControl(main, ids::Button2), stop = FindControl(main, ids::Button5);
  auto staysIdle = [&] { return !WaitUntil([&] { return Text(main) != kIdleTitle; }, 3000); };
  Click(play);
  ASSERT_TRUE(WaitUntil([&] { return Text(main) == Title(L"a.wav"); }, 5000));
  Click(stop);
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == kIdleTitle; }, 4000)) << "still playing after the stop";
  EXPECT_TRUE(staysIdle()) << "a tune started after the stop";
  Click(play);
  Click(stop);  // before the run has begun
  EXPECT_TRUE(staysIdle()) << "a stop right after play was lost";
  Click(play);
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == Title(L"a.wav"); }, 5000)) << "play did not start again";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(Playback, PauseSpinAndResumeGoOnFromTheMovedPlace) {
  tune(L"long.wav", ToneWav(3000));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button2));
  ASSERT_TRUE(WaitUntil([&] { return Text(main) == Title(L"long.wav"); }, 5000));
  Sleep(300);
  Click(FindControl(main, ids::ButtonStop2));
  HWND resume = FindControl(main, ids::ButtonResume);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(resume); }, 2000)) << "no pause";
  Sleep(1000);
  EXPECT_EQ(Text(main), Title(L"long.wav")) << "a paused tune ended";
  Click(FindControl(main, ids::SpinButton5Up));
  Click(FindControl(main, ids::SpinButton5Up));  // about 2.3 s of 3
  Sleep(100);
  const ULONGLONG resumedAt = GetTickCount64();
  Click(resume);
  ASSERT_TRUE(WaitUntil([&] { return Text(main) == kIdleTitle; }, 5000));
  const ULONGLONG rest = GetTickCount64() - resumedAt;
  EXPECT_LT(rest, 2000u) << "resumed from the start, not from the moved place";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(Playback, EndCountOfTwoClosesThePlayerAndWritesTheSettings) {
  SettingsKey::set(L"SAISEIM", L"0,1,0,0,0,0,0,0");  // endless: only the count ends the run
  for (auto* n : {L"a.wav", L"b.wav", L"c.wav"}) tune(n, ToneWav(300));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  ChooseMenuCommand(main, ids::ME_kosu2);
  ChooseMenuCommand(main, ids::ME_AUTO_OFF);
  Sleep(200);
  Click(FindControl(main, ids::Button2));
  EXPECT_EQ(player->waitExit(15000), 0ul) << "the player did not close by itself";
  EXPECT_EQ(savedHistory(), (std::vector<std::string>{"a.wav", "b.wav"}));
  EXPECT_TRUE(MissingSettings().empty());
  EXPECT_EQ(SettingsKey::get(L"SAISEIM").value_or(L"").substr(0, 4), L"0,1,");
}

TEST_F(Playback, CorruptFilesAreSkippedAndTheRunGoesOn) {
  tune(L"a.wav", ToneWav(300));
  tune(L"c.wav", ToneWav(300).substr(0, 30));                 // truncated in its header
  tune(L"d.wav", "this is only text, renamed\r\n");
  tune(L"e.mp3", "");
  tune(L"f.wav", ToneWav(300, 0xFFFFFFF0u));                   // claims 4 GB of samples
  tune(L"g.wav", ToneWav(300));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button2));
  const auto titles = titlesOfRun(main, 30000);
  ASSERT_FALSE(titles.empty());
  EXPECT_EQ(titles.back(), kIdleTitle);
  EXPECT_NE(std::find(titles.begin(), titles.end(), Title(L"g.wav")), titles.end()) << "the run stopped early";
  EXPECT_TRUE(FindTopWindow(L"TMKBox", player->id()) == nullptr) << "a message box was shown";
  EXPECT_EQ(closeMain(main, *player), 0ul);
  const auto history = savedHistory();
  EXPECT_EQ(history.front(), "a.wav");
  EXPECT_EQ(history.back(), "g.wav");
}

// Wine has no MIDI output: the tune opens and "plays" without ever moving. The run gives it up
// after the stall guard's 5 s and goes on; the titles on the way are not fixed.
TEST_F(Playback, MidiThatNeverMovesIsGivenUpAndTheNextTunePlays) {
  tune(L"a.mid", MidiFile());
  tune(L"b.wav", ToneWav(1500));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button2));
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == Title(L"b.wav"); }, 30000)) << "the run stayed on the MIDI tune";
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == kIdleTitle; }, 10000)) << "the WAV did not play to its end";
  EXPECT_EQ(closeMain(main, *player), 0ul);
  const auto history = savedHistory();
  ASSERT_FALSE(history.empty());
  EXPECT_EQ(history.back(), "b.wav");
}

}  // namespace
}  // namespace e2e

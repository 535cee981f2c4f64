// The schedule runner on the real clock: a start entry plays its memory within two seconds of
// its minute, the end entry a minute later returns the player to idle, and a runner left
// waiting at close resumes at the next start with its set and settings as they were.
#include <windows.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "playback_fixture.h"

namespace e2e {
namespace {

std::string TwoDigits(int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }

// The local minute of day, and milliseconds until the next minute begins.
int MinuteOfDay() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return t.wHour * 60 + t.wMinute;
}
DWORD MsToNextMinute() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return (59 - t.wSecond) * 1000 + (1000 - t.wMilliseconds);
}
std::string Clock(int minuteOfDay) {
  minuteOfDay %= 24 * 60;
  return TwoDigits(minuteOfDay / 60) + ":" + TwoDigits(minuteOfDay % 60);
}

class Schedule : public Playback {};

TEST_F(Schedule, DailyStartAndEndEntriesFireInTheirMinuteAndAWaitingRunnerResumes) {
  tune(L"a.wav", ToneWav(1500));
  tune(L"b.wav", ToneWav(1500));
  const std::string tunesA = std::string(tunes.begin(), tunes.end());  // an ASCII temp path
  folder->writeFile(L"m.LIM", tunesA + "\\a.wav\r\n" + tunesA + "\\b.wav\r\n");
  SettingsKey::set(L"MEMORY", L"0,1,0,1,0,1,0");  // the memory view
  SettingsKey::set(L"M_Fn", L"m");
  SettingsKey::set(L"TM_Mode", L"0");
  SettingsKey::set(L"TDAY_S", L"s");
  // Leave room to start the runner before the start entry's minute begins.
  if (MsToNextMinute() < 15000) Sleep(MsToNextMinute() + 100);
  const int startAt = MinuteOfDay() + 1;
  const std::string set = Clock(startAt) + " @ m\r\n" + Clock(startAt + 1) + " E\r\n";
  folder->writeFile(L"s.day", set);

  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button_JK));
  HWND state = FindControl(main, ids::Label_JK_MODE);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(FindControl(main, ids::Button_JK_START)); }, 3000)) << "no panel";
  EXPECT_EQ(ListBoxItems(FindControl(main, ids::ListBox_JK)).size(), 2u);
  // The hour label's pop-up offers the current hour and the fixed hours; its spin wraps.
  HWND hour = FindControl(main, ids::Label_JK_SH);
  ClickAt(hour, POINT{4, 4});
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenPopupMenu(player->id())) != nullptr; }, 3000)) << "no hour menu";
  for (int i = 0; i < 5; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);  // the fourth fixed hour
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitUntil([&] { return Text(hour) == L"18"; }, 2000)) << Text(hour);
  for (int i = 0; i < 6; ++i) Click(FindControl(main, ids::SpinButton_JK_SH_Up));
  EXPECT_TRUE(WaitUntil([&] { return Text(hour) == L"00"; }, 2000)) << Text(hour);
  Click(FindControl(main, ids::Button_JK_START));
  ASSERT_TRUE(WaitUntil([&] { return Text(state) == L"待機中"; }, 3000)) << Text(state);
  EXPECT_EQ(Text(main), kIdleTitle);

  auto playing = [&] { return Text(main).ends_with(kPlaying); };
  Sleep(MsToNextMinute());
  EXPECT_TRUE(WaitUntil(playing, 2000)) << "the start entry did not play within 2 s: " << Text(main);
  EXPECT_TRUE(WaitUntil([&] { return Text(state) == L"実行中"; }, 1000)) << Text(state);
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == Title(L"b.wav"); }, 5000)) << "the memory did not go on";

  Sleep(MsToNextMinute());
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == kIdleTitle; }, 4000)) << "the end entry did not stop";
  EXPECT_TRUE(WaitUntil([&] { return Text(state) == L"待機中"; }, 1000)) << Text(state);

  ChooseMenuCommand(main, ids::MS_JK);
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(SettingsKey::get(L"JK"), L"待機中");
  EXPECT_EQ(SettingsKey::get(L"MS_JK"), L"1");
  EXPECT_EQ(SettingsKey::get(L"TM_Mode"), L"0");
  EXPECT_EQ(SettingsKey::get(L"TDAY_S"), L"s");
  EXPECT_EQ(folder->readLines(L"s.day"), (std::vector<std::string>{Clock(startAt) + " @ m", Clock(startAt + 1) + " E"}));

  main = startUsable(player);
  ASSERT_NE(main, nullptr);
  state = FindControl(main, ids::Label_JK_MODE);
  EXPECT_TRUE(WaitUntil([&] { return Text(state) == L"待機中"; }, 5000)) << "the runner did not resume: " << Text(state);
  EXPECT_FALSE(WaitUntil(playing, 2000)) << "the automatic play started beside the runner";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

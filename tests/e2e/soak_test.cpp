// A long unattended run: an endless random run over many short tunes keeps starting every
// tune, keeps the history at its cap, and holds the player's handles and memory level.
#include <cwchar>
#include <set>
#include <string>

#include "core/control_ids.h"
#include "playback_fixture.h"

namespace e2e {
namespace {

using Soak = Playback;

std::wstring TuneName(int i) {
  wchar_t name[16];
  swprintf(name, 16, L"t%02d.wav", i);
  return name;
}

TEST_F(Soak, EndlessRandomRunStartsEveryTuneAndStaysLevel) {
  constexpr int kTunes = 50, kStarts = 250, kEarly = 10;
  // Two passes: the last 100 starts hold at least one whole pass of the 50 tunes. Well below
  // the starts, so the cap is what bounds the history.
  constexpr std::size_t kHistoryCap = 100;
  for (int i = 0; i < kTunes; ++i) tune(TuneName(i), ToneWav(200));
  SettingsKey::set(L"SAISEIM", L"3,1,0,0,0,0,0,0");  // random, endless
  SettingsKey::set(L"FILEHIS", std::to_wstring(kHistoryCap));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND bar = FindControl(main, ids::PanelBar);
  ASSERT_NE(bar, nullptr);

  // A start is the play bar appearing: it shows once the device accepted "play" and hides
  // when the tune ends, at least 300 ms of timer steps before the next start. A missed poll
  // only loses one count, and the run goes on until the count is reached.
  int starts = 0;
  bool shown = false;
  DWORD earlyHandles = 0, lateHandles = 0;
  std::size_t earlyMemory = 0, lateMemory = 0;
  Click(FindControl(main, ids::Button2));
  const bool reached = WaitUntil([&] {
    const bool now = IsShown(bar);
    if (now && !shown && ++starts == kEarly) {
      earlyHandles = player->handleCount();
      earlyMemory = player->workingSetBytes();
    }
    shown = now;
    return starts >= kStarts;
  }, 240000);
  lateHandles = player->handleCount();
  lateMemory = player->workingSetBytes();
  ASSERT_TRUE(reached) << "only " << starts << " tune starts seen";
  EXPECT_NE(Text(main), kIdleTitle) << "the endless run ended";

  // Both are read as a tune starts. Under Wine the player holds the same handles at every
  // start, and its working set grows by some 30 KB over the whole run; the margins (10
  // handles, 2 MB) leave room for a device or heap that grows a step, and still catch one
  // handle lost every 24 tunes or 8 KB lost with every tune.
  ASSERT_GT(earlyHandles, 0u);
  ASSERT_GT(earlyMemory, 0u);
  EXPECT_LE(lateHandles, earlyHandles + 10) << "handles after " << kEarly << " tunes: " << earlyHandles;
  EXPECT_LE(lateMemory, earlyMemory + (2u << 20)) << "working set after " << kEarly << " tunes: " << earlyMemory;

  EXPECT_EQ(closeMain(main, *player), 0ul);
  const auto entries = folder->readLines(L"HISTORY.LIM");
  EXPECT_EQ(entries.size(), kHistoryCap);
  EXPECT_EQ(folder->readLines(L"HISTORY.LIV").size(), entries.size()) << "volumes out of step with the entries";
  std::set<std::wstring> played;
  for (const std::string& e : savedHistory()) played.insert(std::wstring(e.begin(), e.end()));
  for (int i = 0; i < kTunes; ++i) EXPECT_EQ(played.count(TuneName(i)), 1u) << "never started: " << TuneName(i).c_str();
}

}  // namespace
}  // namespace e2e

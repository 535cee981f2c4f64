// Unattended play of the real player under Wine: a folder plays in order with its titles and
// history, pause and spin move the place, the end count closes the player, and corrupt
// files are passed over without a word.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

const std::wstring kPlaying = L" (再生中)";

class Playback : public PlayerTest {
 protected:
  // A tunes folder as the shown file list: continuous, not endless, the play bar on.
  std::wstring tunes;
  void SetUp() override {
    PlayerTest::SetUp();
    prepareAsMakeRun();
    tunes = folder->makeFolder(L"tunes");
    SettingsKey::set(L"CPATH", tunes);
    SettingsKey::set(L"MEMORY", L"1,-1,0,0,0,0,0");
    SettingsKey::set(L"SAISEIM", L"0,0,0,0,0,0,0,0");
    SettingsKey::set(L"SAISEIBAR", L"1");
  }
  void tune(const std::wstring& name, const std::string& bytes) { folder->writeFile(L"tunes\\" + name, bytes); }

  // Window titles in the order seen, polled until the player is idle after a run (or the limit).
  std::vector<std::wstring> titlesOfRun(HWND main, DWORD limitMs) {
    std::vector<std::wstring> seen;
    WaitUntil([&] {
      const std::wstring t = Text(main);
      if (!t.empty() && (seen.empty() || seen.back() != t)) seen.push_back(t);
      return seen.size() > 1 && t == kIdleTitle;
    }, limitMs);
    return seen;
  }
  // Entries of the saved history (after closing).
  std::vector<std::string> savedHistory() {
    std::string text;
    if (FILE* f = _wfopen((folder->path() + L"HISTORY.lim").c_str(), L"rb")) {
      char buf[4096];
      for (size_t n; (n = fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
      fclose(f);
    }
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) lines.push_back(line.substr(line.rfind('\\') + 1));
    }
    return lines;
  }
};

std::wstring Title(const std::wstring& name) { return L"Zelcor32 " + name + kPlaying; }

TEST_F(Playback, FolderPlaysInOrderWithTitlesAndHistory) {
  for (auto* n : {L"a.wav", L"b.wav", L"c.wav"}) tune(n, ToneWav(400));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button2));
  const auto titles = titlesOfRun(main, 15000);
  EXPECT_EQ(titles, (std::vector<std::wstring>{kIdleTitle, Title(L"a.wav"), Title(L"b.wav"), Title(L"c.wav"),
                                               kIdleTitle}));
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(savedHistory(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
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

}  // namespace
}  // namespace e2e

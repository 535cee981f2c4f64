#pragma once
// The player on a folder of tunes, as the playback end-to-end tests set it up, with the
// titles and the history the tests read back.
#include <string>
#include <vector>

#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {

const std::wstring kPlaying = L" (再生中)";

inline std::wstring Title(const std::wstring& name) { return L"Zelcor32 " + name + kPlaying; }

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
  // File names of the saved history (after closing).
  std::vector<std::string> savedHistory() {
    std::vector<std::string> names;
    for (const std::string& line : folder->readLines(L"HISTORY.LIM"))
      if (!line.empty()) names.push_back(line.substr(line.rfind('\\') + 1));
    return names;
  }
};

}  // namespace e2e

// Command-line access to the driver, for scripts:
//   e2e_driver measure-start          start a prepared player once; print time to usable and memory
//   e2e_driver wait-window CLASS [ms] exit 0 once a top-level window of CLASS exists
//   e2e_driver list-box ID            print the items of a list box of the running main window
//   e2e_driver close                  close the running main window
//   e2e_driver state                  print what makes the running main window usable or not
//   e2e_driver measure-gaps N MS      play N tunes of MS ms in a row; print each gap between tunes
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/control_ids.h"
#include "player_folder.h"
#include "player_process.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace {

void printLine(const std::wstring& w) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  std::printf("%s\n", s.c_str());
  std::fflush(stdout);
}

int measureStart() {
  using namespace e2e;
  PlayerFolder folder;
  SettingsKey::clear();
  SettingsKey::set(L"Version", L"20");
  SettingsKey::set(L"TEMPLZH", folder.makeFolder(L"extract"));
  SettingsKey::set(L"SND_DIR", folder.makeFolder(L"mp3"));
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  PlayerProcess player(folder.exe());
  HWND main = WaitForUsableMainWindow(player.id(), 60000);
  QueryPerformanceCounter(&t1);
  if (!main) {
    printLine(L"error=not-usable-within-60s");
    SettingsKey::clear();
    return 1;
  }
  const long long ms = (t1.QuadPart - t0.QuadPart) * 1000 / freq.QuadPart;
  Sleep(500);  // let the first paint and the deferred start-up settle before reading memory
  const std::size_t ws = player.workingSetBytes();
  RequestClose(main);
  const auto code = player.waitExit(10000);
  SettingsKey::clear();
  printLine(L"startup_ms=" + std::to_wstring(ms) + L" working_set_kb=" + std::to_wstring(ws / 1024) +
            L" exit=" + (code ? std::to_wstring(*code) : L"none"));
  return code && *code == 0 ? 0 : 1;
}

// The time from one tune's start (its title appears) to the next one's, less the tune's own
// length: what the player spends between two tunes.
int measureGaps(int count, int tuneMs) {
  using namespace e2e;
  PlayerFolder folder;
  const std::wstring tunes = folder.makeFolder(L"tunes");
  for (int i = 0; i < count; ++i) {
    wchar_t name[32];
    swprintf(name, 32, L"tunes\\t%03d.wav", i);
    folder.writeFile(name, ToneWav(tuneMs));
  }
  SettingsKey::clear();
  SettingsKey::set(L"Version", L"20");
  SettingsKey::set(L"TEMPLZH", folder.makeFolder(L"extract"));
  SettingsKey::set(L"SND_DIR", folder.makeFolder(L"mp3"));
  SettingsKey::set(L"CPATH", tunes);
  SettingsKey::set(L"SAISEIM", L"0,0,0,0,0,0,0,0");
  PlayerProcess player(folder.exe());
  HWND main = WaitForUsableMainWindow(player.id(), 60000);
  if (!main) return 1;
  LARGE_INTEGER freq, now;
  QueryPerformanceFrequency(&freq);
  auto ms = [&] {
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
  };
  Click(FindControl(main, ids::Button2));
  std::wstring last;
  double lastStart = 0;
  const double deadline = ms() + 10000.0 + count * (tuneMs + 3000.0);
  int seen = 0;
  while (ms() < deadline) {
    const std::wstring t = Text(main);
    if (t != last) {
      const double at = ms();
      if (t.find(L"(\x518D\x751F\x4E2D)") != std::wstring::npos) {
        if (seen++ > 0) printLine(L"gap_ms=" + std::to_wstring(static_cast<long long>(at - lastStart - tuneMs)));
        lastStart = at;
      } else if (seen > 0 && t == kIdleTitle) {
        break;
      }
      last = t;
    }
    Sleep(1);
  }
  RequestClose(main);
  player.waitExit(10000);
  SettingsKey::clear();
  return seen == count ? 0 : 1;
}

HWND runningMain() { return e2e::FindTopWindow(e2e::kMainWindowClass); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring cmd = argc > 1 ? argv[1] : L"";
  try {
    if (cmd == L"measure-start") return measureStart();
    if (cmd == L"measure-gaps" && argc > 3) return measureGaps(_wtoi(argv[2]), _wtoi(argv[3]));
    if (cmd == L"wait-window" && argc > 2) {
      const DWORD ms = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 5000;
      return e2e::WaitForTopWindow(argv[2], 0, ms) ? 0 : 1;
    }
    if (cmd == L"list-box" && argc > 2) {
      HWND box = runningMain() ? e2e::FindControl(runningMain(), _wtoi(argv[2])) : nullptr;
      if (!box) return 1;
      for (auto& item : e2e::ListBoxItems(box)) printLine(item);
      return 0;
    }
    if (cmd == L"state") {
      HWND main = runningMain();
      if (!main) return 1;
      const auto bar = e2e::MenuBarEnabled(main);
      const std::wstring menus = bar ? std::to_wstring(*bar) : L"unreadable";
      printLine(L"enabled=" + std::to_wstring(IsWindowEnabled(main)) + L" title=" + e2e::Text(main) +
                L" banner=" + std::to_wstring(e2e::IsShown(e2e::FindControl(main, ids::PanelOPEN))) +
                L" menus=" + menus);
      return 0;
    }
    if (cmd == L"close") {
      HWND main = runningMain();
      if (!main) return 1;
      e2e::RequestClose(main);
      return 0;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "e2e_driver: %s\n", e.what());
    return 2;
  }
  std::fprintf(stderr, "usage: e2e_driver measure-start | wait-window CLASS [ms] | list-box ID | state | close\n");
  return 2;
}

// Command-line access to the driver, for scripts:
//   e2e_driver measure-start          start a prepared player once; print time to usable and memory
//   e2e_driver wait-window CLASS [ms] exit 0 once a top-level window of CLASS exists
//   e2e_driver click CLASS ID        click the button ID of the top-level window of CLASS
//   e2e_driver type CLASS ID TEXT    put TEXT into the edit ID of that window
//   e2e_driver post CLASS MSG WP LP   post a message to the top-level window of CLASS
//   e2e_driver list-box ID            print the items of a list box of the running main window
//   e2e_driver select-all ID          select every item of a list box of the running main window
//   e2e_driver menu ID                choose the menu command ID of the running main window
//   e2e_driver close                  close the running main window
//   e2e_driver state                  print what makes the running main window usable or not
//   e2e_driver measure-gaps N MS      play N tunes of MS ms in a row; print each gap between tunes
//   e2e_driver measure-cpu SECONDS    the player's CPU share over SECONDS, idle and playing a long tune
//   e2e_driver measure-runner SECONDS the player's CPU share over SECONDS, idle and with the schedule runner waiting
//   e2e_driver measure-archive-gaps ROUNDS MS  two tunes of MS ms as files and inside an archive, ROUNDS
//                                     times in one run; print each gap by kind and the library's bare extraction
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "core/control_ids.h"
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

// Fresh settings of a current version, with the working folders inside the player's folder.
void PrepareSettings(e2e::PlayerFolder& folder) {
  using e2e::SettingsKey;
  SettingsKey::clear();
  SettingsKey::set(L"Version", L"20");
  SettingsKey::set(L"TEMPLZH", folder.makeFolder(L"extract"));
  SettingsKey::set(L"SND_DIR", folder.makeFolder(L"mp3"));
}

int measureStart() {
  using namespace e2e;
  PlayerFolder folder;
  PrepareSettings(folder);
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

// Prepares the settings so that the player opens on the folder `tunes` in continuous mode,
// starts it there and returns its main window once usable (nullptr if it never is).
HWND StartOnTunes(e2e::PlayerFolder& folder, const std::wstring& tunes, std::unique_ptr<e2e::PlayerProcess>& player) {
  using namespace e2e;
  PrepareSettings(folder);
  SettingsKey::set(L"CPATH", tunes);
  SettingsKey::set(L"SAISEIM", L"0,0,0,0,0,0,0,0");
  player = std::make_unique<PlayerProcess>(folder.exe());
  return WaitForUsableMainWindow(player->id(), 60000);
}

bool IsPlayingTitle(const std::wstring& title) { return title.find(L"(\x518D\x751F\x4E2D)") != std::wstring::npos; }

double NowMs() {
  LARGE_INTEGER freq, now;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
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
  std::unique_ptr<PlayerProcess> player;
  HWND main = StartOnTunes(folder, tunes, player);
  if (!main) return 1;
  Click(FindControl(main, ids::Button2));
  std::wstring last;
  double lastStart = 0;
  const double deadline = NowMs() + 10000.0 + count * (tuneMs + 3000.0);
  int seen = 0;
  while (NowMs() < deadline) {
    const std::wstring t = Text(main);
    if (t != last) {
      const double at = NowMs();
      if (IsPlayingTitle(t)) {
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
  player->waitExit(10000);
  SettingsKey::clear();
  return seen == count ? 0 : 1;
}

// The player's CPU over `seconds` as a share of one core, in percent: all its threads, and its
// window thread alone.
struct CpuShare {
  double all, windowThread;
};

CpuShare CpuShareOver(const e2e::PlayerProcess& player, int seconds) {
  const double t0 = NowMs();
  const std::uint64_t all0 = player.cpuTime100ns(), ui0 = player.mainThreadCpuTime100ns();
  Sleep(static_cast<DWORD>(seconds) * 1000);
  const std::uint64_t all1 = player.cpuTime100ns(), ui1 = player.mainThreadCpuTime100ns();
  const double wallMs = NowMs() - t0;
  auto percent = [&](std::uint64_t used) { return static_cast<double>(used) / 1e4 * 100.0 / wallMs; };
  return {percent(all1 - all0), percent(ui1 - ui0)};
}

// A pointer resting on a control keeps that control's tooltip timer ticking; the figures are
// for a user who works elsewhere, so the pointer goes to a screen corner outside the window.
void MovePointerOffWindow(HWND main) {
  RECT r{};
  GetWindowRect(main, &r);
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  for (POINT p : {POINT{0, 0}, POINT{w - 1, 0}, POINT{0, h - 1}, POINT{w - 1, h - 1}}) {
    if (!PtInRect(&r, p)) {
      SetCursorPos(p.x, p.y);
      return;
    }
  }
}

// The player's CPU while it waits idle and while it plays one long WAV tune, each over the
// same window, in one process: the idle figure is the baseline of the playing one.
int measureCpu(int seconds) {
  using namespace e2e;
  PlayerFolder folder;
  const std::wstring tunes = folder.makeFolder(L"tunes");
  const int tuneMs = std::max(60, seconds + 20) * 1000;
  folder.writeFile(L"tunes\\long.wav", ToneWav(tuneMs));
  std::unique_ptr<PlayerProcess> player;
  HWND main = StartOnTunes(folder, tunes, player);
  if (!main) return 1;
  MovePointerOffWindow(main);
  Sleep(2000);  // the deferred start-up's last steps settle
  const CpuShare idle = CpuShareOver(*player, seconds);
  Click(FindControl(main, ids::Button2));
  const bool started = WaitUntil([&] { return IsPlayingTitle(Text(main)); }, 10000);
  Sleep(2000);  // past the tune's opening steps: the figure is the steady playing state
  const CpuShare playing = started ? CpuShareOver(*player, seconds) : CpuShare{};
  const bool stillPlaying = IsPlayingTitle(Text(main));
  RequestClose(main);
  player->waitExit(10000);
  SettingsKey::clear();
  if (!started || !stillPlaying) {
    printLine(L"error=the-tune-did-not-play-through-the-window");
    return 1;
  }
  wchar_t line[200];
  swprintf(line, 200, L"seconds=%d idle_cpu_pct=%.3f idle_window_thread_pct=%.3f playing_cpu_pct=%.3f playing_window_thread_pct=%.3f",
           seconds, idle.all, idle.windowThread, playing.all, playing.windowThread);
  printLine(line);
  return 0;
}

// The player's CPU idle and then with the schedule runner waiting for an event hours away,
// each over the same window, in one process: the idle figure is the waiting one's baseline.
int measureRunner(int seconds) {
  using namespace e2e;
  PlayerFolder folder;
  PrepareSettings(folder);
  SettingsKey::set(L"MEMORY", L"0,1,0,1,0,1,0");  // the memory view, where the panel opens
  SettingsKey::set(L"TM_Mode", L"0");
  SettingsKey::set(L"TDAY_S", L"bench");
  SYSTEMTIME now;
  GetLocalTime(&now);
  char entry[16];
  std::snprintf(entry, sizeof entry, "%02d:%02d E\r\n", (now.wHour + 12) % 24, now.wMinute);
  folder.writeFile(L"bench.day", entry);
  PlayerProcess player(folder.exe());
  HWND main = WaitForUsableMainWindow(player.id(), 60000);
  if (!main) return 1;
  MovePointerOffWindow(main);
  Sleep(2000);
  const CpuShare idle = CpuShareOver(player, seconds);
  Click(FindControl(main, ids::Button_JK));
  Sleep(1000);
  Click(FindControl(main, ids::Button_JK_START));
  HWND state = FindControl(main, ids::Label_JK_MODE);
  const bool waiting = WaitUntil([&] { return Text(state) == L"\x5F85\x6A5F\x4E2D"; }, 5000);  // 待機中
  Sleep(2000);
  const CpuShare runner = waiting ? CpuShareOver(player, seconds) : CpuShare{};
  const bool stillWaiting = Text(state) == L"\x5F85\x6A5F\x4E2D";
  RequestClose(main);
  player.waitExit(10000);
  SettingsKey::clear();
  if (!waiting || !stillWaiting) {
    printLine(L"error=the-runner-did-not-wait");
    return 1;
  }
  wchar_t line[200];
  swprintf(line, 200, L"seconds=%d idle_cpu_pct=%.3f idle_window_thread_pct=%.3f waiting_cpu_pct=%.3f waiting_window_thread_pct=%.3f",
           seconds, idle.all, idle.windowThread, runner.all, runner.windowThread);
  printLine(line);
  return 0;
}

// ---- the gap an archive adds between two tunes

std::string Cp932(const std::wstring& w) {
  const int n = WideCharToMultiByte(932, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

using UnlhaFn = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);

// Packs the two tunes into the archive with the library, then times the library's extraction of
// the second one as the player asks for it (the same command line and output size), alone and
// with the load and release the player does around every operation. Milliseconds, per repeat.
bool TimeBareExtraction(const std::wstring& dll, const std::string& archive, const std::string& tunes,
                        const std::string& into, int repeats, std::vector<double>& alone, std::vector<double>& loaded) {
  HMODULE lib = LoadLibraryW(dll.c_str());
  auto unlha = lib ? reinterpret_cast<UnlhaFn>(reinterpret_cast<void*>(GetProcAddress(lib, "Unlha"))) : nullptr;
  char output[2002] = {};
  const std::string pack = " a -n \"" + archive + "\" \"" + tunes + "a.wav\" \"" + tunes + "b.wav\" ";
  const std::string extract = " e -m -n \"" + archive + "\" \"" + into + "\" \"b.wav\" ";
  bool ok = unlha && unlha(nullptr, pack.c_str(), output, 1000) == 0;
  for (int i = 0; ok && i < repeats; ++i) {
    double t0 = NowMs();
    ok = unlha(nullptr, extract.c_str(), output, 2000) == 0;
    alone.push_back(NowMs() - t0);
    DeleteFileA((into + "b.wav").c_str());
    t0 = NowMs();
    HMODULE again = LoadLibraryW(dll.c_str());
    auto call = reinterpret_cast<UnlhaFn>(reinterpret_cast<void*>(GetProcAddress(again, "Unlha")));
    ok = ok && call(nullptr, extract.c_str(), output, 2000) == 0;
    FreeLibrary(again);
    loaded.push_back(NowMs() - t0);
    DeleteFileA((into + "b.wav").c_str());
  }
  if (lib) FreeLibrary(lib);
  return ok;
}

// A memory of ROUNDS times: a.wav, b.wav as files, then an archive of the same two. The gap
// from a tune's start to the next one's, less the tune's length, by kind: file to file, file
// into the archive (listing and extraction), inside the archive (extraction), archive to file.
int measureArchiveGaps(int rounds, int tuneMs) {
  using namespace e2e;
  PlayerFolder folder;
  const std::wstring tunes = folder.makeFolder(L"tunes") + L"\\";
  folder.writeFile(L"tunes\\a.wav", ToneWav(tuneMs));
  folder.writeFile(L"tunes\\b.wav", ToneWav(tuneMs));
  const std::wstring dll = folder.path() + L"UnLha32.dll";
  const std::wstring built = BuiltPlayerExe();
  CopyFileW((built.substr(0, built.find_last_of(L'\\') + 1) + L"UnLha32.dll").c_str(), dll.c_str(), FALSE);
  const std::string archive = Cp932(tunes) + "PAIR.LZH";
  std::vector<double> alone, loaded;
  if (!TimeBareExtraction(dll, archive, Cp932(tunes), Cp932(folder.makeFolder(L"bare")) + "\\", 21, alone, loaded)) {
    printLine(L"error=the-library-did-not-pack-or-extract");
    return 1;
  }
  std::string memory;
  for (int r = 0; r < rounds; ++r) memory += Cp932(tunes) + "a.wav\r\n" + Cp932(tunes) + "b.wav\r\n" + archive + "\r\n";
  folder.writeFile(L"BENCH.LIM", memory);
  PrepareSettings(folder);
  SettingsKey::set(L"M_Fn", L"BENCH");
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");     // the memory view
  SettingsKey::set(L"SAISEIM", L"0,0,0,0,0,1,1,0");  // continuous; music extracted, the last one deleted
  PlayerProcess player(folder.exe());
  HWND main = WaitForUsableMainWindow(player.id(), 60000);
  if (!main) return 1;
  Click(FindControl(main, ids::Button2));
  const int tunesToPlay = rounds * 4;
  const wchar_t* const kinds[] = {L"leave_gap_ms=", L"plain_gap_ms=", L"enter_gap_ms=", L"archive_gap_ms="};
  std::wstring last;
  double lastStart = 0;
  const double deadline = NowMs() + 10000.0 + tunesToPlay * (tuneMs + 3000.0);
  int seen = 0;
  while (NowMs() < deadline && seen < tunesToPlay) {
    const std::wstring t = Text(main);
    if (t != last && IsPlayingTitle(t)) {
      const double at = NowMs();
      if (seen > 0) printLine(kinds[seen % 4] + std::to_wstring(at - lastStart - tuneMs));
      lastStart = at;
      ++seen;
    }
    last = t;
    Sleep(1);
  }
  RequestClose(main);
  player.waitExit(10000);
  SettingsKey::clear();
  for (double ms : alone) printLine(L"bare_extract_ms=" + std::to_wstring(ms));
  for (double ms : loaded) printLine(L"loaded_extract_ms=" + std::to_wstring(ms));
  return seen == tunesToPlay ? 0 : 1;
}

HWND runningMain() { return e2e::FindTopWindow(e2e::kMainWindowClass); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring cmd = argc > 1 ? argv[1] : L"";
  try {
    if (cmd == L"measure-start") return measureStart();
    if (cmd == L"measure-gaps" && argc > 3) return measureGaps(_wtoi(argv[2]), _wtoi(argv[3]));
    if (cmd == L"measure-cpu" && argc > 2) return measureCpu(_wtoi(argv[2]));
    if (cmd == L"measure-runner" && argc > 2) return measureRunner(_wtoi(argv[2]));
    if (cmd == L"measure-archive-gaps" && argc > 3) return measureArchiveGaps(_wtoi(argv[2]), _wtoi(argv[3]));
    if (cmd == L"wait-window" && argc > 2) {
      const DWORD ms = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 5000;
      return e2e::WaitForTopWindow(argv[2], 0, ms) ? 0 : 1;
    }
    if ((cmd == L"click" && argc > 3) || (cmd == L"type" && argc > 4)) {
      HWND top = e2e::WaitForTopWindow(argv[2], 0, 5000);
      HWND control = top ? e2e::FindControl(top, _wtoi(argv[3])) : nullptr;
      if (!control) return 1;
      if (cmd == L"click") e2e::Click(control);
      else SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]), SMTO_ABORTIFHUNG,
                               e2e::kSendTimeoutMs, nullptr);
      return 0;
    }
    if (cmd == L"post" && argc > 5) {  // a window message, as another program would send it
      HWND top = e2e::WaitForTopWindow(argv[2], 0, 5000);
      if (!top) return 1;
      return PostMessageW(top, static_cast<UINT>(wcstoul(argv[3], nullptr, 0)), wcstoul(argv[4], nullptr, 0),
                          static_cast<LPARAM>(wcstoul(argv[5], nullptr, 0))) ? 0 : 1;
    }
    if (cmd == L"list-box" && argc > 2) {
      HWND box = runningMain() ? e2e::FindControl(runningMain(), _wtoi(argv[2])) : nullptr;
      if (!box) return 1;
      for (auto& item : e2e::ListBoxItems(box)) printLine(item);
      return 0;
    }
    if (cmd == L"select-all" && argc > 2) {
      HWND box = runningMain() ? e2e::FindControl(runningMain(), _wtoi(argv[2])) : nullptr;
      if (!box) return 1;
      std::vector<int> all(e2e::ListBoxItems(box).size());
      for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
      e2e::ChooseListItems(box, all);
      return 0;
    }
    if (cmd == L"menu" && argc > 2) {
      HWND main = runningMain();
      if (!main) return 1;
      e2e::ChooseMenuCommand(main, _wtoi(argv[2]));
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
  std::fprintf(stderr, "usage: e2e_driver measure-start | measure-gaps N MS | measure-cpu SECONDS | measure-archive-gaps ROUNDS MS | wait-window CLASS [ms] | click CLASS ID | type CLASS ID TEXT | post CLASS MSG WP LP | list-box ID | select-all ID | menu ID | state | close\n");
  return 2;
}

// Playback figures under Wine that need the player's code in this process:
//   playback_bench gaps COUNT MS [OUTSIDE_GAP_MS]
//     where the time between two tunes goes. The player's own main window, play driver and MCI
//     player run here on the real MCI and real window timers, behind a recording MCI: every
//     command, each tick of the timers that lead from one tune to the next and every completion
//     message is timed. Then the command sequence of one tune, exactly as the player sent it,
//     is replayed straight to MCI without the player: the baseline. OUTSIDE_GAP_MS is the gap
//     measured on the real program from outside (e2e_driver measure-gaps).
//   playback_bench mci-cpu SECONDS
//     this process's CPU share while MCI alone plays a long WAV opened as the player opens it:
//     the baseline of the player's own figure (e2e_driver measure-cpu).
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/Zelcoru.h"
#include "hosted_player.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "player_folder.h"
#include "player_process.h"
#include "playback/playback.h"

namespace {

double NowMs() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / perMs;
}

struct Command {
  std::string text;
  double begin, end;
  std::string reply;
};

class RecordingMci : public platform::Mci {
 public:
  platform::win32::Win32Mci real;
  std::vector<Command> commands;
  platform::MciReply send(const std::string& command) override {
    const double begin = NowMs();
    platform::MciReply r = real.send(command);
    commands.push_back({command, begin, NowMs(), r.text});
    return r;
  }
  void setNotifyTarget(std::uintptr_t window, std::function<void(unsigned)> deliver) override {
    real.setNotifyTarget(window, std::move(deliver));
  }
};

// Times of one kind of event, searched for the first one after a given moment.
struct Moments {
  std::vector<double> at;
  double firstAfter(double t) const {
    for (double a : at)
      if (a > t) return a;
    return -1;
  }
};

double Median(std::vector<double> v) {
  if (v.empty()) return NAN;
  std::sort(v.begin(), v.end());
  return v[(v.size() - 1) / 2];
}

// The steps between one tune's start and the next one's, each a column of per-transition values.
enum Step { kLatency, kStopClose, kWait4, kWait2, kWait11, kToOpen, kOpen, kStatusPlay, kGap, kSteps };

struct PlayerRun {
  std::vector<double> steps[kSteps];
  std::vector<std::string> oneTune;  // the commands of the first tune, open to close, as sent
  int timer4 = 0, timer2 = 0, timer11 = 0, timer3 = 0;
};

std::string TempFolder() {
  wchar_t buf[MAX_PATH];
  GetTempPathW(MAX_PATH, buf);
  std::wstring w = std::wstring(buf) + L"zelcor_playback_bench_" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(w.c_str(), nullptr);
  return std::string(w.begin(), w.end()) + "\\";
}

int FindCommand(const std::vector<Command>& cs, std::size_t from, const std::function<bool(const Command&)>& match) {
  for (std::size_t i = from; i < cs.size(); ++i)
    if (match(cs[i])) return static_cast<int>(i);
  return -1;
}

bool StartsWith(const std::string& s, const char* head) { return s.rfind(head, 0) == 0; }

// Splits the recorded run into its transitions; a transition the records do not cover is left out.
void Analyse(const RecordingMci& mci, const Moments& notify, const Moments& t4, const Moments& t2,
             const Moments& t11, PlayerRun& run) {
  const auto& cs = mci.commands;
  std::vector<int> plays, lengths;
  for (std::size_t i = 0; i < cs.size(); ++i)
    if (cs[i].text == "play Zumik notify") plays.push_back(static_cast<int>(i));
  for (std::size_t k = 0; k + 1 < plays.size(); ++k) {
    int len = plays[k];
    while (len >= 0 && cs[len].text != "status Zumik length wait") --len;
    if (len < 0) continue;
    const double length = std::atof(cs[len].reply.c_str());
    const double playEnd = cs[plays[k]].end;
    const double note = notify.firstAfter(playEnd);
    const int close = FindCommand(cs, plays[k], [&](const Command& c) { return c.begin > note && c.text == "Close Zumik wait"; });
    if (note < 0 || close < 0) continue;
    const double closeEnd = cs[close].end;
    const double a4 = t4.firstAfter(closeEnd), a2 = t2.firstAfter(a4), a11 = t11.firstAfter(a2);
    const int open = FindCommand(cs, close, [&](const Command& c) { return c.begin > a11 && StartsWith(c.text, "Open "); });
    if (a4 < 0 || a2 < 0 || a11 < 0 || open < 0 || open > plays[k + 1]) continue;
    const double values[kSteps] = {note - playEnd - length, closeEnd - note,        a4 - closeEnd,
                                   a2 - a4,                 a11 - a2,               cs[open].begin - a11,
                                   cs[open].end - cs[open].begin, cs[plays[k + 1]].end - cs[open].end,
                                   cs[plays[k + 1]].end - playEnd - length};
    for (int s = 0; s < kSteps; ++s) run.steps[s].push_back(values[s]);
    if (run.oneTune.empty()) {
      int first = plays[k];
      while (first > 0 && !StartsWith(cs[first].text, "Open ")) --first;
      for (int i = first; i <= close; ++i)
        if (cs[i].text != "status Zumik position") run.oneTune.push_back(cs[i].text);
    }
  }
}

PlayerRun RunThePlayer(const std::string& data, const std::vector<std::string>& names) {
  RecordingMci mci;
  wintest::HostedPlayer host(data, mci);
  Moments notify, t4, t2, t11;
  host.onCompletion = [&](unsigned flags) {
    if (flags == MCI_NOTIFY_SUCCESSFUL) notify.at.push_back(NowMs());
  };
  PlayerRun run;
  if (!host.start()) return run;
  app::TZELCOR32ZUMIK& window = *host.window;
  for (auto [timer, moments] : {std::pair{&window.Timer4, &t4}, {&window.Timer2, &t2}, {&window.Timer11, &t11}}) {
    timer->onTimer = [tick = timer->onTimer, moments] {
      moments->at.push_back(NowMs());
      tick();
    };
  }
  host.playFolder(names);
  bool runStarted = false;
  host.runFor(20000 + names.size() * 5000, [&] {
    runStarted = runStarted || window.S.run.PlayRunActive;
    return runStarted && !window.S.run.PlayRunActive;
  });
  Analyse(mci, notify, t4, t2, t11, run);
  run.timer4 = window.Timer4.interval();
  run.timer2 = window.Timer2.interval();
  run.timer11 = window.Timer11.interval();
  run.timer3 = window.Timer3.interval();
  return run;
}

// The baseline: one tune's commands straight to MCI, the completion awaited on a bare window.
struct RawCycle {
  std::vector<double> open, statusPlay, latency, stopClose, overhead;
};

void ReplayOnce(const std::vector<std::string>& commands, HWND window, double lengthMs, RawCycle& raw) {
  platform::win32::Win32Mci mci;
  mci.setNotifyWindow(window);
  double openBegin = 0, openEnd = 0, playEnd = 0, notified = -1;
  std::size_t i = 0;
  for (; i < commands.size(); ++i) {
    const double begin = NowMs();
    if (mci.send(commands[i]).code != 0 && i == 0) return;
    if (i == 0) openBegin = begin, openEnd = NowMs();
    if (commands[i] == "play Zumik notify") {
      playEnd = NowMs();
      ++i;
      break;
    }
  }
  const double deadline = NowMs() + lengthMs + 10000;
  while (notified < 0 && NowMs() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == MM_MCINOTIFY && msg.wParam == MCI_NOTIFY_SUCCESSFUL) notified = NowMs();
      else DispatchMessageW(&msg);
    }
  }
  for (; i < commands.size(); ++i) mci.send(commands[i]);
  if (notified < 0) return;
  const double end = NowMs();
  raw.open.push_back(openEnd - openBegin);
  raw.statusPlay.push_back(playEnd - openEnd);
  raw.latency.push_back(notified - playEnd - lengthMs);
  raw.stopClose.push_back(end - notified);
  raw.overhead.push_back(end - openBegin - lengthMs);
}

constexpr double kNone = NAN;

void Row(const char* step, double player, double raw = kNone, int nominal = -1) {
  std::printf("  %-42s %9.1f", step, player);
  if (!std::isnan(raw)) std::printf(" %9.1f", raw);
  else std::printf(" %9s", "");
  if (nominal >= 0) std::printf(" %9d", nominal);
  std::printf("\n");
}

int Gaps(int count, int tuneMs, double outside) {
  const std::string data = TempFolder();
  platform::win32::Win32FileSystem fs;
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "t%03d.wav", i);
    names.push_back(name);
    if (!fs.writeAtomic(data + names.back(), e2e::ToneWav(tuneMs))) return 1;
  }
  const PlayerRun run = RunThePlayer(data, names);

  RawCycle raw;
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!run.oneTune.empty())
    for (int i = 0; i + 1 < count; ++i) ReplayOnce(run.oneTune, window, tuneMs, raw);
  DestroyWindow(window);
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(data), ec);

  const auto& s = run.steps;
  const std::size_t n = s[kGap].size();
  std::printf("transitions=%zu raw_cycles=%zu tune_ms=%d\n", n, raw.overhead.size(), tuneMs);
  if (n == 0 || raw.overhead.empty()) {
    std::fprintf(stderr, "no complete transition recorded\n");
    return 1;
  }
  std::printf("gaps_ms=");
  for (double g : s[kGap]) std::printf(" %.0f", g);
  std::printf("\none tune's commands, as the player sent them:\n");
  for (auto& c : run.oneTune) std::printf("  %s\n", c.c_str());

  std::printf("\n  %-42s %9s %9s %9s\n", "median ms per transition", "player", "raw MCI", "code");
  Row("completion latency (nominal end -> notify)", Median(s[kLatency]), Median(raw.latency));
  Row("stop + close (notify -> close done)", Median(s[kStopClose]), Median(raw.stopClose));
  Row("timer chain: close done -> Timer4 tick", Median(s[kWait4]), kNone, run.timer4);
  Row("timer chain: Timer4 tick -> Timer2 tick", Median(s[kWait2]), kNone, run.timer2);
  Row("timer chain: Timer2 tick -> Timer11 tick", Median(s[kWait11]), kNone, run.timer11);
  Row("Timer11 tick -> open command", Median(s[kToOpen]));
  Row("MCI open (\"buffer 6\" for .WAV)", Median(s[kOpen]), Median(raw.open));
  Row("status + details + play", Median(s[kStatusPlay]), Median(raw.statusPlay));
  const double gap = Median(s[kGap]);
  const double rawOverhead = Median(raw.overhead);
  Row("gap: all of the above (median of sums)", gap, rawOverhead, run.timer4 + run.timer2 + run.timer11);
  const double chain = Median(s[kWait4]) + Median(s[kWait2]) + Median(s[kWait11]);
  std::printf("  (raw MCI: one tune's commands straight to MCI, its gap is open to close less the tune;\n"
              "   code: the timers' intervals in the player; Timer3, the %d ms position tick, runs only\n"
              "   while a tune plays and is not in the chain)\n", run.timer3);
  if (!std::isnan(outside)) {
    Row("gap of the real program, seen from outside", outside);
    Row("unexplained rest (outside - this process)", outside - gap);
  }
  std::printf("\nratios against the raw MCI cycle overhead of this run (%.1f ms)\n", rawOverhead);
  std::printf("  gap in this process / raw overhead: %.2f\n", gap / rawOverhead);
  if (!std::isnan(outside)) std::printf("  gap seen from outside / raw overhead: %.2f\n", outside / rawOverhead);
  std::printf("  timer chain share of the gap in this process: %.2f\n", chain / gap);
  return 0;
}

// Lets messages run until ms have passed or done() holds.
void PumpFor(double ms, const std::function<bool()>& done) {
  const double end = NowMs() + ms;
  while (NowMs() < end && !done()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

int MciCpu(int seconds) {
  const std::string data = TempFolder();
  const std::string tune = data + "long.wav";
  platform::win32::Win32FileSystem fs;
  if (!fs.writeAtomic(tune, e2e::ToneWav(std::max(60, seconds + 20) * 1000))) return 1;
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  platform::win32::Win32Mci mci;
  mci.setNotifyWindow(window);
  // The player's open of a WAV tune, and its play.
  const bool playing = mci.send("Open \"" + tune + "\" alias Zumik buffer 6").code == 0 &&
                       mci.send("play Zumik notify").code == 0;
  PumpFor(2000, [] { return false; });
  const double t0 = NowMs();
  const std::uint64_t c0 = e2e::ProcessCpuTime100ns(GetCurrentProcessId());
  PumpFor(seconds * 1000.0, [] { return false; });
  const std::uint64_t c1 = e2e::ProcessCpuTime100ns(GetCurrentProcessId());
  const double wallMs = NowMs() - t0;
  const bool stillPlaying = mci.send("status Zumik mode").text == "playing";
  mci.send("close Zumik wait");
  DestroyWindow(window);
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(data), ec);
  if (!playing || !stillPlaying) {
    std::printf("error=mci-did-not-play-through-the-window\n");
    return 1;
  }
  std::printf("seconds=%d mci_playing_cpu_pct=%.3f\n", seconds, static_cast<double>(c1 - c0) / 1e4 * 100.0 / wallMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "gaps" && argc > 3) return Gaps(std::atoi(argv[2]), std::atoi(argv[3]), argc > 4 ? std::atof(argv[4]) : NAN);
  if (mode == "mci-cpu" && argc > 2) return MciCpu(std::atoi(argv[2]));
  std::fprintf(stderr, "usage: playback_bench gaps COUNT MS [OUTSIDE_GAP_MS] | mci-cpu SECONDS\n");
  return 2;
}

#pragma once
// One running copy of the player (or any program), started with a chosen command line.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

class PlayerProcess {
 public:
  // Starts exe with args (each quoted as needed) and exe's folder as the current folder.
  PlayerProcess(const std::wstring& exe, const std::vector<std::wstring>& args = {});
  // Ends the process if a test left it running, so no player outlives its test.
  ~PlayerProcess();
  PlayerProcess(const PlayerProcess&) = delete;
  PlayerProcess& operator=(const PlayerProcess&) = delete;

  DWORD id() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }
  bool running() const;
  // The exit code once the process has ended within timeoutMs; nothing if it still runs.
  std::optional<DWORD> waitExit(DWORD timeoutMs);
  void terminate();
  // Working set (resident memory) in bytes, 0 when unknown.
  std::size_t workingSetBytes() const;
  // User plus kernel time used so far, in 100 ns units: by the process's live threads, and by
  // its first thread alone (the player's window thread, where all of its own code runs).
  std::uint64_t cpuTime100ns() const;
  std::uint64_t mainThreadCpuTime100ns() const;
  // Open kernel handles of the process, 0 when unknown.
  DWORD handleCount() const;

 private:
  PROCESS_INFORMATION info_{};
};

std::wstring QuoteArgument(const std::wstring& arg);
// User plus kernel time in 100 ns units, of one thread and of all live threads of a process.
std::uint64_t ThreadCpuTime100ns(HANDLE thread);
std::uint64_t ProcessCpuTime100ns(DWORD processId);

}  // namespace e2e

#include "player_process.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <stdexcept>
#include <vector>

namespace e2e {

namespace {

// One row of the system's handle table (SystemExtendedHandleInformation, class 64).
struct HandleRow {
  PVOID object;
  ULONG_PTR processId;
  ULONG_PTR handle;
  ULONG access;
  USHORT backTrace;
  USHORT type;
  ULONG attributes;
  ULONG reserved;
};
struct HandleTable {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleRow rows[1];
};
constexpr auto kExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
constexpr NTSTATUS kLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

// The process's rows in the system's handle table; 0 when the table cannot be read.
DWORD countHandleRows(DWORD processId) {
  std::vector<char> buffer(1 << 20);
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(kExtendedHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), nullptr)) == kLengthMismatch)
    buffer.resize(buffer.size() * 2);
  if (status != 0) return 0;
  const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
  DWORD count = 0;
  for (ULONG_PTR i = 0; i < table->count; ++i) count += table->rows[i].processId == processId;
  return count;
}

}  // namespace

std::wstring QuoteArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring q = L"\"";
  for (wchar_t c : arg) {
    if (c == L'"') q += L'\\';
    q += c;
  }
  return q + L"\"";
}

PlayerProcess::PlayerProcess(const std::wstring& exe, const std::vector<std::wstring>& args) {
  std::wstring line = QuoteArgument(exe);
  for (auto& a : args) line += L" " + QuoteArgument(a);
  std::wstring folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  if (!CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &si, &info_))
    throw std::runtime_error("CreateProcessW failed: " + std::to_string(GetLastError()));
}

PlayerProcess::~PlayerProcess() {
  if (running()) terminate();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool PlayerProcess::running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> PlayerProcess::waitExit(DWORD timeoutMs) {
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void PlayerProcess::terminate() {
  TerminateProcess(info_.hProcess, 255);
  WaitForSingleObject(info_.hProcess, 5000);
}

std::size_t PlayerProcess::workingSetBytes() const {
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof(pmc);
  if (!GetProcessMemoryInfo(info_.hProcess, &pmc, sizeof(pmc))) return 0;
  return pmc.WorkingSetSize;
}

std::uint64_t PlayerProcess::cpuTime100ns() const { return ProcessCpuTime100ns(info_.dwProcessId); }

std::uint64_t PlayerProcess::mainThreadCpuTime100ns() const { return ThreadCpuTime100ns(info_.hThread); }

std::uint64_t ThreadCpuTime100ns(HANDLE thread) {
  auto ticks = [](const FILETIME& f) { return (std::uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(thread, &created, &exited, &kernel, &user)) return 0;
  return ticks(kernel) + ticks(user);
}

std::uint64_t ProcessCpuTime100ns(DWORD processId) {
  // The sum over the threads: Wine 8 answers GetProcessTimes for another process with the
  // caller's own times, while GetThreadTimes is right on Windows and Wine alike.
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  std::uint64_t total = 0;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
    if (!thread) continue;
    total += ThreadCpuTime100ns(thread);
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return total;
}

DWORD PlayerProcess::handleCount() const {
  // Wine answers GetProcessHandleCount with 0 for every process; its handle table is right.
  DWORD count = 0;
  if (GetProcessHandleCount(info_.hProcess, &count) && count > 0) return count;
  return countHandleRows(id());
}

}  // namespace e2e

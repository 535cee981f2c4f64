#include "player_process.h"

#include <psapi.h>

#include <stdexcept>

namespace e2e {

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

}  // namespace e2e

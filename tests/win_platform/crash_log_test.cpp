#include "platform/win32/crash_log.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/win32/text.h"
#include "temp_folder.h"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int CountOf(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// A fault at a place in this test's own code, with the stack of the calling test.
__attribute__((noinline)) bool RecordFaultHere(const std::wstring& path) {
  CONTEXT context{};
  RtlCaptureContext(&context);
  EXCEPTION_RECORD record{};
  record.ExceptionCode = EXCEPTION_ACCESS_VIOLATION;
  record.ExceptionAddress = reinterpret_cast<void*>(&RecordFaultHere);
  record.NumberParameters = 2;
  record.ExceptionInformation[0] = 8;
  record.ExceptionInformation[1] = 0x158F2738;
  EXCEPTION_POINTERS fault{&record, &context};
  return platform::win32::WriteCrashRecord(path.c_str(), fault);
}

TEST(CrashLog, RecordsTheCodeThePlaceAndTheStackModulesAndAppends) {
  wintest::TempFolder folder("crashlog");
  const std::string log = folder.path() + "CRASH$$$.TXT";
  ASSERT_TRUE(RecordFaultHere(platform::win32::ToWide(log)));
  ASSERT_TRUE(RecordFaultHere(platform::win32::ToWide(log)));
  const std::string text = ReadAll(log);
  EXPECT_EQ(CountOf(text, "code 0xC0000005"), 2) << text;
  EXPECT_EQ(CountOf(text, "at win_platform_test.exe+0x"), 2) << text;
  EXPECT_EQ(CountOf(text, "158F2738)"), 2) << text;
  EXPECT_EQ(CountOf(text, "(execute 0x"), 2) << text;
  EXPECT_GE(CountOf(text, "stack win_platform_test.exe+0x"), 2) << text;
  // No folder to write into: no record, and no fault of its own.
  EXPECT_FALSE(RecordFaultHere(platform::win32::ToWide(folder.path() + "gone\\CRASH$$$.TXT")));
}

// Run only as the child of the test below: installs the log and faults for real.
TEST(CrashLog, DISABLED_FaultWithTheLogInstalled) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"ZELCOR_CRASH_LOG", path, MAX_PATH), 0u);
  platform::win32::InstallCrashLog(path);
  volatile int* nowhere = nullptr;
  *nowhere = 1;
}

TEST(CrashLog, AnUnhandledFaultOfTheProcessLeavesItsRecord) {
  wintest::TempFolder folder("crashlog2");
  const std::string log = folder.path() + "CRASH$$$.TXT";
  SetEnvironmentVariableW(L"ZELCOR_CRASH_LOG", platform::win32::ToWide(log).c_str());
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(exe) +
                         L"\" --gtest_also_run_disabled_tests --gtest_filter=CrashLog.DISABLED_FaultWithTheLogInstalled";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
  const DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
  if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  ASSERT_EQ(waited, WAIT_OBJECT_0) << "the crash dialog held the process";
  const std::string text = ReadAll(log);
  EXPECT_EQ(CountOf(text, "code 0xC0000005"), 1) << text;
  EXPECT_EQ(CountOf(text, "(write 0x"), 1) << text;
}

}  // namespace

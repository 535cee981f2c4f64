#include <gtest/gtest.h>
#include <windows.h>

#include "base/format.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/text.h"

namespace {

using platform::win32::FromWide;
using platform::win32::ToWide;

TEST(Win32Text, CodePage932WhateverTheSystemCodePage) {
  // 表 U+8868 and ソ U+30BD end in 0x5C in CP932; ｱ is U+FF71.
  EXPECT_EQ(ToWide("表ソｱ\\"), std::wstring(L"\x8868\x30BD\xFF71\\"));
  EXPECT_EQ(FromWide(L"\x8868\x80FD\x30BD"), "表能ソ");
  EXPECT_EQ(FromWide(ToWide("再生中 (解凍中)")), "再生中 (解凍中)");
  EXPECT_EQ(ToWide(""), L"");
}

TEST(Win32ClockTest, FileTimesConvertToTheSameLocalTimeAsTheClock) {
  platform::win32::Win32Clock clock;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const auto fromFile = clock.localFromFileTime((std::uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  const auto direct = clock.now();
  EXPECT_EQ(base::FormatDateTime("yyyy/mm/dd hh:nn ddd", fromFile).substr(0, 10),
            base::FormatDateTime("yyyy/mm/dd hh:nn ddd", direct).substr(0, 10));
  EXPECT_EQ(fromFile.dayOfWeek, direct.dayOfWeek);
  const auto t0 = clock.tickMs();
  Sleep(20);
  EXPECT_GE(clock.tickMs(), t0 + 10);
}

TEST(Win32ShellTest, ClipboardHoldsUnicodeText) {
  platform::win32::Win32Shell shell;
  ASSERT_TRUE(shell.setClipboardText("曲ソ\r\n表"));
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(data, nullptr);
  const std::wstring text(static_cast<const wchar_t*>(GlobalLock(data)));
  GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(FromWide(text), "曲ソ\r\n表");
}

TEST(Win32ShellTest, RunStartsAProgramAndRefusesAMissingOne) {
  platform::win32::Win32Shell shell;
  EXPECT_TRUE(shell.run("cmd.exe /c exit 0"));
  EXPECT_FALSE(shell.run("C:\\no\\such\\program.exe"));
}

}  // namespace

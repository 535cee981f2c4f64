#include "platform/win32/clock_win32.h"

#include <windows.h>

namespace platform::win32 {
namespace {

DateTime FromSystemTime(const SYSTEMTIME& st) {
  DateTime t;
  t.year = st.wYear;
  t.month = st.wMonth;
  t.day = st.wDay;
  t.hour = st.wHour;
  t.minute = st.wMinute;
  t.second = st.wSecond;
  t.dayOfWeek = st.wDayOfWeek;
  return t;
}

}  // namespace

DateTime Win32Clock::now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return FromSystemTime(st);
}

std::uint64_t Win32Clock::tickMs() { return GetTickCount64(); }

DateTime Win32Clock::localFromFileTime(std::uint64_t fileTime) {
  FILETIME utc, local;
  utc.dwLowDateTime = static_cast<DWORD>(fileTime & 0xFFFFFFFFu);
  utc.dwHighDateTime = static_cast<DWORD>(fileTime >> 32);
  SYSTEMTIME st{};
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return DateTime{};
  return FromSystemTime(st);
}

}  // namespace platform::win32

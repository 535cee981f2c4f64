#include "platform/win32/text.h"

#include <windows.h>

namespace platform::win32 {

namespace {
constexpr UINT kShiftJis = 932;
}

std::wstring ToWide(const std::string& cp932) {
  if (cp932.empty()) return std::wstring();
  const int n = MultiByteToWideChar(kShiftJis, 0, cp932.data(), static_cast<int>(cp932.size()),
                                    nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(kShiftJis, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), n);
  return out;
}

std::string FromWide(const std::wstring& utf16) {
  if (utf16.empty()) return std::string();
  const int n = WideCharToMultiByte(kShiftJis, 0, utf16.data(), static_cast<int>(utf16.size()),
                                    nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(kShiftJis, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string FromWide(const wchar_t* utf16) { return utf16 ? FromWide(std::wstring(utf16)) : std::string(); }

}  // namespace platform::win32

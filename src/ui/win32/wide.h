#pragma once
// CP932 <-> UTF-16 at the window boundary, independent of the system's ANSI code page.
#include <windows.h>

#include <string>

namespace ui::win32 {

inline std::wstring widen(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(932, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

inline std::string narrow(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(932, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

// "&" in captions stays an accelerator marker; "\n" becomes a line break the control shows.
inline std::wstring widenMultiline(const std::string& s) {
  std::wstring w = widen(s), out;
  for (wchar_t c : w) {
    if (c == L'\n' && (out.empty() || out.back() != L'\r')) out += L'\r';
    out += c;
  }
  return out;
}

}  // namespace ui::win32

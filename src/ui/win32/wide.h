#pragma once
// Window text: the program's CP932 bytes as UTF-16 (code page 932 whatever the system's).
#include <windows.h>

#include <string>

#include "platform/win32/text.h"

namespace ui::win32 {

inline std::wstring widen(const std::string& s) { return platform::win32::ToWide(s); }
inline std::string narrow(const std::wstring& w) { return platform::win32::FromWide(w); }

// What the user typed into an edit field.
inline std::string windowText(HWND hwnd) {
  const int n = GetWindowTextLengthW(hwnd);
  std::wstring w(n + 1, L'\0');
  GetWindowTextW(hwnd, w.data(), n + 1);
  w.resize(n);
  return narrow(w);
}

// "\n" becomes the CR LF an edit control shows as a line break.
inline std::wstring widenMultiline(const std::string& s) {
  std::wstring w = widen(s), out;
  for (wchar_t c : w) {
    if (c == L'\n' && (out.empty() || out.back() != L'\r')) out += L'\r';
    out += c;
  }
  return out;
}

}  // namespace ui::win32

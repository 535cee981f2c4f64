#pragma once
// Window text: the program's CP932 bytes as UTF-16 (code page 932 whatever the system's).
#include <string>

#include "platform/win32/text.h"

namespace ui::win32 {

inline std::wstring widen(const std::string& s) { return platform::win32::ToWide(s); }
inline std::string narrow(const std::wstring& w) { return platform::win32::FromWide(w); }

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

#pragma once
// Text at the Win32 boundary: the program's CP932 bytes to and from UTF-16, always with
// code page 932 so the result does not depend on the system's ANSI code page.
#include <string>

namespace platform::win32 {

std::wstring ToWide(const std::string& cp932);
std::string FromWide(const std::wstring& utf16);
std::string FromWide(const wchar_t* utf16);

}  // namespace platform::win32

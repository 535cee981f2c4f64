#include "platform/win32/system_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>

#include "platform/win32/text.h"

namespace platform::win32 {

bool Win32Shell::run(const std::string& commandLine) {
  std::wstring line = ToWide(commandLine);  // CreateProcessW may write into it
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

void Win32Shell::beepExclamation() { MessageBeep(MB_ICONEXCLAMATION); }

std::string Win32Shell::programPath() {
  std::wstring buf(32768, L'\0');
  buf.resize(GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size())));
  return FromWide(buf);
}

bool Win32Shell::createShortcut(const std::string& link, const std::string& target, const std::string& description) {
  const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* shellLink = nullptr;
  bool ok = false;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shellLink)))) {
    const std::wstring path = ToWide(target);
    std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
    shellLink->SetPath(path.c_str());
    shellLink->SetWorkingDirectory(folder.c_str());
    shellLink->SetDescription(ToWide(description).c_str());
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      ok = SUCCEEDED(file->Save(ToWide(link).c_str(), TRUE));
      file->Release();
    }
    shellLink->Release();
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return ok;
}

bool Win32Shell::setClipboardText(const std::string& text) {
  const std::wstring wide = ToWide(text);
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!ok) GlobalFree(memory);  // ownership passes to the clipboard only on success
  return ok;
}

SystemResult Win32Power::enableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return {false, GetLastError()};
  TOKEN_PRIVILEGES tp{};
  tp.PrivilegeCount = 1;
  tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  SystemResult result;
  if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &tp.Privileges[0].Luid)) {
    result = {false, GetLastError()};
  } else {
    // Success of the call alone is not enough: ERROR_NOT_ALL_ASSIGNED comes back through
    // GetLastError with a true result.
    AdjustTokenPrivileges(token, FALSE, &tp, 0, nullptr, nullptr);
    const DWORD error = GetLastError();
    result = {error == ERROR_SUCCESS, error};
  }
  CloseHandle(token);
  return result;
}

SystemResult Win32Power::exitWindows(std::uint32_t flags) {
  if (ExitWindowsEx(flags, SHTDN_REASON_MAJOR_APPLICATION | SHTDN_REASON_FLAG_PLANNED))
    return {true, 0};
  return {false, GetLastError()};
}

bool Win32InstanceLink::windowExists(const std::string& windowClass) {
  return FindWindowW(ToWide(windowClass).c_str(), nullptr) != nullptr;
}

bool Win32InstanceLink::forward(const std::string& windowClass, const std::string& text) {
  HWND window = FindWindowW(ToWide(windowClass).c_str(), nullptr);
  if (!window) return false;
  const std::wstring wide = ToWide(text);
  // An empty text goes as atom 0: the player only comes forward.
  if (wide.empty()) {
    SendMessageW(window, kForwardMessage, 0, 0);
    return true;
  }
  // The atom table holds at most 255 characters: several files chosen together in Explorer
  // need more, and those (or a text the table refuses) go as a copy so that none is lost.
  const ATOM atom = wide.size() <= 255 ? GlobalAddAtomW(wide.c_str()) : 0;
  if (!atom) {
    COPYDATASTRUCT copy{};
    copy.dwData = kForwardCopyTag;
    copy.cbData = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    copy.lpData = const_cast<wchar_t*>(wide.data());
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    return true;
  }
  SendMessageW(window, kForwardMessage, atom, 0);
  GlobalDeleteAtom(atom);
  return true;
}

std::optional<std::string> Win32InstanceLink::ForwardedCopy(std::intptr_t copyData) {
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
  if (!copy || copy->dwData != kForwardCopyTag || copy->cbData % sizeof(wchar_t) != 0) return std::nullopt;
  if (copy->cbData == 0) return std::string();
  if (!copy->lpData) return std::nullopt;
  return FromWide(std::wstring(static_cast<const wchar_t*>(copy->lpData), copy->cbData / sizeof(wchar_t)));
}

std::string Win32ProfileStrings::read(const std::string& file, const std::string& section, const std::string& key) {
  wchar_t value[1024] = {};
  GetPrivateProfileStringW(ToWide(section).c_str(), ToWide(key).c_str(), L"", value, 1024, ToWide(file).c_str());
  return FromWide(value);
}

}  // namespace platform::win32

#include "platform/win32/notify_area_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

const wchar_t kClass[] = L"TNotifyWindow";

struct Hearing {
  UINT callbackMessage;
  UINT taskbarCreated;
  NotifyListener* listener;
};

LRESULT CALLBACK notifyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* h = reinterpret_cast<Hearing*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (h && msg == h->callbackMessage) {
    POINT pt{};
    GetCursorPos(&pt);
    h->listener->iconMessage(static_cast<std::uint32_t>(wp), static_cast<std::uint32_t>(lp), pt.x, pt.y);
    return 0;
  }
  if (h && h->taskbarCreated && msg == h->taskbarCreated) {
    h->listener->taskbarCreated();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

Win32NotifyArea::~Win32NotifyArea() {
  HWND hwnd = reinterpret_cast<HWND>(window_);
  if (!hwnd) return;
  delete reinterpret_cast<Hearing*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

std::uintptr_t Win32NotifyArea::notifyWindow(std::uint32_t callbackMessage, NotifyListener& listener) {
  if (window_) return window_;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = notifyProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  auto* h = new Hearing{callbackMessage, RegisterWindowMessageW(L"TaskbarCreated"), &listener};
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(h));
  window_ = reinterpret_cast<std::uintptr_t>(hwnd);
  return window_;
}

bool Win32NotifyArea::notify(NotifyOp op, const NotifyIconData& data) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof(nid);
  nid.hWnd = reinterpret_cast<HWND>(data.window);
  nid.uID = data.id;
  nid.uFlags = data.flags;
  nid.uCallbackMessage = data.callbackMessage;
  nid.hIcon = reinterpret_cast<HICON>(data.icon);
  const std::wstring tip = ToWide(data.tip);
  const size_t n = std::min(tip.size(), std::size(nid.szTip) - 1);
  std::copy_n(tip.begin(), n, nid.szTip);
  const DWORD message = op == NotifyOp::Add ? NIM_ADD : op == NotifyOp::Modify ? NIM_MODIFY : NIM_DELETE;
  return Shell_NotifyIconW(message, &nid) != FALSE;
}

std::uintptr_t Win32NotifyArea::copyIcon(std::uintptr_t icon) {
  return icon ? reinterpret_cast<std::uintptr_t>(CopyIcon(reinterpret_cast<HICON>(icon))) : 0;
}

void Win32NotifyArea::destroyIcon(std::uintptr_t icon) {
  if (icon) DestroyIcon(reinterpret_cast<HICON>(icon));
}

std::uintptr_t Win32NotifyArea::windowIcon(std::uintptr_t window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  return reinterpret_cast<std::uintptr_t>(icon);
}

}  // namespace platform::win32

#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/mci.h"

namespace platform::win32 {

// Command strings to the Media Control Interface; "notify" commands report to the window
// the owner sets (MM_MCINOTIFY).
class Win32Mci : public Mci {
 public:
  // Keeps each device driver loaded for the life of the program once used (see the .cpp).
  Win32Mci();
  void setNotifyWindow(HWND window) { notifyWindow_ = window; }
  MciReply send(const std::string& command) override;
  void setNotifyTarget(std::uintptr_t window, std::function<void(unsigned)>) override {
    notifyWindow_ = reinterpret_cast<HWND>(window);
  }

 private:
  void pinLoadedDrivers();

  HWND notifyWindow_ = nullptr;
  std::vector<std::wstring> unpinned_;  // drivers of the system's device types not pinned yet
};

}  // namespace platform::win32

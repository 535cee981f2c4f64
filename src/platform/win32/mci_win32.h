#pragma once
#include <windows.h>

#include "platform/mci.h"

namespace platform::win32 {

// Command strings to the Media Control Interface; "notify" commands report to the window
// the owner sets (MM_MCINOTIFY).
class Win32Mci : public Mci {
 public:
  // Keeps the device drivers loaded for the life of the program (see the .cpp).
  Win32Mci();
  void setNotifyWindow(HWND window) { notifyWindow_ = window; }
  MciReply send(const std::string& command) override;
  void setNotifyTarget(std::uintptr_t window, std::function<void(unsigned)>) override {
    notifyWindow_ = reinterpret_cast<HWND>(window);
  }

 private:
  HWND notifyWindow_ = nullptr;
};

}  // namespace platform::win32

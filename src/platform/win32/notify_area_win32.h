#pragma once
#include "platform/notify_area.h"

namespace platform::win32 {

// Shell_NotifyIconW, with the tip converted from CP932; the hidden window is a top-level
// window that is never shown, so that it also hears the "TaskbarCreated" broadcast.
class Win32NotifyArea : public NotifyArea {
 public:
  ~Win32NotifyArea() override;
  std::uintptr_t notifyWindow(std::uint32_t callbackMessage, NotifyListener& listener) override;
  bool notify(NotifyOp op, const NotifyIconData& data) override;
  std::uintptr_t copyIcon(std::uintptr_t icon) override;
  void destroyIcon(std::uintptr_t icon) override;
  std::uintptr_t windowIcon(std::uintptr_t window) override;

 private:
  std::uintptr_t window_ = 0;
};

}  // namespace platform::win32

#pragma once
// Icons in the notification area of the taskbar and the hidden window that hears their clicks.
#include <cstdint>
#include <string>

namespace platform {

// What the shell is told about one icon.
struct NotifyIconData {
  std::uintptr_t window = 0;  // the hidden window that receives the callbacks
  std::uint32_t id = 0;
  std::uint32_t flags = 0;  // 1 callback message, 2 icon, 4 tip
  std::uint32_t callbackMessage = 0;
  std::uintptr_t icon = 0;
  std::string tip;  // CP932
};

enum class NotifyOp { Add = 0, Modify = 1, Delete = 2 };

// What the hidden window passes on.
class NotifyListener {
 public:
  virtual ~NotifyListener() = default;
  // The icons' callback message arrived: word parameter the icon ID, long parameter the mouse
  // message; (x, y) is the cursor position read when it arrived.
  virtual void iconMessage(std::uint32_t id, std::uint32_t mouseMessage, int x, int y) = 0;
  // The taskbar was made anew (the shell restarted) and knows none of the icons any more.
  virtual void taskbarCreated() = 0;
};

class NotifyArea {
 public:
  virtual ~NotifyArea() = default;
  // The hidden window that hears message `callbackMessage` for every icon, made on the first
  // call; later calls return the same window.
  virtual std::uintptr_t notifyWindow(std::uint32_t callbackMessage, NotifyListener& listener) = 0;
  // Shell_NotifyIcon; false when the shell refused.
  virtual bool notify(NotifyOp op, const NotifyIconData& data) = 0;
  // Icons the caller owns: a copy of any icon (0 for none), and its release.
  virtual std::uintptr_t copyIcon(std::uintptr_t icon) = 0;
  virtual void destroyIcon(std::uintptr_t icon) = 0;
  // The icon a window shows in its caption (not a copy).
  virtual std::uintptr_t windowIcon(std::uintptr_t window) = 0;
};

}  // namespace platform

#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

struct MciReply {
  unsigned long code = 0;  // 0 success
  std::string text;
};

// Media Control Interface command strings; completion arrives at the main window as a
// notify message with flags 1 (successful), 2 (superseded), 4 (aborted), 8 (failure).
class Mci {
 public:
  virtual ~Mci() = default;
  virtual MciReply send(const std::string& command) = 0;
  // Where completions go: the main window (its handle) and the handler the window's
  // MM_MCINOTIFY reaches. A system that posts window messages needs only the handle.
  virtual void setNotifyTarget(std::uintptr_t window, std::function<void(unsigned flags)> deliver) = 0;
};

constexpr unsigned kMciNotifyMessage = 0x03B9;  // MM_MCINOTIFY

}  // namespace platform

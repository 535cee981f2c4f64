#pragma once
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
};

}  // namespace platform

#pragma once
#include "platform/clock.h"

namespace platform::win32 {

class Win32Clock : public Clock {
 public:
  DateTime now() override;
  std::uint64_t tickMs() override;
  DateTime localFromFileTime(std::uint64_t fileTime) override;
};

}  // namespace platform::win32

#pragma once
#include <cstdint>

namespace platform {

struct DateTime {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
  int dayOfWeek = 6;  // 0 Sunday .. 6 Saturday
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Local time of day.
  virtual DateTime now() = 0;
  // Milliseconds since an arbitrary start; never goes back.
  virtual std::uint64_t tickMs() = 0;
  // A file time (100 ns since 1601 UTC) as local date and time.
  virtual DateTime localFromFileTime(std::uint64_t fileTime) = 0;
};

}  // namespace platform

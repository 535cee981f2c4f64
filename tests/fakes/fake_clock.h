#pragma once
// A clock the test sets and advances; file times convert without a time zone.
#include "base/date_time.h"
#include "platform/clock.h"

namespace fakes {

class FakeClock : public platform::Clock {
 public:
  void set(const platform::DateTime& now) { now_ = now; }
  void advance(std::uint64_t ms) { tick_ += ms; }

  platform::DateTime now() override { return now_; }
  std::uint64_t tickMs() override { return tick_; }
  platform::DateTime localFromFileTime(std::uint64_t fileTime) override {
    return base::DateTimeFromFileTime(fileTime);
  }

 private:
  platform::DateTime now_;
  std::uint64_t tick_ = 0;
};

}  // namespace fakes

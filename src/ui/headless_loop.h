#pragma once
// The event loop of tests: timers fire on a virtual clock that only advance() moves.
#include <cstdint>
#include <deque>
#include <map>
#include <stdexcept>

#include "ui/event_loop.h"

namespace ui {

// Thrown when a modal loop would wait for ever: nothing pending and no timer armed.
struct LoopStalled : std::runtime_error {
  LoopStalled() : std::runtime_error("modal loop has nothing left to run") {}
};

class HeadlessLoop : public EventLoop {
 public:
  int startTimer(unsigned intervalMs, std::function<void()> onTick) override;
  void stopTimer(int id) override;
  void post(std::function<void()> work) override;
  void processMessages() override;
  void runUntil(const std::function<bool()>& done) override;
  void sleep(unsigned ms) override { now_ += ms; }
  std::uint64_t nowMs() override { return now_; }

  // Moves the virtual clock forward by ms, firing every timer that falls due on the way.
  void advance(std::uint64_t ms);
  int activeTimers() const { return static_cast<int>(timers_.size()); }

 private:
  struct Armed {
    unsigned interval;
    std::uint64_t due;
    std::function<void()> onTick;
  };
  bool runPosted();
  // Fires the earliest timer due at or before limit; false when there is none.
  bool fireNextDue(std::uint64_t limit);

  std::uint64_t now_ = 0;
  int nextId_ = 1;
  std::map<int, Armed> timers_;
  std::deque<std::function<void()>> posted_;
};

}  // namespace ui

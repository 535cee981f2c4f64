#pragma once
// The message loop every component runs on: window timers, posted work and modal loops.
// Under Win32 it is the thread's message queue; headless it is a queue on a virtual clock.
#include <cstdint>
#include <functional>

namespace ui {

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Starts a repeating timer; returns its id (never 0).
  virtual int startTimer(unsigned intervalMs, std::function<void()> onTick) = 0;
  virtual void stopTimer(int id) = 0;
  // Queues work to run from the loop, after what is already pending.
  virtual void post(std::function<void()> work) = 0;
  // Lets pending messages run (timers that are due, posted work, input) and returns.
  virtual void processMessages() = 0;
  // Runs the loop until done() holds (a modal dialog's own loop).
  virtual void runUntil(const std::function<bool()>& done) = 0;
  // Waits ms milliseconds without running messages.
  virtual void sleep(unsigned ms) = 0;
  // Milliseconds on this loop's clock.
  virtual std::uint64_t nowMs() = 0;
};

}  // namespace ui

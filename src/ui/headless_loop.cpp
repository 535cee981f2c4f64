#include "ui/headless_loop.h"

#include <limits>

namespace ui {

int HeadlessLoop::startTimer(unsigned intervalMs, std::function<void()> onTick) {
  int id = nextId_++;
  // A window timer never fires more often than the system allows; 0 still means "soon".
  unsigned interval = intervalMs == 0 ? 1 : intervalMs;
  timers_[id] = Armed{interval, now_ + interval, std::move(onTick)};
  return id;
}

void HeadlessLoop::stopTimer(int id) { timers_.erase(id); }

void HeadlessLoop::post(std::function<void()> work) { posted_.push_back(std::move(work)); }

bool HeadlessLoop::runPosted() {
  bool ran = false;
  // Only what was pending on entry: work posted meanwhile waits for the next pass,
  // as a message posted during dispatch would.
  for (auto n = posted_.size(); n > 0 && !posted_.empty(); --n) {
    auto work = std::move(posted_.front());
    posted_.pop_front();
    work();
    ran = true;
  }
  return ran;
}

bool HeadlessLoop::fireNextDue(std::uint64_t limit) {
  int bestId = 0;
  std::uint64_t bestDue = std::numeric_limits<std::uint64_t>::max();
  for (auto& [id, t] : timers_) {
    if (t.due < bestDue) {
      bestDue = t.due;
      bestId = id;
    }
  }
  if (bestId == 0 || bestDue > limit) return false;
  if (bestDue > now_) now_ = bestDue;
  auto& t = timers_[bestId];
  t.due = now_ + t.interval;
  auto tick = t.onTick;  // the handler may stop or restart its own timer
  tick();
  return true;
}

void HeadlessLoop::processMessages() {
  runPosted();
  // Timers already due fire once each, as WM_TIMER would be found in the queue.
  std::map<int, bool> fired;
  for (;;) {
    int dueId = 0;
    for (auto& [id, t] : timers_)
      if (t.due <= now_ && !fired.count(id)) {
        dueId = id;
        break;
      }
    if (dueId == 0) break;
    fired[dueId] = true;
    auto& t = timers_[dueId];
    t.due = now_ + t.interval;
    auto tick = t.onTick;
    tick();
    runPosted();
  }
}

void HeadlessLoop::advance(std::uint64_t ms) {
  const std::uint64_t target = now_ + ms;
  for (;;) {
    runPosted();
    if (!fireNextDue(target)) break;
  }
  runPosted();
  now_ = target;
}

void HeadlessLoop::runUntil(const std::function<bool()>& done) {
  while (!done()) {
    if (runPosted()) continue;
    if (!fireNextDue(std::numeric_limits<std::uint64_t>::max())) throw LoopStalled();
  }
}

}  // namespace ui

#pragma once
// Shared helpers of the headless tests.
#include <functional>
#include <memory>

#include "ui/headless_loop.h"

namespace testing_support {

// Runs fn once, ms of virtual time from now.
inline void after(ui::HeadlessLoop& loop, unsigned ms, std::function<void()> fn) {
  auto id = std::make_shared<int>(0);
  *id = loop.startTimer(ms, [&loop, id, fn] {
    loop.stopTimer(*id);
    fn();
  });
}

}  // namespace testing_support

#include "ui/timer.h"

#include "ui/application.h"

namespace ui {

Timer::Timer(Application& app, std::string name, unsigned interval)
    : app_(app), name_(std::move(name)), interval_(interval) {}

Timer::~Timer() {
  if (id_) app_.loop().stopTimer(id_);
}

void Timer::setEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  update();
}

void Timer::setInterval(unsigned ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  update();
}

void Timer::update() {
  if (id_) {
    app_.loop().stopTimer(id_);
    id_ = 0;
  }
  // An interval of 0 keeps the timer silent, as a window timer of 0 is never set.
  if (enabled_ && interval_ > 0)
    id_ = app_.loop().startTimer(interval_, [this] {
      if (onTimer) onTimer();
    });
}

}  // namespace ui

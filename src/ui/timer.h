#pragma once
// A window timer: Enabled, Interval, OnTimer. Changing either property restarts it.
#include <functional>
#include <string>

namespace ui {

class Application;

class Timer {
 public:
  Timer(Application& app, std::string name, unsigned interval = 1000);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  unsigned interval() const { return interval_; }
  void setInterval(unsigned ms);
  std::function<void()> onTimer;

 private:
  void update();
  Application& app_;
  std::string name_;
  bool enabled_ = false;
  unsigned interval_;
  int id_ = 0;
};

}  // namespace ui

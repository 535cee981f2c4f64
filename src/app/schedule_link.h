#pragma once
// The schedule runner's events carried out by the main window: the stop request, the start
// of a memory in a play mode, and the close (with Windows shut down afterwards for "W").
#include <string>

#include "schedule/schedule_runner.h"

namespace app {

class TZELCOR32ZUMIK;

class ScheduleLink : public schedule::RunnerActions {
 public:
  explicit ScheduleLink(TZELCOR32ZUMIK& window) : w_(window) {}
  void RequestStop() override;
  void PlayMemory(const std::string& memory, int playMode) override;
  void CloseProgram(bool shutDownWindows) override;

 private:
  TZELCOR32ZUMIK& w_;
};

}  // namespace app

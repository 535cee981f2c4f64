#pragma once
// A part of the player that takes part in start-up and closing (memories, histories,
// schedules, playback): the main window calls each at the matching step.
namespace core {

class Subsystem {
 public:
  virtual ~Subsystem() = default;
  // Deferred start-up, after the settings are read.
  virtual void restoreAtStart() {}
  // Closing: stop for good; nothing may restart afterwards.
  virtual void stopForGood() {}
  // Closing: write what this part keeps in files.
  virtual void saveAtClose() {}
  // Files handed over on the command line or dropped go into the history memory.
  virtual void showHistoryMemory() {}
};

}  // namespace core

#pragma once
// Keeps every schedule set consistent with the memory names: a memory that is renamed or
// deleted takes its start entries along, and the user gets a report of each changed line.
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/system.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace schedule {

class ScheduleUpkeep {
 public:
  // shown: the set on the schedule panel (ListBox_JK); count: its count label.
  ScheduleUpkeep(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                 const std::string& dataFolder, ui::ItemList& shown, ui::Label& count)
      : fs_(fs), shell_(shell), clock_(clock), dataFolder_(dataFolder), shown_(shown), count_(count) {}

  bool IsMemoryScheduled(const std::string& name);
  // Both return the report items (empty when nothing changed, and then no report is shown).
  std::vector<std::string> RenameMemoryInSchedules(const std::string& oldName, const std::string& newName);
  std::vector<std::string> DeleteMemoryFromSchedules(const std::string& name);

 private:
  // Visits the shown list, the Mon-Fri files, the weekly files and the daily sets in that
  // order with each one's place tag; a set the visitor changed is stored again. A visitor
  // returning true for `stop` ends the walk.
  using Visitor = std::function<bool(const std::string& place, std::vector<std::string>& lines, bool& stop)>;
  void visitSets(const Visitor& visit);
  bool visitFile(const std::string& file, const std::string& place, const Visitor& visit);

  platform::FileSystem& fs_;
  platform::Shell& shell_;
  platform::Clock& clock_;
  const std::string& dataFolder_;
  ui::ItemList& shown_;
  ui::Label& count_;
};

}  // namespace schedule

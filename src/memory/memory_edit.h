#pragma once
// The memory edit panel: a new memory, a new name for the shown one, deleting it, and
// back to the list. Renames and deletions carry the schedule sets along.
#include <string>
#include <vector>

#include "ui/widgets.h"

namespace app {
class TZELCOR32ZUMIK;
}
namespace schedule {
class ScheduleUpkeep;
}

namespace memory {

// Why the shown memory cannot be renamed to name, in the words of the message box; empty
// when it can. Checked in this order: the history, an empty name, a character no file name
// may hold (the last one is shown), a name already in the selector (ignoring case, the shown
// memory included), an existing ".LIM" file.
std::string RenameRefusal(const std::string& current, const std::string& historyName, const std::string& name,
                          const std::vector<std::string>& names, bool fileExists);

// The first name ZELCOR32_Mnnn whose ".LIM" file does not exist.
std::string FirstFreeMemoryName(const std::vector<std::string>& existingFiles);

class MemoryEdit {
 public:
  explicit MemoryEdit(app::TZELCOR32ZUMIK& window);

  void Btn_M_EDITClick();
  void Btn_M_HENKOClick();
  void Btn_M_NEWClick();
  void Btn_M_DELClick();
  void Btn_M_CANCELClick();

  ui::Edit& Edit_M_EDIT;
  ui::Button &Btn_M_HENKO, &Btn_M_NEW, &Btn_M_DEL, &Btn_M_CANCEL;

 private:
  schedule::ScheduleUpkeep upkeep();
  void rename();
  void create();
  void remove();
  void deleteFilesOf(const std::string& name);
  // A name to show after the shown memory was deleted from the selector.
  int nextShownPosition(int removedAt);
  app::TZELCOR32ZUMIK& w_;
};

}  // namespace memory

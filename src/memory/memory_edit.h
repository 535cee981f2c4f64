#pragma once
// The memory edit panel: a new memory, a new name for the shown one, deleting it, and
// back to the list. Renames and deletions carry the schedule sets along.
#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

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

class MemoryLists;

// The edit panel's controls, the selector and shown lists they change, and the schedule list
// and its count that follow a renamed or deleted memory.
struct MemoryEditView {
  ui::Panel& Panel_M_EDIT;
  ui::Edit& Edit_M_EDIT;
  ui::Button &Btn_M_EDIT, &Btn_M_HENKO, &Btn_M_NEW, &Btn_M_DEL, &Btn_M_CANCEL;
  ui::ComboBox& ComboBox1;
  ui::ListBox &ListBox2, &ListBox8, &ListBox_JK;
  ui::Label& Label_JK_KOSU;
};

class MemoryEdit {
 public:
  MemoryEdit(MemoryEditView view, core::SharedState& state, core::Services& services, MemoryLists& lists,
             dialogs::TMKBoxDlg& box);

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
  MemoryEditView v_;
  core::SharedState& S;
  core::Services& Sv;
  MemoryLists& lists_;
  dialogs::TMKBoxDlg& box_;
};

}  // namespace memory

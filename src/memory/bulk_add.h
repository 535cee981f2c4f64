#pragma once
// The bulk add "一括登録": from the listed folder down, every file the file list would show
// goes into the memory list, depth first; "検索中" stops it, and it stops by itself when the
// memory list is full.
#include <functional>
#include <string>

#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "files/file_list.h"
#include "files/folders.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace memory {

// The controls the bulk add uses; it creates the panel that covers the drive selector on form.
struct BulkAddView {
  ui::Form& form;
  ui::Panel& PanelFF;
  ui::Button &Button7, &Button11, &Button12;
  ui::ComboBox& ComboBox2;
  ui::TreeView& TreeView1;
  ui::ListBox &ListBox1, &ListBox2, &ListBox4, &ListBox8;
};

class BulkAdd {
 public:
  BulkAdd(BulkAddView view, core::SharedState& state, dialogs::TMKBoxDlg& box, files::FileList& files,
          files::Folders& folders, MemoryLists& memory);

  // The disc identity of a drive's audio CD ("" when none; set by the CD player).
  std::function<std::string(char drive)> discIdentity;
  // The memory list grew (a random run playing it starts its pool afresh).
  std::function<void()> memoryListChanged;

  void BulkRegister();  // Button7Click

  ui::Button& Button12;         // "検索中"
  ui::Panel& PanelDriveSearch;  // covers the drive selector during the bulk add

 private:
  bool walk(const std::string& folder, const std::string& disc);
  bool full();
  BulkAddView v_;
  core::SharedState& s_;
  dialogs::TMKBoxDlg& box_;
  files::FileList& files_;
  files::Folders& folders_;
  MemoryLists& memory_;
};

}  // namespace memory

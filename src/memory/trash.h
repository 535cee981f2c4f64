#pragma once
// The trash and the moving of entries: the memory list, the trash list and the file list
// exchange entries with their display names and volume lines; the trash lives only while
// the player runs.
#include <functional>
#include <string>

#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "ui/application.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace memory {

inline constexpr int kEntryLimit = 32700;

// Lists that travel together: entries, display names (only while names-only is ticked) and
// volume lines (none for the file list).
struct ListGroup {
  ui::ItemList* entries = nullptr;
  ui::ItemList* names = nullptr;
  ui::ItemList* volumes = nullptr;
};

class MemoryLists;

// The trash panel and icon, the lists that exchange entries (file list ListBox4, memory
// ListBox2/8, trash ListBox6/9 with its hidden volume list), the count labels, the
// add/clear switch and the memory delete button with its check box.
struct TrashView {
  ui::Panel &PanelGomi, &Panel_JK;
  ui::Image& Image1;
  ui::ListBox &ListBox4, &ListBox2, &ListBox8, &ListBox6, &ListBox9, &ListBoxVG;
  ui::Label &Label7, &LabelGomiKosu2, &LabelGomiTUIKA, &LabelGomiSASIN;
  ui::CheckBox& CheckBoxGomi;
  ui::Button &ButtonMCut, &ButtonGomiCut, &Button_GOMI_ALLCLR, &ButtonGomiOFF;
};

class Trash : public core::Subsystem {
 public:
  Trash(TrashView view, core::SharedState& state, core::Services& services, MemoryLists& lists,
        dialogs::TMKBoxDlg& box, ui::Application& app);

  bool IsMemoryList(const ui::Control* c) const;
  bool IsTrashList(const ui::Control* c) const;
  // The list the user sees and selects in: names-only or full.
  ui::ItemList& ShownMemoryList();
  ui::ItemList& ShownTrashList();

  // Moves or copies the selected entries of source (the list selected in) into target at
  // insertAt (-1 appends).
  void TransferEntries(ui::ItemList& source, ui::ItemList& target, bool move, int insertAt);
  // Deletes the selected entries of list (the list selected in) with their group.
  void DeleteSelectedEntries(ui::ItemList& list);
  void EmptyTrash();
  // The count labels and the icon picture.
  void ShowTrashCount();

  // Trash controls.
  void Image1RightUp();
  void ButtonGomiOFFClick();
  void ToggleClearMode();
  void CheckBoxGomiClick();
  void Button_GOMI_ALLCLRClick();

  // core::Subsystem: the switches follow the restored settings.
  void restoreAtStart() override;

  // The disc identity of an audio CD in drive ("" when none), asked once per transfer from
  // the file list; without it CD tracks stay plain file entries.
  std::function<std::string(char drive)> discIdentity;
  // The memory list changed (a random run playing it starts its pool afresh).
  std::function<void()> memoryListChanged;
  // Shows or hides a floating panel with its handles (the window's layout); without it the
  // panel alone.
  std::function<void(ui::Panel& panel, bool on)> showPanel;
  // The trash closed: list commands act on the shown memory list again.
  std::function<void(ui::ItemList& list)> listActivated;

  ui::Image& Image1;
  ui::ListBox& ListBoxVG;
  ui::Label &Label7, &LabelGomiKosu2, &LabelGomiTUIKA;
  ui::Button& ButtonMCut;

 private:
  ListGroup groupOf(const ui::ItemList& list);
  std::string prefixOf(const ui::ItemList& source) const;
  std::string sourceEntry(const ListGroup& from, bool fromFiles, int i, const std::string& prefix,
                          const std::string& disc) const;
  void put(const ListGroup& to, int at, const std::string& entry, const std::string& volume);
  static void eraseAt(const ListGroup& g, int i);
  static void selectIn(const ListGroup& g, int i);
  void afterChange(bool memoryChanged);
  void show(ui::Panel& panel, bool on);
  TrashView v_;
  core::SharedState& S;
  core::Services& Sv;
  MemoryLists& lists_;
  dialogs::TMKBoxDlg& box_;
  ui::Application& app_;
};

}  // namespace memory

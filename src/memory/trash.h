#pragma once
// The trash and the moving of entries: the memory list, the trash list and the file list
// exchange entries with their display names and volume lines; the trash lives only while
// the player runs.
#include <functional>
#include <string>

#include "core/subsystem.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace app {
class TZELCOR32ZUMIK;
}

namespace memory {

inline constexpr int kEntryLimit = 32700;

// Lists that travel together: entries, display names (only while names-only is ticked) and
// volume lines (none for the file list).
struct ListGroup {
  ui::ItemList* entries = nullptr;
  ui::ItemList* names = nullptr;
  ui::ItemList* volumes = nullptr;
};

class Trash : public core::Subsystem {
 public:
  explicit Trash(app::TZELCOR32ZUMIK& window);

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
  app::TZELCOR32ZUMIK& w_;
};

}  // namespace memory

#pragma once
// Memory list files: the ".LIM"/".LIV"/".LIR" files of each memory, the names in
// ComboBox1, loading, switching and saving, and the history memory held aside while another
// memory is shown.
#include <functional>
#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace memory {

inline constexpr char kProgramName[] = "ZELCOR32";

// The memory files of N in the data folder.
struct MemoryFiles {
  std::string lim, liv, lir;
};
MemoryFiles FilesOf(const std::string& dataFolder, const std::string& name);

// Sorts memory names without regard to case and puts "HISTORY" last (adding it when missing).
std::vector<std::string> NamesWithHistoryLast(std::vector<std::string> names, const std::string& historyName);

// The random pool "0" .. count-1.
std::vector<std::string> FullPool(int count);

// The controls the memory lists use: the selector, the shown list and its names-only twin,
// the trash lists (their names-only list follows the same display rule), the hidden volume
// list and the entry count. Panel4 is made on form, over PanelMemory.
struct MemoryListsView {
  ui::Form& form;
  ui::Panel& PanelMemory;
  ui::ComboBox& ComboBox1;
  ui::ListBox &ListBox2, &ListBox8, &ListBox6, &ListBox9, &ListBoxVM;
  ui::Label& Label_MFN_Kosu;
};

class MemoryLists : public core::Subsystem {
 public:
  MemoryLists(MemoryListsView view, core::SharedState& state, core::Services& services, ui::Application& app);

  // The history memory while another memory is shown. HistoryVolumes always has as many lines
  // as HistoryEntries; playback appends to both (empty volume) and trims both alike.
  std::vector<std::string> HistoryEntries;
  std::vector<std::string> HistoryVolumes;
  bool HistoryShown() const;

  // The track-name lookup of the CD player for a CD-track entry; "    " (four spaces) when unknown.
  std::function<std::string(const std::string& entry)> trackName;

  void ListMemories();
  // Start-up step 7: names with "HISTORY" last, CurrentMemory resolved, loaded, aligned.
  void RestoreMemories();
  void LoadMemoryAtStart();
  void SaveShownMemory();
  void LoadShownMemory();
  void AlignVolumes();
  // Appends entries to the shown list with their names-only and (empty) volume lines; while
  // the list holds more than limit entries the oldest goes with its lines. Returns how many went.
  int AppendShown(const std::vector<std::string>& entries, int limit);
  void RefreshNamesOnly();
  // The trash's names-only list ListBox9 from ListBox6, by the same display rule.
  void RefreshTrashNames();
  void ShowEntryCount();
  void SelectMemory();  // ComboBox1Click
  void ShowHistory();
  // The display name of an entry in the names-only lists (one rule for memory and trash).
  std::string DisplayName(const std::string& entry) const;
  // Closing: the history files and the shown memory (each write guarded).
  void SaveAtClose();

  // core::Subsystem
  void restoreAtStart() override { RestoreMemories(); }
  void saveAtClose() override { SaveAtClose(); }
  void showHistoryMemory() override { ShowHistory(); }

  ui::Panel& Panel4;  // "ﾒﾓﾘｰ設定中"
  ui::ListBox& ListBoxVM;
  // The indexes of the shown memory not yet played in random mode, kept in its ".LIR" file.
  std::vector<std::string> RandomPool;

 private:
  void busy(bool on);
  MemoryListsView v_;
  core::SharedState& S;
  core::Services& Sv;
  ui::Application& app_;
};

}  // namespace memory

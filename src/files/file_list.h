#pragma once
// The file list and its filters: RebuildFileList with the pattern pieces, the
// attribute mask and the "nor" rule; the extension switches, the typed pattern and "ALL(*.*)";
// ShowSelectedFile with the status-bar panels; the one-shot skip flag; the shared draw rule.
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "platform/file_system.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace files {

// "フォルダーエラー": the folder does not exist and the path repair cannot resolve it.
struct FolderError : std::runtime_error {
  FolderError() : std::runtime_error("フォルダーエラー") {}
};

// The pieces of a ";"-separated pattern list, empty pieces left out.
std::vector<std::string> PatternPieces(const std::string& patterns);
// True when the enumeration with this attribute set returns the entry: never folders or volume
// labels; hidden and system files only when that bit is in the set.
bool Enumerated(std::uint32_t attributes, int mask);
// The names of folder taken by patterns, mask and "nor": sorted ignoring case, each once.
std::vector<std::string> ListFiles(platform::FileSystem& fs, const std::string& folder,
                                   const std::string& patterns, int mask, bool normal);
// The same taken from every entry of a folder, already listed.
std::vector<std::string> TakeFiles(std::vector<platform::FileEntry> entries, const std::string& patterns, int mask,
                                   bool normal);
// Appends piece when on and missing; removes its first occurrence when off.
std::string TogglePiece(std::string patterns, const std::string& piece, bool on);
// The header caption of the file list for a count (-1: "---" while building).
std::string FileHeaderCaption(int count);

// The controls the file list reads and writes. ListBox2/8 (memory), ListBox6/9 (trash) and
// ListBox3 (archive entries) share its click handler and selection display.
struct FileListView {
  ui::ListBox &ListBox4, &ListBox1, &ListBox2, &ListBox3, &ListBox6, &ListBox8, &ListBox9, &ListBoxKaKo;
  ui::Label& LabelKaKo;
  ui::Header& HeaderControl1;
  ui::StatusBar &StatusBar1, &StatusBar2;
  ui::CheckBox& CB32;
  ui::Button &Button13, &Button14;
  ui::Edit& Edit1;
  std::vector<ui::CheckBox*> ExtensionBoxes;  // in ExtensionTable order
  std::vector<ui::CheckBox*> AttributeBoxes;  // rd, sys, hid, arc, nor
};

class FileList : public core::Subsystem {
 public:
  FileList(FileListView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box);

  std::string ListedFolder;
  bool HistoryNavigation = false;  // set while a folder is opened from the folder history
  bool SkipOnce = false;           // the one-shot skip flag of the shared click handler
  ui::ItemList* ActiveList = nullptr;
  // The file list was rebuilt (a random run playing it starts its pool afresh).
  std::function<void()> fileListChanged;
  // Folder-history recording of step 4 (the folders subsystem sets it).
  std::function<void(const std::string&)> recordFolder;

  void RebuildFileList(const std::string& folder);  // throws FolderError
  // The same from the folder's entries listed a moment before (by the folder view).
  void RebuildFileList(const std::string& folder, std::vector<platform::FileEntry> listed);
  void ResetFileHeader();
  // Rebuilds for ListedFolder and shows the list error message when that fails.
  void Rebuild();
  // Rebuilds for folder and shows the list error message when that fails.
  void RebuildOrSay(std::string folder);

  // Filter handlers.
  void ExtensionClick(int tag);
  void CB32Click();
  // CB32 on shows its background and text colours swapped; off restores them.
  void ShowAllColours(bool on);
  void Button13Click();
  void Button14Click();
  void Edit1Change();
  void AttributeClick();

  // Selection display.
  void ShowSelectedFile(ui::ItemList& list);
  void SetNamePanel(const std::string& text);
  void SetSizePanel(const std::string& text);
  void SetDatePanel(const std::string& text);
  // Mouse press and release on a shared list (the one-shot skip flag).
  void ListMouseDown();
  void ListMouseUp();
  // The folder of path resolved by the path repair; throws FolderError.
  std::string UsableFolderOf(const std::string& folder);

  void restoreAtStart() override;

 private:
  void rebuild(const std::string& folder, std::vector<platform::FileEntry>* listed);
  void leavePatternMode();
  void allOff();
  void setPanel(int index, const std::string& text, int minimum);
  FileListView v_;
  core::SharedState& s_;
  core::Services& sv_;
  dialogs::TMKBoxDlg& box_;
  bool suppress_ = false;
  bool pressed_ = false;
};

}  // namespace files

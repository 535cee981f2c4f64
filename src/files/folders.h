#pragma once
// Folders, drives and histories: the flat folder list and the tree model with their
// header captions and the view switch, the drive selector and DriveLastFolders, the
// hidden-folder switch K6, the folder history panel and its file, the error recovery and the
// bulk add "一括登録".
#include <functional>
#include <string>
#include <vector>

#include "core/subsystem.h"
#include "files/folder_view.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace app {
class TZELCOR32ZUMIK;
}

namespace files {

inline constexpr int kMemoryEntryLimit = 32700;

// The deepest existing folder on path, tried from path upward; fallback when none exists.
std::string DeepestExistingFolder(platform::FileSystem& fs, const std::string& path, const std::string& fallback);
// Replaces the entry of path's drive letter in list, or appends path.
void RecordDriveFolder(std::vector<std::string>& list, const std::string& path);
// A drive's volume label as shown: "[" + label + "]", empty when the volume cannot be read.
std::string VolumeLabelText(platform::Drives& drives, char letter);

class Folders : public core::Subsystem {
 public:
  explicit Folders(app::TZELCOR32ZUMIK& window);

  std::vector<FolderItem> FlatItems;  // mirrors ListBox1
  std::vector<FolderItem> TreeNodes;  // the tree as built (depth-first, siblings along the path)
  std::vector<std::string> SubfolderList;
  std::string FolderBeforeHistory;
  std::vector<platform::Drive> ListedDrives;  // mirrors ComboBox2
  // The disc identity of a drive's audio CD ("" when none; set by the CD player).
  std::function<std::string(char drive)> discIdentity;
  // The memory list grew by a bulk add (a random run playing it starts its pool afresh).
  std::function<void()> memoryListChanged;

  // Folder view.
  // Returns every entry of the folder as listed for it, so the file list need not read it again.
  std::vector<platform::FileEntry> BuildFlatList(const std::string& folder);  // throws FolderError
  void BuildTree(const std::string& folder);      // throws FolderError
  void OpenFolderList(const std::string& path);
  void OpenFolderTree(const std::string& path);
  void OpenInCurrentView(const std::string& path);
  void ListBox1Click();
  void SwitchView();  // header click
  // The folder a tree node stands for, and the user's choice of a node.
  std::string TreePath(int index) const;
  void TreeView1Change();
  void K6Click();

  // Drives.
 private:
  void showTree();
  void selectDrive(char letter);

 public:
  void ListDrives();
  void ChangeDrive(char letter);
  void OpenFolderPath(const std::string& path);  // throws FolderError

  // Folder history panel.
  void RestoreFolderHistory();  // start-up step 10
  void ButtonKakaClick();
  void ListBoxKaKoClick();
  void ButtonKaKoOKClick();
  void ButtonKaKoRESETClick();
  void ButtonKaKoALLCUTClick();
  void ButtonKaKoCUTClick();

  // Bulk add.
  void BulkRegister();

  void restoreAtStart() override;
  void saveAtClose() override;

  ui::Button& Button12;           // "検索中"
  ui::Panel& PanelDriveSearch;    // covers the drive selector during the bulk add

 private:
  std::vector<std::string> subfolders(const std::string& folder);
  std::vector<std::string> subfoldersAmong(const std::vector<platform::FileEntry>& entries);
  void openWithRecovery(const std::string& path, bool tree);
  bool walk(const std::string& folder, char drive, const std::string& disc);
  app::TZELCOR32ZUMIK& w_;
  bool treeBusy_ = false;
};

}  // namespace files

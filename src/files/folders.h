#pragma once
// Folders, drives and histories: the flat folder list and the tree model with their
// header captions and the view switch, the drive selector and DriveLastFolders, the
// hidden-folder switch K6, the folder history panel and its file, and the error recovery.
#include <functional>
#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "files/file_list.h"
#include "files/folder_view.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/widgets.h"

namespace files {

// The deepest existing folder on path, tried from path upward; fallback when none exists.
std::string DeepestExistingFolder(platform::FileSystem& fs, const std::string& path, const std::string& fallback);
// Replaces the entry of path's drive letter in list, or appends path.
void RecordDriveFolder(std::vector<std::string>& list, const std::string& path);
// A drive's volume label as shown: "[" + label + "]", empty when the volume cannot be read.
std::string VolumeLabelText(platform::Drives& drives, char letter);

// The folder panel's controls and the folder history panel.
struct FoldersView {
  ui::ListBox& ListBox1;
  ui::TreeView& TreeView1;
  ui::Header& HeaderFolder;
  ui::ComboBox& ComboBox2;
  ui::ListBox& ListBoxCD;  // the CD drives, for the CD player
  ui::MenuItem& K6;
  ui::Button& ButtonKaka;
  ui::Panel& PanelKaKo;
  ui::ListBox& ListBoxKaKo;
  ui::Label& LabelKaKo;
  ui::Button &ButtonKaKoOK, &ButtonKaKoRESET, &ButtonKaKoALLCUT, &ButtonKaKoCUT;
};

class Folders : public core::Subsystem {
 public:
  Folders(FoldersView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
          ui::Application& app, FileList& files);

  std::vector<FolderItem> FlatItems;  // mirrors ListBox1
  std::vector<FolderItem> TreeNodes;  // the tree as built (depth-first, siblings along the path)
  std::vector<std::string> SubfolderList;
  std::string FolderBeforeHistory;
  std::vector<platform::Drive> ListedDrives;  // mirrors ComboBox2
  // Shows or hides a floating panel with its handles (the window lays them out).
  std::function<void(ui::Panel&, bool)> showPanel;
  // Deletes the selected entries of a list the way the trash deletes them.
  std::function<void(ui::ItemList&)> deleteSelected;

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

  void restoreAtStart() override;
  void saveAtClose() override;

 private:
  std::vector<std::string> subfolders(const std::string& folder);
  std::vector<std::string> subfoldersAmong(const std::vector<platform::FileEntry>& entries);
  void openWithRecovery(const std::string& path, bool tree);
  FoldersView v_;
  core::SharedState& s_;
  core::Services& sv_;
  dialogs::TMKBoxDlg& box_;
  ui::Application& app_;
  FileList& files_;
  bool treeBusy_ = false;
};

}  // namespace files

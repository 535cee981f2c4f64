#pragma once
// The folder view shared by the main window and the folder chooser: the flat list (the path
// from the drive root, then the subfolders) and the tree (every level along the path with its
// subfolders), the path each entry stands for, and the drives a drive selector offers.
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/file_system.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace files {

struct FolderItem {
  std::string name;  // "C:\" for the drive root, else a folder name
  int depth = 0;
  bool open = false;  // a path component (open-folder picture) rather than a subfolder
};

// The upper-case drive letter of a path, 0 when it names none.
char DriveOf(const std::string& path);
// The folder names among a folder's entries; hidden folders only when showHidden.
std::vector<std::string> SubfoldersAmong(const std::vector<platform::FileEntry>& entries, bool showHidden);
// The flat view of folder: its path components, then its subfolders one level deeper.
std::vector<FolderItem> FlatFolderItems(const std::string& folder, const std::vector<std::string>& subfolders);
// The folder a flat entry stands for (with a trailing "\"); empty for an index out of range.
std::string FlatItemPath(const std::vector<FolderItem>& items, int index);
// The flat entries as the list shows them, indented two spaces a level; current is the folder.
std::vector<std::string> FlatItemTexts(const std::vector<FolderItem>& items, int& current);
// The tree along folder: each level's subfolders, the one on the path open.
std::vector<FolderItem> TreeFolderItems(platform::FileSystem& fs, const std::string& folder, bool showHidden);
// The folder a tree node stands for; empty for an index out of range.
std::string TreeItemPath(const std::vector<FolderItem>& nodes, int index);
// The tree as the tree control shows it; current is the deepest open node, the folder itself.
std::vector<ui::TreeView::Node> TreeViewNodes(const std::vector<FolderItem>& nodes, int& current);
// The drives a selector offers (the kinds that have a picture), and their names ("C:").
std::vector<platform::Drive> ListableDrives(platform::Drives& drives);
std::string DriveName(char letter);
// The picture of a drive in the drive selector; None for the kinds the selector leaves out.
ui::ItemPicture DrivePicture(platform::DriveType type);

}  // namespace files

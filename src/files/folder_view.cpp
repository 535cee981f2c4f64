#include "files/folder_view.h"

#include <cctype>

#include "base/path.h"
#include "base/sjis.h"

namespace files {

char DriveOf(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' ? static_cast<char>(std::toupper(static_cast<unsigned char>(path[0]))) : 0;
}

std::string DriveName(char letter) { return std::string(1, letter) + ":"; }

ui::ItemPicture DrivePicture(platform::DriveType type) {
  switch (type) {
    case platform::DriveType::Removable: return ui::ItemPicture::RemovableDrive;
    case platform::DriveType::Fixed: return ui::ItemPicture::FixedDrive;
    case platform::DriveType::Remote: return ui::ItemPicture::RemoteDrive;
    case platform::DriveType::CdRom: return ui::ItemPicture::CdDrive;
    case platform::DriveType::RamDisk: return ui::ItemPicture::RamDrive;
    default: return ui::ItemPicture::None;
  }
}

std::vector<platform::Drive> ListableDrives(platform::Drives& drives) {
  std::vector<platform::Drive> out;
  for (const platform::Drive& d : drives.list())
    if (DrivePicture(d.type) != ui::ItemPicture::None) out.push_back(d);
  return out;
}

std::vector<std::string> SubfoldersAmong(const std::vector<platform::FileEntry>& entries, bool showHidden) {
  std::vector<std::string> out;
  for (auto& e : entries) {
    if (!(e.attributes & platform::kAttrDirectory)) continue;
    if ((e.attributes & platform::kAttrHidden) && !showHidden) continue;
    out.push_back(e.name);
  }
  return out;
}

namespace {
std::vector<std::string> pathParts(const std::string& folder) {
  std::vector<std::string> parts = base::SplitPath(folder);
  while (parts.size() > 1 && parts.back().empty()) parts.pop_back();
  return parts;
}
}  // namespace

std::vector<FolderItem> FlatFolderItems(const std::string& folder, const std::vector<std::string>& subfolders) {
  std::vector<FolderItem> items;
  const std::vector<std::string> parts = pathParts(folder);
  int depth = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) items.push_back({i == 0 ? parts[0] + "\\" : parts[i], depth++, true});
  for (auto& s : subfolders) items.push_back({s, depth, false});
  return items;
}

std::string FlatItemPath(const std::vector<FolderItem>& items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  std::string path = items[0].name;
  for (int i = 1; i < static_cast<int>(items.size()); ++i) {
    if (items[i].open) {
      if (i > index) break;
      path += items[i].name + "\\";
    } else if (i == index) {
      path += items[i].name + "\\";
    }
  }
  return path;
}

std::vector<std::string> FlatItemTexts(const std::vector<FolderItem>& items, int& current) {
  std::vector<std::string> shown;
  shown.reserve(items.size());
  current = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    shown.push_back(std::string(items[i].depth * 2, ' ') + items[i].name);
    if (items[i].open) current = static_cast<int>(i);
  }
  return shown;
}

std::vector<FolderItem> TreeFolderItems(platform::FileSystem& fs, const std::string& folder, bool showHidden) {
  const std::vector<std::string> parts = pathParts(folder);
  std::vector<FolderItem> nodes;
  nodes.push_back({parts[0] + "\\", 0, true});
  std::string at = parts[0] + "\\";
  for (std::size_t level = 1; level <= parts.size(); ++level) {
    const bool last = level == parts.size();
    for (auto& s : SubfoldersAmong(fs.list(base::StripTrailingSlash(at), "*"), showHidden)) {
      const bool onPath = !last && base::SameTextIgnoringCase(s, parts[level]);
      nodes.push_back({s, static_cast<int>(level), onPath});
    }
    if (last) break;
    at = base::AddTrailingSlash(at + parts[level]);
  }
  return nodes;
}

std::string TreeItemPath(const std::vector<FolderItem>& nodes, int index) {
  if (index < 0 || index >= static_cast<int>(nodes.size())) return {};
  // The node's ancestors are the open nodes above it, one per level.
  std::vector<std::string> parts(nodes[index].depth + 1);
  parts[nodes[index].depth] = nodes[index].name;
  for (int i = index - 1, want = nodes[index].depth - 1; i >= 0 && want >= 0; --i)
    if (nodes[i].open && nodes[i].depth == want) parts[want--] = nodes[i].name;
  std::string path = parts[0];
  for (std::size_t p = 1; p < parts.size(); ++p) path = base::AddTrailingSlash(path) + parts[p];
  return path;
}

std::vector<ui::TreeView::Node> TreeViewNodes(const std::vector<FolderItem>& nodes, int& current) {
  std::vector<ui::TreeView::Node> out;
  current = -1;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    out.push_back({nodes[i].name, nodes[i].depth, nodes[i].open});
    if (nodes[i].open) current = static_cast<int>(i);  // the deepest open node is the folder itself
  }
  return out;
}

}  // namespace files

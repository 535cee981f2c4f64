#include "files/folders.h"

#include <algorithm>
#include <cctype>

#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"
#include "files/folder_history.h"

namespace files {

namespace {
const char kFlatCaption[] = "　普通のフォルダー";
const char kTreeBuilding[] = "---ｺ　ツリー構造のフォルダー";
const char kTreeCaption[] = "　ツリーフォルダー";

std::string rootOf(char drive) { return std::string(1, drive) + ":\\"; }
}  // namespace

std::string VolumeLabelText(platform::Drives& drives, char letter) {
  const auto label = drives.volumeLabel(letter);
  return label ? "[" + *label + "]" : std::string();
}

std::string DeepestExistingFolder(platform::FileSystem& fs, const std::string& path, const std::string& fallback) {
  std::string p = base::StripTrailingSlash(path);
  while (!p.empty()) {
    if (fs.folderExists(p)) return p;
    const std::string parent = base::StripTrailingSlash(base::ExtractFilePath(p));
    if (parent == p || parent.empty()) break;
    p = parent;
  }
  return fallback;
}

void RecordDriveFolder(std::vector<std::string>& list, const std::string& path) {
  const char d = DriveOf(path);
  for (auto& e : list)
    if (d && DriveOf(e) == d) {
      e = path;
      return;
    }
  list.push_back(path);
}

Folders::Folders(FoldersView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
                 ui::Application& app, FileList& files)
    : v_(view), s_(state), sv_(services), box_(box), app_(app), files_(files) {
  v_.ListBox1.setHint("普通のフォルダー");
  v_.TreeView1.setHint("ツリーフォルダー");
  v_.TreeView1.onChange = [this] { app_.loop().post([this] { TreeView1Change(); }); };
  v_.ComboBox2.setHint("ドライブの選択");
  v_.ButtonKaka.setHint("フォルダーヒストリーの表示");
  v_.ListBox1.onClick = [this] { ListBox1Click(); };
  v_.HeaderFolder.onClick = [this] { SwitchView(); };
  v_.ComboBox2.pictureOf = [this](int i) {
    return i >= 0 && i < static_cast<int>(ListedDrives.size()) ? DrivePicture(ListedDrives[i].type)
                                                                 : ui::ItemPicture::None;
  };
  v_.ComboBox2.onClick = [this] {
    const int i = v_.ComboBox2.itemIndex();
    if (i >= 0 && !v_.ComboBox2.item(i).empty()) ChangeDrive(v_.ComboBox2.item(i)[0]);
  };
  v_.K6.onClick = [this] { K6Click(); };
  v_.ButtonKaka.onClick = [this] { ButtonKakaClick(); };
  v_.ListBoxKaKo.onClick = [this] { ListBoxKaKoClick(); };
  v_.ListBoxKaKo.onDoubleClick = [this] { ButtonKaKoOKClick(); };
  v_.ButtonKaKoOK.onClick = [this] { ButtonKaKoOKClick(); };
  v_.ButtonKaKoRESET.onClick = [this] { ButtonKaKoRESETClick(); };
  v_.ButtonKaKoALLCUT.onClick = [this] { ButtonKaKoALLCUTClick(); };
  v_.ButtonKaKoCUT.onClick = [this] { ButtonKaKoCUTClick(); };
  v_.PanelKaKo.setCaption("過去のﾌｫﾙﾀﾞｰの選択");
}

std::vector<std::string> Folders::subfolders(const std::string& folder) {
  return subfoldersAmong(sv_.fs.list(base::StripTrailingSlash(folder), "*"));
}

std::vector<std::string> Folders::subfoldersAmong(const std::vector<platform::FileEntry>& entries) {
  return SubfoldersAmong(entries, s_.settings.showHiddenFolders);
}

std::vector<platform::FileEntry> Folders::BuildFlatList(const std::string& folder) {
  v_.HeaderFolder.setSection(0, std::string("---ｺ") + kFlatCaption);
  const std::string f = files_.UsableFolderOf(folder);
  sv_.fs.setCurrentFolder(f);
  s_.settings.folderPath = f;
  RecordDriveFolder(s_.DriveLastFolders, f);
  std::vector<platform::FileEntry> entries = sv_.fs.list(f, "*");
  SubfolderList = subfoldersAmong(entries);
  FlatItems = FlatFolderItems(f, SubfolderList);
  int current = -1;
  v_.ListBox1.setItems(FlatItemTexts(FlatItems, current));
  v_.ListBox1.tag = current;
  v_.ListBox1.setItemIndex(current);
  v_.HeaderFolder.setSection(0, std::to_string(v_.ListBox1.count()) + "ｺ" + kFlatCaption);
  return entries;
}

void Folders::BuildTree(const std::string& folder) {
  treeBusy_ = true;
  v_.HeaderFolder.setSection(0, kTreeBuilding);
  std::string f;
  try {
    f = files_.UsableFolderOf(folder);
  } catch (...) {
    treeBusy_ = false;
    throw;
  }
  sv_.fs.setCurrentFolder(f);
  s_.settings.folderPath = f;
  RecordDriveFolder(s_.DriveLastFolders, f);
  TreeNodes = TreeFolderItems(sv_.fs, f, s_.settings.showHiddenFolders);
  SubfolderList = subfolders(f);
  showTree();
  v_.HeaderFolder.setSection(0, std::to_string(TreeNodes.size()) + "ｺ" + kTreeCaption);
  treeBusy_ = false;
}

void Folders::showTree() {
  int current = -1;
  auto nodes = TreeViewNodes(TreeNodes, current);
  v_.TreeView1.setNodes(std::move(nodes), current);
}

std::string Folders::TreePath(int index) const { return TreeItemPath(TreeNodes, index); }

void Folders::TreeView1Change() {
  if (treeBusy_) return;
  const std::string path = TreePath(v_.TreeView1.selected());
  if (!path.empty()) OpenFolderTree(path);
}

void Folders::openWithRecovery(const std::string& path, bool tree) {
  auto build = [&](const std::string& p) {
    if (tree)
      BuildTree(p);
    else
      BuildFlatList(p);
  };
  try {
    build(path);
  } catch (const FolderError&) {
    box_.ShowTimed("フォルダー・エラー発生\n" + path + "\nエラーを回避してみます。", 1);
    const std::string fallback = rootOf(DriveOf(s_.WindowsFolder) ? DriveOf(s_.WindowsFolder) : 'C');
    try {
      build(DeepestExistingFolder(sv_.fs, path, fallback));
    } catch (const FolderError&) {
    }
  }
  files_.RebuildOrSay(s_.settings.folderPath);
}

void Folders::OpenFolderList(const std::string& path) { openWithRecovery(path, false); }
void Folders::OpenFolderTree(const std::string& path) { openWithRecovery(path, true); }

void Folders::OpenInCurrentView(const std::string& path) {
  if (s_.settings.folderViewMode == 1)
    OpenFolderTree(path);
  else
    OpenFolderList(path);
}

void Folders::ListBox1Click() {
  if (s_.run.BusyBulkAdd) {
    sv_.shell.beepExclamation();
    return;
  }
  const std::string path = FlatItemPath(FlatItems, v_.ListBox1.itemIndex());
  if (!path.empty()) OpenFolderList(path);
}

void Folders::SwitchView() {
  s_.settings.folderViewMode = s_.settings.folderViewMode == 1 ? 0 : 1;
  const bool tree = s_.settings.folderViewMode == 1;
  v_.TreeView1.setVisible(tree);
  v_.ListBox1.setVisible(!tree);
  OpenInCurrentView(s_.settings.folderPath);
}

void Folders::K6Click() {
  if (s_.run.MenuBusy || s_.run.RestoringSettings) return;
  bool& showHidden = s_.settings.showHiddenFolders;
  v_.K6.setChecked(showHidden = !showHidden);
  const std::string target = showHidden ? s_.settings.folderPath : rootOf(DriveOf(s_.settings.folderPath));
  // The hidden view first, the visible one last.
  try {
    if (s_.settings.folderViewMode == 1)
      BuildFlatList(target);
    else
      BuildTree(target);
  } catch (const FolderError&) {
  }
  OpenInCurrentView(target);
}

void Folders::selectDrive(char letter) { v_.ComboBox2.setItemIndex(v_.ComboBox2.indexOf(DriveName(letter))); }

void Folders::ListDrives() {
  ListedDrives = ListableDrives(sv_.drives);
  std::vector<std::string> names, cdDrives;
  for (const platform::Drive& d : ListedDrives) {
    names.push_back(DriveName(d.letter));
    if (d.type == platform::DriveType::CdRom) cdDrives.push_back(DriveName(d.letter));
  }
  v_.ComboBox2.setItems(std::move(names));
  v_.ListBoxCD.setItems(std::move(cdDrives));
  selectDrive(DriveOf(s_.settings.folderPath));
}

void Folders::ChangeDrive(char letter) {
  letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  if (sv_.drives.isReady(letter)) {
    selectDrive(letter);
    std::string folder;
    for (auto& e : s_.DriveLastFolders)
      if (DriveOf(e) == letter) folder = e;
    if (folder.empty()) folder = sv_.fs.fullPath(std::string(1, letter) + ":.");
    OpenInCurrentView(folder);
    return;
  }
  box_.ShowTimed("ドライブ・エラー発生\n" + std::string(1, letter) + "\n元のドライブに戻します", 1);
  const std::string& listed = files_.ListedFolder;
  const std::string back = DriveOf(listed) == letter ? rootOf(DriveOf(s_.WindowsFolder)) : listed;
  selectDrive(DriveOf(back));
  OpenInCurrentView(back);
}

void Folders::OpenFolderPath(const std::string& path) {
  const std::string f = files_.UsableFolderOf(path);
  sv_.fs.setCurrentFolder(f);
  RecordDriveFolder(s_.DriveLastFolders, f);
  ChangeDrive(DriveOf(f));
}

void Folders::RestoreFolderHistory() {
  v_.ListBoxKaKo.setItems(
      base::LoadLines(sv_.fs, s_.DataFolder + "ZeLC32FH.LIS").value_or(std::vector<std::string>{}));
  RecordFolderHistory(v_.ListBoxKaKo, v_.LabelKaKo, s_.settings.folderHistoryLimit, s_.settings.folderPath);
  v_.ListBoxKaKo.setItemIndex(v_.ListBoxKaKo.count() > 0 ? 0 : -1);
  ShowHistoryCount(v_.ListBoxKaKo, v_.LabelKaKo);
}

void Folders::ButtonKakaClick() {
  FolderBeforeHistory = files_.ListedFolder;
  ShowHistoryCount(v_.ListBoxKaKo, v_.LabelKaKo);
  v_.ButtonKaka.setVisible(false);
  showPanel(v_.PanelKaKo, true);
}

void Folders::ListBoxKaKoClick() {
  if (files_.SkipOnce) {
    files_.SkipOnce = false;
    return;
  }
  const int i = v_.ListBoxKaKo.itemIndex();
  if (i < 0) {
    sv_.shell.beepExclamation();
    return;
  }
  files_.HistoryNavigation = true;
  try {
    OpenFolderPath(v_.ListBoxKaKo.item(i));
  } catch (const FolderError&) {
    box_.ShowTimed("フォルダー・エラー発生\n" + v_.ListBoxKaKo.item(i) + "\nエラーを回避してみます。", 1);
  }
  files_.HistoryNavigation = false;
}

void Folders::ButtonKaKoOKClick() {
  showPanel(v_.PanelKaKo, false);
  RecordFolderHistory(v_.ListBoxKaKo, v_.LabelKaKo, s_.settings.folderHistoryLimit, files_.ListedFolder);
  v_.ButtonKaka.setVisible(true);
}

void Folders::ButtonKaKoRESETClick() {
  try {
    OpenFolderPath(FolderBeforeHistory);
  } catch (const FolderError&) {
    box_.ShowTimed("フォルダー・エラー発生\n" + FolderBeforeHistory + "\nエラーを回避してみます。", 1);
  }
}

void Folders::ButtonKaKoALLCUTClick() {
  v_.ListBoxKaKo.clear();
  ShowHistoryCount(v_.ListBoxKaKo, v_.LabelKaKo);
}

void Folders::ButtonKaKoCUTClick() {
  deleteSelected(v_.ListBoxKaKo);
  ShowHistoryCount(v_.ListBoxKaKo, v_.LabelKaKo);
}

void Folders::restoreAtStart() {
  ListDrives();
  const bool tree = s_.settings.folderViewMode == 1;
  v_.TreeView1.setVisible(tree);
  v_.ListBox1.setVisible(!tree);
  OpenInCurrentView(s_.settings.folderPath);
}

void Folders::saveAtClose() {
  try {
    base::SaveLines(sv_.fs, s_.DataFolder + "ZeLC32FH.LIS", v_.ListBoxKaKo.items());
  } catch (const std::exception&) {
  }
  try {
    base::SaveLines(sv_.fs, s_.DataFolder + "ZeLC32CD.LIS", s_.DriveLastFolders);
  } catch (const std::exception&) {
  }
}

}  // namespace files

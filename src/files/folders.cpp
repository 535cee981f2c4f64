#include "files/folders.h"

#include <algorithm>
#include <cctype>

#include "app/Zelcoru.h"
#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"
#include "files/file_list.h"
#include "files/folder_history.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"

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

Folders::Folders(app::TZELCOR32ZUMIK& w)
    : Button12(static_cast<ui::Button&>(*w.findControl("Button12"))),
      PanelDriveSearch(w.add<ui::Panel>(&w.PanelFF, "PanelDriveSearch", 0)),
      w_(w) {
  Button12.setCaption("検索中");
  Button12.setHint("検索結果をメモリーに登録中");
  Button12.setVisible(false);
  Button12.onClick = [this] { w_.S.run.StopRequested = true; };
  PanelDriveSearch.setVisible(false);
  w_.Button7.setHint("条件一致ファイルをメモリーに登録する");
  w_.Button7.onClick = [this] { BulkRegister(); };
  w_.ListBox1.setHint("普通のフォルダー");
  w_.TreeView1.setHint("ツリーフォルダー");
  w_.TreeView1.onChange = [this] { w_.app().loop().post([this] { TreeView1Change(); }); };
  w_.ComboBox2.setHint("ドライブの選択");
  w_.ButtonKaka.setHint("フォルダーヒストリーの表示");
  w_.ListBox1.onClick = [this] { ListBox1Click(); };
  w_.HeaderFolder.onClick = [this] { SwitchView(); };
  w_.ComboBox2.pictureOf = [this](int i) {
    return i >= 0 && i < static_cast<int>(ListedDrives.size()) ? DrivePicture(ListedDrives[i].type)
                                                                 : ui::ItemPicture::None;
  };
  w_.ComboBox2.onClick = [this] {
    const int i = w_.ComboBox2.itemIndex();
    if (i >= 0 && !w_.ComboBox2.item(i).empty()) ChangeDrive(w_.ComboBox2.item(i)[0]);
  };
  w_.menu("K6").onClick = [this] { K6Click(); };
  w_.ButtonKaka.onClick = [this] { ButtonKakaClick(); };
  w_.ListBoxKaKo.onClick = [this] { ListBoxKaKoClick(); };
  w_.ListBoxKaKo.onDoubleClick = [this] { ButtonKaKoOKClick(); };
  w_.findControl("ButtonKaKoOK")->onClick = [this] { ButtonKaKoOKClick(); };
  w_.findControl("ButtonKaKoRESET")->onClick = [this] { ButtonKaKoRESETClick(); };
  w_.findControl("ButtonKaKoALLCUT")->onClick = [this] { ButtonKaKoALLCUTClick(); };
  w_.findControl("ButtonKaKoCUT")->onClick = [this] { ButtonKaKoCUTClick(); };
  w_.PanelKaKo.setCaption("過去のﾌｫﾙﾀﾞｰの選択");
}

std::vector<std::string> Folders::subfolders(const std::string& folder) {
  return subfoldersAmong(w_.Sv.fs.list(base::StripTrailingSlash(folder), "*"));
}

std::vector<std::string> Folders::subfoldersAmong(const std::vector<platform::FileEntry>& entries) {
  return SubfoldersAmong(entries, w_.S.settings.showHiddenFolders);
}

std::vector<platform::FileEntry> Folders::BuildFlatList(const std::string& folder) {
  w_.HeaderFolder.setSection(0, std::string("---ｺ") + kFlatCaption);
  const std::string f = w_.Files->UsableFolderOf(folder);
  w_.Sv.fs.setCurrentFolder(f);
  w_.S.settings.folderPath = f;
  RecordDriveFolder(w_.S.DriveLastFolders, f);
  std::vector<platform::FileEntry> entries = w_.Sv.fs.list(f, "*");
  SubfolderList = subfoldersAmong(entries);
  FlatItems = FlatFolderItems(f, SubfolderList);
  int current = -1;
  w_.ListBox1.setItems(FlatItemTexts(FlatItems, current));
  w_.ListBox1.tag = current;
  w_.ListBox1.setItemIndex(current);
  w_.HeaderFolder.setSection(0, std::to_string(w_.ListBox1.count()) + "ｺ" + kFlatCaption);
  return entries;
}

void Folders::BuildTree(const std::string& folder) {
  treeBusy_ = true;
  w_.HeaderFolder.setSection(0, kTreeBuilding);
  std::string f;
  try {
    f = w_.Files->UsableFolderOf(folder);
  } catch (...) {
    treeBusy_ = false;
    throw;
  }
  w_.Sv.fs.setCurrentFolder(f);
  w_.S.settings.folderPath = f;
  RecordDriveFolder(w_.S.DriveLastFolders, f);
  TreeNodes = TreeFolderItems(w_.Sv.fs, f, w_.S.settings.showHiddenFolders);
  SubfolderList = subfolders(f);
  showTree();
  w_.HeaderFolder.setSection(0, std::to_string(TreeNodes.size()) + "ｺ" + kTreeCaption);
  treeBusy_ = false;
}

void Folders::showTree() {
  int current = -1;
  auto nodes = TreeViewNodes(TreeNodes, current);
  w_.TreeView1.setNodes(std::move(nodes), current);
}

std::string Folders::TreePath(int index) const { return TreeItemPath(TreeNodes, index); }

void Folders::TreeView1Change() {
  if (treeBusy_) return;
  const std::string path = TreePath(w_.TreeView1.selected());
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
    w_.MKBoxDlg1.ShowTimed("フォルダー・エラー発生\n" + path + "\nエラーを回避してみます。", 1);
    const std::string fallback = rootOf(DriveOf(w_.S.WindowsFolder) ? DriveOf(w_.S.WindowsFolder) : 'C');
    try {
      build(DeepestExistingFolder(w_.Sv.fs, path, fallback));
    } catch (const FolderError&) {
    }
  }
  try {
    w_.Files->RebuildFileList(w_.S.settings.folderPath);
  } catch (const FolderError&) {
    w_.MKBoxDlg1.ShowTimed(
        "ファイルリスト・エラー発生\n" + w_.S.settings.folderPath + "\n別のドライブか、フォルダーを選択してみて下さい", 1);
  }
}

void Folders::OpenFolderList(const std::string& path) { openWithRecovery(path, false); }
void Folders::OpenFolderTree(const std::string& path) { openWithRecovery(path, true); }

void Folders::OpenInCurrentView(const std::string& path) {
  if (w_.S.settings.folderViewMode == 1)
    OpenFolderTree(path);
  else
    OpenFolderList(path);
}

void Folders::ListBox1Click() {
  if (w_.S.run.BusyBulkAdd) {
    w_.Sv.shell.beepExclamation();
    return;
  }
  const std::string path = FlatItemPath(FlatItems, w_.ListBox1.itemIndex());
  if (!path.empty()) OpenFolderList(path);
}

void Folders::SwitchView() {
  w_.S.settings.folderViewMode = w_.S.settings.folderViewMode == 1 ? 0 : 1;
  const bool tree = w_.S.settings.folderViewMode == 1;
  w_.TreeView1.setVisible(tree);
  w_.ListBox1.setVisible(!tree);
  OpenInCurrentView(w_.S.settings.folderPath);
}

void Folders::K6Click() {
  if (w_.S.run.MenuBusy || w_.S.run.RestoringSettings) return;
  bool& showHidden = w_.S.settings.showHiddenFolders;
  w_.menu("K6").setChecked(showHidden = !showHidden);
  const std::string target = showHidden ? w_.S.settings.folderPath : rootOf(DriveOf(w_.S.settings.folderPath));
  // The hidden view first, the visible one last.
  try {
    if (w_.S.settings.folderViewMode == 1)
      BuildFlatList(target);
    else
      BuildTree(target);
  } catch (const FolderError&) {
  }
  OpenInCurrentView(target);
}

void Folders::selectDrive(char letter) { w_.ComboBox2.setItemIndex(w_.ComboBox2.indexOf(DriveName(letter))); }

void Folders::ListDrives() {
  ListedDrives = ListableDrives(w_.Sv.drives);
  std::vector<std::string> names, cdDrives;
  for (const platform::Drive& d : ListedDrives) {
    names.push_back(DriveName(d.letter));
    if (d.type == platform::DriveType::CdRom) cdDrives.push_back(DriveName(d.letter));
  }
  w_.ComboBox2.setItems(std::move(names));
  static_cast<ui::ListBox*>(w_.findControl("ListBoxCD"))->setItems(std::move(cdDrives));
  selectDrive(DriveOf(w_.S.settings.folderPath));
}

void Folders::ChangeDrive(char letter) {
  letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  if (w_.Sv.drives.isReady(letter)) {
    selectDrive(letter);
    std::string folder;
    for (auto& e : w_.S.DriveLastFolders)
      if (DriveOf(e) == letter) folder = e;
    if (folder.empty()) folder = w_.Sv.fs.fullPath(std::string(1, letter) + ":.");
    OpenInCurrentView(folder);
    return;
  }
  w_.MKBoxDlg1.ShowTimed("ドライブ・エラー発生\n" + std::string(1, letter) + "\n元のドライブに戻します", 1);
  const std::string& listed = w_.Files->ListedFolder;
  const std::string back = DriveOf(listed) == letter ? rootOf(DriveOf(w_.S.WindowsFolder)) : listed;
  selectDrive(DriveOf(back));
  OpenInCurrentView(back);
}

void Folders::OpenFolderPath(const std::string& path) {
  const std::string f = w_.Files->UsableFolderOf(path);
  w_.Sv.fs.setCurrentFolder(f);
  RecordDriveFolder(w_.S.DriveLastFolders, f);
  ChangeDrive(DriveOf(f));
}

void Folders::RestoreFolderHistory() {
  w_.ListBoxKaKo.setItems(
      base::LoadLines(w_.Sv.fs, w_.S.DataFolder + "ZeLC32FH.LIS").value_or(std::vector<std::string>{}));
  RecordFolderHistory(w_.ListBoxKaKo, w_.LabelKaKo, w_.S.settings.folderHistoryLimit, w_.S.settings.folderPath);
  w_.ListBoxKaKo.setItemIndex(w_.ListBoxKaKo.count() > 0 ? 0 : -1);
  ShowHistoryCount(w_.ListBoxKaKo, w_.LabelKaKo);
}

void Folders::ButtonKakaClick() {
  FolderBeforeHistory = w_.Files->ListedFolder;
  ShowHistoryCount(w_.ListBoxKaKo, w_.LabelKaKo);
  w_.ButtonKaka.setVisible(false);
  w_.ShowPanel(w_.PanelKaKo, true);
}

void Folders::ListBoxKaKoClick() {
  if (w_.Files->SkipOnce) {
    w_.Files->SkipOnce = false;
    return;
  }
  const int i = w_.ListBoxKaKo.itemIndex();
  if (i < 0) {
    w_.Sv.shell.beepExclamation();
    return;
  }
  w_.Files->HistoryNavigation = true;
  try {
    OpenFolderPath(w_.ListBoxKaKo.item(i));
  } catch (const FolderError&) {
    w_.MKBoxDlg1.ShowTimed("フォルダー・エラー発生\n" + w_.ListBoxKaKo.item(i) + "\nエラーを回避してみます。", 1);
  }
  w_.Files->HistoryNavigation = false;
}

void Folders::ButtonKaKoOKClick() {
  w_.ShowPanel(w_.PanelKaKo, false);
  RecordFolderHistory(w_.ListBoxKaKo, w_.LabelKaKo, w_.S.settings.folderHistoryLimit, w_.Files->ListedFolder);
  w_.ButtonKaka.setVisible(true);
}

void Folders::ButtonKaKoRESETClick() {
  try {
    OpenFolderPath(FolderBeforeHistory);
  } catch (const FolderError&) {
    w_.MKBoxDlg1.ShowTimed("フォルダー・エラー発生\n" + FolderBeforeHistory + "\nエラーを回避してみます。", 1);
  }
}

void Folders::ButtonKaKoALLCUTClick() {
  w_.ListBoxKaKo.clear();
  ShowHistoryCount(w_.ListBoxKaKo, w_.LabelKaKo);
}

void Folders::ButtonKaKoCUTClick() {
  w_.TrashBin->DeleteSelectedEntries(w_.ListBoxKaKo);
  ShowHistoryCount(w_.ListBoxKaKo, w_.LabelKaKo);
}

bool Folders::walk(const std::string& folder, char drive, const std::string& disc) {
  if (w_.S.run.CloseRequested) return false;
  try {
    // One read of the folder for both lists: the walk reads thousands of folders.
    w_.Files->RebuildFileList(folder, BuildFlatList(folder));
  } catch (const FolderError&) {
    return true;  // a folder that vanished is passed over
  }
  const std::string prefix = base::AddTrailingSlash(w_.S.settings.folderPath);
  const bool namesOnly = w_.S.settings.namesOnly;
  const std::vector<std::string> entries = w_.ListBox4.items();
  const std::vector<std::string> subs = SubfolderList;
  for (auto& e : entries) {
    if (w_.ListBox2.count() >= kMemoryEntryLimit) {
      w_.MKBoxDlg1.ShowTimed("バッファーが、いっぱいです。\n検索を強制終了しました。", 1);
      return false;
    }
    std::string entry = prefix + e;
    if (!disc.empty() && base::UpperCase(base::ExtractFileExt(e)).substr(0, 4) == ".CDA")
      entry = ">" + entry + "/" + disc;
    w_.ListBox2.add(entry);
    if (namesOnly) w_.ListBox8.add(w_.Memory->DisplayName(entry));
  }
  if (!entries.empty()) {
    w_.ListBox2.setItemIndex(w_.ListBox2.count() - 1);
    if (namesOnly) w_.ListBox8.setItemIndex(w_.ListBox8.count() - 1);
  }
  w_.app().processMessages();
  if (w_.S.run.StopRequested) {
    w_.MKBoxDlg1.ShowTimed("中断ボタンが押されました。\n検索を強制終了します。", 1);
    return false;
  }
  if (w_.ListBox2.count() >= kMemoryEntryLimit) {
    w_.MKBoxDlg1.ShowTimed("バッファーが、いっぱいです。\n検索を強制終了しました。", 1);
    return false;
  }
  for (auto& s : subs) {
    if (base::SameTextIgnoringCase(s, "NetHood")) continue;
    if (!walk(base::AddTrailingSlash(prefix + s), drive, disc)) return false;
  }
  return true;
}

void Folders::BulkRegister() {
  if (w_.S.run.BusyBulkAdd) return;
  w_.S.run.BusyBulkAdd = true;
  w_.app().setBusyCursor(true);
  w_.S.run.StopRequested = false;
  const std::string start = w_.S.settings.folderPath;
  const bool memoryView = w_.MemoryViewShown();
  const char drive = DriveOf(start);
  w_.Button11.setVisible(false);
  // "検索中" stands where "一括登録" stood, as the button that stops the search.
  Button12.setBounds(w_.Button7.bounds());
  w_.Button7.setVisible(false);
  Button12.setVisible(true);
  PanelDriveSearch.setCaption(std::string(1, drive) + ":ﾄﾞﾗｲﾌﾞ検索中");
  PanelDriveSearch.setBounds(w_.ComboBox2.bounds());
  PanelDriveSearch.setVisible(true);
  const bool treeShown = w_.S.settings.folderViewMode == 1;
  w_.TreeView1.setVisible(false);
  w_.ListBox1.setVisible(true);
  const std::string disc = discIdentity && drive ? discIdentity(drive) : std::string();
  walk(start, drive, disc);
  w_.S.run.StopRequested = false;
  w_.TreeView1.setVisible(treeShown);
  w_.ListBox1.setVisible(!treeShown);
  OpenInCurrentView(start);
  w_.Memory->AlignVolumes();
  w_.Memory->ShowEntryCount();
  if (memoryListChanged) memoryListChanged();
  Button12.setVisible(false);
  w_.Button7.setVisible(true);
  w_.Button11.setVisible(memoryView);
  PanelDriveSearch.setVisible(false);
  w_.app().setBusyCursor(false);
  w_.S.run.BusyBulkAdd = false;
  w_.Files->ShowSelectedFile(w_.ListBox2);
}

void Folders::restoreAtStart() {
  ListDrives();
  const bool tree = w_.S.settings.folderViewMode == 1;
  w_.TreeView1.setVisible(tree);
  w_.ListBox1.setVisible(!tree);
  OpenInCurrentView(w_.S.settings.folderPath);
}

void Folders::saveAtClose() {
  try {
    base::SaveLines(w_.Sv.fs, w_.S.DataFolder + "ZeLC32FH.LIS", w_.ListBoxKaKo.items());
  } catch (const std::exception&) {
  }
  try {
    base::SaveLines(w_.Sv.fs, w_.S.DataFolder + "ZeLC32CD.LIS", w_.S.DriveLastFolders);
  } catch (const std::exception&) {
  }
}

}  // namespace files

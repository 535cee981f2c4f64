#include "memory/bulk_add.h"

#include "base/path.h"
#include "base/sjis.h"
#include "files/folder_view.h"

namespace memory {

BulkAdd::BulkAdd(BulkAddView view, core::SharedState& state, dialogs::TMKBoxDlg& box, files::FileList& files,
                 files::Folders& folders, MemoryLists& memory)
    : Button12(view.Button12),
      PanelDriveSearch(view.form.add<ui::Panel>(&view.PanelFF, "PanelDriveSearch", 0)),
      v_(view),
      s_(state),
      box_(box),
      files_(files),
      folders_(folders),
      memory_(memory) {
  Button12.setCaption("検索中");
  Button12.setHint("検索結果をメモリーに登録中");
  Button12.setVisible(false);
  Button12.onClick = [this] { s_.run.StopRequested = true; };
  PanelDriveSearch.setVisible(false);
  v_.Button7.setHint("条件一致ファイルをメモリーに登録する");
  v_.Button7.onClick = [this] { BulkRegister(); };
}

bool BulkAdd::full() {
  if (v_.ListBox2.count() < kEntryLimit) return false;
  box_.ShowTimed("バッファーが、いっぱいです。\n検索を強制終了しました。", 1);
  return true;
}

bool BulkAdd::walk(const std::string& folder, const std::string& disc) {
  if (s_.run.CloseRequested) return false;
  try {
    // One read of the folder for both lists: the walk reads thousands of folders.
    files_.RebuildFileList(folder, folders_.BuildFlatList(folder));
  } catch (const files::FolderError&) {
    return true;  // a folder that vanished is passed over
  }
  const std::string prefix = base::AddTrailingSlash(s_.settings.folderPath);
  const bool namesOnly = s_.settings.namesOnly;
  const std::vector<std::string> entries = v_.ListBox4.items();
  const std::vector<std::string> subs = folders_.SubfolderList;
  for (auto& e : entries) {
    if (full()) return false;
    std::string entry = prefix + e;
    if (!disc.empty() && base::UpperCase(base::ExtractFileExt(e)).substr(0, 4) == ".CDA")
      entry = ">" + entry + "/" + disc;
    v_.ListBox2.add(entry);
    if (namesOnly) v_.ListBox8.add(memory_.DisplayName(entry));
  }
  if (!entries.empty()) {
    v_.ListBox2.setItemIndex(v_.ListBox2.count() - 1);
    if (namesOnly) v_.ListBox8.setItemIndex(v_.ListBox8.count() - 1);
  }
  v_.form.app().processMessages();
  if (s_.run.StopRequested) {
    box_.ShowTimed("中断ボタンが押されました。\n検索を強制終了します。", 1);
    return false;
  }
  if (full()) return false;
  for (auto& s : subs) {
    if (base::SameTextIgnoringCase(s, "NetHood")) continue;
    if (!walk(base::AddTrailingSlash(prefix + s), disc)) return false;
  }
  return true;
}

void BulkAdd::BulkRegister() {
  if (s_.run.BusyBulkAdd) return;
  s_.run.BusyBulkAdd = true;
  ui::Application& app = v_.form.app();
  app.setBusyCursor(true);
  s_.run.StopRequested = false;
  const std::string start = s_.settings.folderPath;
  const bool memoryView = v_.Button11.visible();
  const char drive = files::DriveOf(start);
  v_.Button11.setVisible(false);
  // "検索中" stands where "一括登録" stood, as the button that stops the search.
  Button12.setBounds(v_.Button7.bounds());
  v_.Button7.setVisible(false);
  Button12.setVisible(true);
  PanelDriveSearch.setCaption(std::string(1, drive) + ":ﾄﾞﾗｲﾌﾞ検索中");
  PanelDriveSearch.setBounds(v_.ComboBox2.bounds());
  PanelDriveSearch.setVisible(true);
  const bool treeShown = s_.settings.folderViewMode == 1;
  v_.TreeView1.setVisible(false);
  v_.ListBox1.setVisible(true);
  const std::string disc = discIdentity && drive ? discIdentity(drive) : std::string();
  walk(start, disc);
  s_.run.StopRequested = false;
  v_.TreeView1.setVisible(treeShown);
  v_.ListBox1.setVisible(!treeShown);
  folders_.OpenInCurrentView(start);
  memory_.AlignVolumes();
  memory_.ShowEntryCount();
  if (memoryListChanged) memoryListChanged();
  Button12.setVisible(false);
  v_.Button7.setVisible(true);
  v_.Button11.setVisible(memoryView);
  PanelDriveSearch.setVisible(false);
  app.setBusyCursor(false);
  s_.run.BusyBulkAdd = false;
  files_.ShowSelectedFile(v_.ListBox2);
}

}  // namespace memory

#include "files/Dir2view.h"

#include <algorithm>

#include "base/format.h"
#include "base/path.h"
#include "base/sjis.h"
#include "dialogs/placement.h"
#include "files/file_list.h"
#include "files/folders.h"

namespace files {

namespace {
constexpr int kEveryAttribute = platform::kAttrReadOnly | platform::kAttrHidden | platform::kAttrSystem |
                                platform::kAttrArchive;
const char kAllFiles[] = "*.*";
const char kNameCaption[] = "ｺ　ファイル名";

std::string rootOf(char drive) { return std::string(1, drive) + ":\\"; }
std::string parentOf(const std::string& folder) {
  return base::StripTrailingSlash(base::ExtractFilePath(base::StripTrailingSlash(folder)));
}
}  // namespace

ChooserFilter ParseChooserFilter(const std::string& filter) {
  std::vector<std::string> pieces;
  std::string text = filter.empty() ? std::string("ALL files|*.*") : filter;
  std::size_t at = 0;
  for (;;) {
    const std::size_t bar = text.find('|', at);
    pieces.push_back(text.substr(at, bar == std::string::npos ? std::string::npos : bar - at));
    if (bar == std::string::npos) break;
    at = bar + 1;
  }
  ChooserFilter out;
  for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
    out.captions.push_back(pieces[i] + " (" + pieces[i + 1] + ")");
    out.masks.push_back(pieces[i + 1]);
  }
  if (std::find(out.masks.begin(), out.masks.end(), kAllFiles) == out.masks.end()) {
    out.captions.push_back("ALL files (*.*)");
    out.masks.push_back(kAllFiles);
  }
  return out;
}

ui::ListView::Row FileRow(const platform::FileEntry& e, platform::Clock& clock) {
  std::string ext = base::ExtractFileExt(e.name);
  if (!ext.empty()) ext.erase(0, 1);
  std::string attrs = "    ";
  if (e.attributes & platform::kAttrReadOnly) attrs[0] = 'R';
  if (e.attributes & platform::kAttrSystem) attrs[1] = 'S';
  if (e.attributes & platform::kAttrHidden) attrs[2] = 'H';
  if (e.attributes & platform::kAttrArchive) attrs[3] = 'A';
  ui::ListView::Row row;
  row.texts = {e.name, base::FormatNumber(static_cast<double>(e.size), 8, 0), base::UpperCase(ext),
               base::FormatDateTime("yy/mm/dd hh:mm:ss ddd", clock.localFromFileTime(e.lastWrite)), attrs};
  row.italic = attrs[1] == 'S';
  row.struckOut = attrs[2] == 'H';
  return row;
}

int CompareSizeTexts(const std::string& a, const std::string& b) {
  const std::size_t width = std::max(a.size(), b.size());
  return std::string(width - a.size(), ' ').append(a).compare(std::string(width - b.size(), ' ').append(b));
}

std::string ShortFolderPrompt(const std::string& folder) {
  if (base::CharCount(folder) <= 38) return folder;
  // The last 36 characters, counted from the end on whole characters.
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < folder.size(); i += base::CharLengthAt(folder, i)) starts.push_back(i);
  return "..." + folder.substr(starts[starts.size() - 36]);
}

TDIR2VIEWForm::TDIR2VIEWForm(ui::Application& app, ChooserServices services, const std::string& filter,
                             bool standardColor, dialogs::TSNBoxDlg& newFolderBox)
    : ui::Form(app, "DIR2VIEWForm", "TDIR2VIEWForm"),
      ComboBoxDrive(add<ui::ComboBox>(this, "ComboBoxDrive", 201)),
      HeaderFolder(add<ui::Header>(this, "HeaderFolder", 202)),
      ListBoxFolder(add<ui::ListBox>(this, "ListBoxFolder", 203)),
      TreeViewFolder(add<ui::TreeView>(this, "TreeViewFolder", 204)),
      ListView1(add<ui::ListView>(this, "ListView1", 205)),
      ComboBox_KAKU(add<ui::ComboBox>(this, "ComboBox_KAKU", 206)),
      LabelFolder(add<ui::Label>(this, "LabelFolder", 207)),
      Edit_Folder(add<ui::Edit>(this, "Edit_Folder", 208)),
      Button_HF(add<ui::Button>(this, "Button_HF", 209)),
      Button_BF(add<ui::Button>(this, "Button_BF", 210)),
      Button_NF(add<ui::Button>(this, "Button_NF", 211)),
      Button_DF(add<ui::Button>(this, "Button_DF", 212)),
      ColorBtn1(add<ui::Button>(this, "ColorBtn1", 1)),
      ColorBtn2(add<ui::Button>(this, "ColorBtn2", 2)),
      MKBoxDlg1(app),
      sv_(std::move(services)),
      newFolderBox_(newFolderBox) {
  isDialog = true;
  alwaysOnTop = true;
  setCaption(" フォルダーの参照");
  dialogs::PaintLikeMainWindow(*this);
  MKBoxDlg1.SourceHandle = this;
  const ui::Color field = standardColor ? ui::kWindowColor : ui::kParentColor;
  for (ui::Control* c : std::initializer_list<ui::Control*>{&ListBoxFolder, &TreeViewFolder, &ListView1, &Edit_Folder,
                                                            &ComboBox_KAKU})
    c->setColor(field);

  ComboBoxDrive.setHint("ドライブの選択");
  ComboBoxDrive.pictureOf = [this](int i) {
    return i >= 0 && i < static_cast<int>(drives_.size()) ? DrivePicture(drives_[i].type) : ui::ItemPicture::None;
  };
  ComboBoxDrive.onClick = [this] {
    const int i = ComboBoxDrive.itemIndex();
    if (i >= 0 && i < static_cast<int>(drives_.size())) ChangeDrive(drives_[i].letter);
  };
  HeaderFolder.setSections({"フォルダー"});
  HeaderFolder.onClick = [this] { HeaderFolderClick(); };
  ListBoxFolder.setHint("普通のフォルダー");
  ListBoxFolder.setVisible(false);
  ListBoxFolder.onClick = [this] {
    const std::string path = FlatItemPath(flatItems_, ListBoxFolder.itemIndex());
    if (!path.empty()) OpenFolder(path);
  };
  TreeViewFolder.setHint("ツリーフォルダー");
  // After the tree's own notification has finished: opening rebuilds the tree.
  TreeViewFolder.onChange = [this] {
    this->app().loop().post([this] {
      const std::string path = TreeItemPath(treeNodes_, TreeViewFolder.selected());
      if (!building_ && !path.empty()) OpenFolder(path);
    });
  };
  ListView1.setHint("ファイル一覧");
  ListView1.onColumnClick = [this](int column) { ListView1ColumnClick(column); };

  const ChooserFilter f = ParseChooserFilter(filter);
  masks_ = f.masks;
  ComboBox_KAKU.setHint("ファイルフィルター");
  ComboBox_KAKU.setItems(f.captions);
  ComboBox_KAKU.setItemIndex(0);
  ComboBox_KAKU.onClick = [this] {
    const int i = ComboBox_KAKU.itemIndex();
    if (i < 0 || i >= static_cast<int>(masks_.size())) return;
    maskIndex_ = i;
    RebuildFileList();
  };
  LabelFolder.setCaption("フォルダー");
  Edit_Folder.setHint("設定フォルダー名");

  struct Face {
    ui::Button& b;
    const char* caption;
    const char* hint;
    void (TDIR2VIEWForm::*click)();
  };
  for (const Face& face : {Face{Button_HF, "HF", "一個前のフォルダー", &TDIR2VIEWForm::Button_HFClick},
                           Face{Button_BF, "BF", "一つ上階層フォルダー", &TDIR2VIEWForm::Button_BFClick},
                           Face{Button_NF, "NF", "フォルダー新規作成", &TDIR2VIEWForm::Button_NFClick},
                           Face{Button_DF, "DF", "フォルダー削除", &TDIR2VIEWForm::Button_DFClick}}) {
    face.b.setCaption(face.caption);
    face.b.setHint(face.hint);
    face.b.onClick = [this, click = face.click] { (this->*click)(); };
  }
  Button_HF.setEnabled(false);
  ColorBtn1.setCaption("設定");
  ColorBtn1.isDefault = true;
  ColorBtn1.onClick = [this] { ColorBtn1Click(); };
  ColorBtn2.setCaption("中止");
  ColorBtn2.isCancel = true;
  ColorBtn2.modalResult = ui::kResultAbort;

  // The file list is wide enough that its columns, sized as shares of its width, show a
  // whole size, date and attribute text in the window's font.
  constexpr int kListLeft = 216, kListWidth = 560, kRight = kListLeft + kListWidth;
  ComboBoxDrive.setBounds(8, 8, 200, 22);
  ComboBox_KAKU.setBounds(kListLeft, 8, 260, 22);
  const int buttonsLeft = kRight - 4 * 34 + 2;
  ui::Button* row[] = {&Button_HF, &Button_BF, &Button_NF, &Button_DF};
  for (int i = 0; i < 4; ++i) row[i]->setBounds(buttonsLeft + i * 34, 7, 32, 24);
  HeaderFolder.setBounds(8, 36, 200, 20);
  ListBoxFolder.setBounds(8, 56, 200, 300);
  TreeViewFolder.setBounds(8, 56, 200, 300);
  ListView1.setBounds(kListLeft, 36, kListWidth, 320);
  const int w = ListView1.bounds().width;
  ListView1.setColumns({{"ファイル名", w / 3 - 24, false},
                        {"サイズ", w / 5 - 10, true},
                        {"種類", w / 9 - 10, false},
                        {"日付", w / 3 - 10, true},
                        {"属性", w / 9 - 10, false}});
  LabelFolder.setBounds(8, 369, 60, 16);
  Edit_Folder.setBounds(70, 366, kRight - 70 - 2 * 85 - 10, 22);
  ColorBtn1.setBounds(kRight - 2 * 85 + 10, 364, 75, 25);
  ColorBtn2.setBounds(kRight - 75, 364, 75, 25);
  setBounds(0, 0, kRight + 8, 400);

  drives_ = ListableDrives(sv_.drives);
  std::vector<std::string> names;
  for (auto& d : drives_) names.push_back(DriveName(d.letter));
  ComboBoxDrive.setItems(std::move(names));
}

void TDIR2VIEWForm::selectDrive(char letter) {
  for (int i = 0; i < static_cast<int>(drives_.size()); ++i)
    if (drives_[i].letter == letter) ComboBoxDrive.setItemIndex(i);
}

void TDIR2VIEWForm::OpenStart(const std::string& start) {
  const std::string folder = start.empty() ? base::StripTrailingSlash(sv_.programFolder)
                                           : DeepestExistingFolder(sv_.fs, start, base::StripTrailingSlash(sv_.programFolder));
  OpenFolder(folder);
}

bool TDIR2VIEWForm::OpenFolder(const std::string& path) {
  const std::string f = base::StripTrailingSlash(path);
  if (f.empty() || !sv_.fs.folderExists(f)) {
    if (tree_) {
      // The tree stays as it was: the user picks another node.
      MKBoxDlg1.ShowTimed("フォルダー・エラー発生\n" + f + "\n別のフォルダーを選択して下さい☆", 1);
      return false;
    }
    MKBoxDlg1.ShowTimed("フォルダー・エラー発生\n" + path + "\nエラーを回避してみます。", 1);
    const std::string nearest = DeepestExistingFolder(sv_.fs, f, base::StripTrailingSlash(sv_.programFolder));
    return sv_.fs.folderExists(nearest) && nearest != f && OpenFolder(nearest);
  }
  sv_.fs.setCurrentFolder(f);
  ChooserFolder = f;
  ChooserBackStack.push_back(f);
  Button_HF.setEnabled(ChooserBackStack.size() >= 2);
  RecordDriveFolder(driveLastFolders_, f);
  selectDrive(DriveOf(f));
  showFolderView(f);
  RebuildFileList();
  Edit_Folder.setText(f);
  return true;
}

void TDIR2VIEWForm::showFolderView(const std::string& folder) {
  building_ = true;
  int current = -1;
  if (tree_) {
    treeNodes_ = TreeFolderItems(sv_.fs, folder, false);
    TreeViewFolder.setNodes(TreeViewNodes(treeNodes_, current), current);
  } else {
    flatItems_ = FlatFolderItems(folder, SubfoldersAmong(sv_.fs.list(folder, "*"), false));
    ListBoxFolder.setItems(FlatItemTexts(flatItems_, current));
    ListBoxFolder.setItemIndex(current);
  }
  building_ = false;
}

void TDIR2VIEWForm::ChangeDrive(char letter) {
  if (!sv_.drives.isReady(letter)) {
    MKBoxDlg1.ShowTimed("ドライブ・エラー発生\n" + std::string(1, letter) + "\n元のドライブに戻します", 1);
    selectDrive(DriveOf(ChooserFolder));
    return;
  }
  std::string folder = rootOf(letter);
  for (auto& e : driveLastFolders_)
    if (DriveOf(e) == letter) folder = e;
  OpenFolder(folder);
}

void TDIR2VIEWForm::RebuildFileList() {
  ListView1.setColumnCaption(0, std::string("---") + kNameCaption);
  std::vector<ui::ListView::Row> rows;
  for (const std::string& piece : PatternPieces(activeMask()))
    for (const platform::FileEntry& e : sv_.fs.list(ChooserFolder, piece))
      if (Enumerated(e.attributes, kEveryAttribute)) rows.push_back(FileRow(e, sv_.clock));
  std::stable_sort(rows.begin(), rows.end(), [](auto& a, auto& b) { return a.texts[0] < b.texts[0]; });
  // Names start ascending; the first click on any other column sorts it ascending.
  descending_ = {false, true, true, true, true};
  const int n = static_cast<int>(rows.size());
  ListView1.setRows(std::move(rows), n > 0 ? 0 : -1);
  ListView1.setColumnCaption(0, std::to_string(n) + kNameCaption);
}

void TDIR2VIEWForm::ListView1ColumnClick(int column) {
  if (sorting_ || column < 0 || column >= static_cast<int>(descending_.size())) return;
  sorting_ = true;
  const bool reverse = descending_[column] = !descending_[column];
  std::vector<ui::ListView::Row> rows = ListView1.rows();
  const int sel = ListView1.selected();
  const std::string selectedName = sel >= 0 ? rows[sel].texts[0] : std::string();
  std::stable_sort(rows.begin(), rows.end(), [&](const ui::ListView::Row& a, const ui::ListView::Row& b) {
    const std::string& x = a.texts[column];
    const std::string& y = b.texts[column];
    const int c = column == 1 ? CompareSizeTexts(x, y) : x.compare(y);
    return reverse ? c > 0 : c < 0;
  });
  int newSel = -1;
  for (int i = 0; i < static_cast<int>(rows.size()); ++i)
    if (sel >= 0 && rows[i].texts[0] == selectedName) newSel = i;
  ListView1.setRows(std::move(rows), newSel);
  sorting_ = false;
}

void TDIR2VIEWForm::HeaderFolderClick() {
  tree_ = !tree_;
  TreeViewFolder.setVisible(tree_);
  ListBoxFolder.setVisible(!tree_);
  showFolderView(ChooserFolder);
}

void TDIR2VIEWForm::Button_HFClick() {
  if (ChooserBackStack.size() < 2) return;
  ChooserBackStack.pop_back();
  const std::string previous = ChooserBackStack.back();
  ChooserBackStack.pop_back();
  OpenFolder(previous);
  Button_HF.setEnabled(ChooserBackStack.size() >= 2);
}

void TDIR2VIEWForm::Button_BFClick() {
  const std::string parent = parentOf(ChooserFolder);
  if (parent != ChooserFolder) OpenFolder(parent);
}

void TDIR2VIEWForm::Button_NFClick() {
  newFolderBox_.Title = "新規作成フォルダー名を入力して下さい☆";
  newFolderBox_.SourceHandle = this;
  if (newFolderBox_.Execute(ShortFolderPrompt(ChooserFolder) + "     ") != ui::kResultOk) return;
  const std::string target = base::AddTrailingSlash(ChooserFolder) + newFolderBox_.SNText;
  sv_.fs.makeFolder(target);
  if (!sv_.fs.folderExists(target)) {
    MKBoxDlg1.ShowMessage("フォルダー作成エラー");
    return;
  }
  OpenFolder(target);
}

void TDIR2VIEWForm::Button_DFClick() {
  const std::string folder = ChooserFolder;
  // Deleting is not undone: a question nobody answers counts as No.
  if (MKBoxDlg1.AskYesNoTimed("このフォルダーを削除します☆\n" + folder, ui::kResultNo) != ui::kResultYes) return;
  const std::string parent = parentOf(folder);
  // The system call removes only an empty folder, so nothing inside is ever lost.
  if (parent == folder || !sv_.fs.setCurrentFolder(parent) || !sv_.fs.removeFolder(folder)) {
    sv_.fs.setCurrentFolder(folder);
    MKBoxDlg1.ShowMessage("フォルダーの削除に失敗しました・・・\n" + folder);
    return;
  }
  ChooserBackStack.erase(std::remove(ChooserBackStack.begin(), ChooserBackStack.end(), folder), ChooserBackStack.end());
  OpenFolder(parent);
}

void TDIR2VIEWForm::ColorBtn1Click() {
  chosen_ = base::StripTrailingSlash(Edit_Folder.text());
  setModalResult(ui::kResultOk);
}

}  // namespace files

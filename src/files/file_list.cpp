#include "files/file_list.h"

#include <algorithm>

#include "app/Zelcoru.h"
#include "app/data_folder.h"
#include "base/format.h"
#include "base/path.h"
#include "base/sjis.h"
#include "base/wildcard.h"
#include "files/folder_history.h"

namespace files {

namespace {
constexpr std::uint32_t kAttrVolume = 0x08;
constexpr int kAttributeBits[] = {1, 4, 2, 32};  // rd, sys, hid, arc
const char kResetSize[] = "----------";
const char kResetDate[] = " yy/mm/dd day hh:mm:ss ----";
// Width of a text in the bold status font, as the hidden label would measure it.
int textWidth(const std::string& text) { return static_cast<int>(text.size()) * 7; }
}  // namespace

std::vector<std::string> PatternPieces(const std::string& patterns) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = patterns.find(';', start);
    std::string piece = patterns.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!piece.empty()) pieces.push_back(std::move(piece));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return pieces;
}

bool Enumerated(std::uint32_t attributes, int mask) {
  if (attributes & (platform::kAttrDirectory | kAttrVolume)) return false;
  if ((attributes & platform::kAttrHidden) && !(mask & platform::kAttrHidden)) return false;
  if ((attributes & platform::kAttrSystem) && !(mask & platform::kAttrSystem)) return false;
  return true;
}

std::vector<std::string> ListFiles(platform::FileSystem& fs, const std::string& folder,
                                   const std::string& patterns, int mask, bool normal) {
  if (PatternPieces(patterns).empty()) return {};
  return TakeFiles(fs.list(base::StripTrailingSlash(folder), "*"), patterns, mask, normal);
}

std::vector<std::string> TakeFiles(std::vector<platform::FileEntry> entries, const std::string& patterns, int mask,
                                   bool normal) {
  const std::vector<std::string> pieces = PatternPieces(patterns);
  // Each name tried against every piece: the same names as one search per piece (the
  // listing keeps long-name matches only), for one read of the folder.
  std::vector<std::pair<std::string, std::string>> keyed;  // upper-cased key, name
  for (auto& e : entries) {
    if (!Enumerated(e.attributes, mask)) continue;
    if (!normal && !(e.attributes & static_cast<std::uint32_t>(mask))) continue;
    if (std::none_of(pieces.begin(), pieces.end(), [&](auto& p) { return base::MatchesWildcard(e.name, p); }))
      continue;
    keyed.emplace_back(base::UpperCase(e.name), std::move(e.name));
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](auto& a, auto& b) { return a.first < b.first; });
  keyed.erase(std::unique(keyed.begin(), keyed.end(), [](auto& a, auto& b) { return a.first == b.first; }),
              keyed.end());
  std::vector<std::string> names;
  names.reserve(keyed.size());
  for (auto& k : keyed) names.push_back(std::move(k.second));
  return names;
}

std::string TogglePiece(std::string patterns, const std::string& piece, bool on) {
  const std::size_t at = patterns.find(piece);
  if (on && at == std::string::npos) patterns += piece;
  if (!on && at != std::string::npos) patterns.erase(at, piece.size());
  return patterns;
}

std::string AttributeChars(std::uint32_t a) {
  std::string s;
  s += (a & platform::kAttrReadOnly) ? 'r' : ' ';
  s += (a & platform::kAttrSystem) ? 's' : ' ';
  s += (a & platform::kAttrHidden) ? 'h' : ' ';
  s += (a & platform::kAttrArchive) ? 'a' : ' ';
  return s;
}

std::string FileHeaderCaption(int count) {
  return (count < 0 ? std::string("---") : std::to_string(count)) + "ｺ　ファイル一覧";
}

FileList::FileList(app::TZELCOR32ZUMIK& window) : w_(window) {
  for (std::size_t i = 0; i < w_.ExtensionBoxes.size(); ++i)
    w_.ExtensionBoxes[i]->onClick = [this, i] { ExtensionClick(static_cast<int>(i)); };
  for (auto* box : w_.AttributeBoxes) box->onClick = [this] { AttributeClick(); };
  w_.CB32.onClick = [this] { CB32Click(); };
  w_.Button13.onClick = [this] { Button13Click(); };
  w_.Button14.onClick = [this] { Button14Click(); };
  w_.Edit1.onChange = [this] { Edit1Change(); };
  w_.Edit1.setHint("検索ファイル名（ワイルドカードＯＫ）");
  w_.Button14.setHint("拡張子ﾁｪｯｸを有効にする");
  w_.CB32.setHint("すべてのファイルを選択する");
  w_.ListBox4.setHint("ファイル名");
  const char* attrHints[] = {"読み出し専用属性ファイルの表示設定", "システム属性　普段はＯＦＦ", "隠し属性　普段はＯＦＦ",
                             "アーカイブ属性ファイルの表示設定", "ノーマル属性　普段はＯＮ"};
  for (std::size_t i = 0; i < w_.AttributeBoxes.size() && i < 5; ++i) w_.AttributeBoxes[i]->setHint(attrHints[i]);
  if (w_.ExtensionBoxes.size() > 3) w_.ExtensionBoxes[3]->setHint("AIF/AIFC/AIFF");
  for (ui::ListBox* l : {&w_.ListBox4, &w_.ListBox2, &w_.ListBox8, &w_.ListBox3, &w_.ListBox6, &w_.ListBox9}) {
    l->onClick = [this, l] { ShowSelectedFile(*l); };
    l->ownerDrawBoldSelection = true;
  }
  w_.ListBoxKaKo.ownerDrawBoldSelection = true;
}

void FileList::restoreAtStart() {
  w_.StatusBar1.setPanelText(0, "選択フォルダー名");
  SetNamePanel("ファイル名表示");
  SetSizePanel("ﾌｧｲﾙｻｲｽﾞ");
  SetDatePanel(base::FormatDateTime(base::kDisplayDatePattern, w_.Sv.clock.now()) + "rsha");
  ActiveList = &w_.ListBox4;
}

std::string FileList::UsableFolderOf(const std::string& folder) {
  const std::string stripped = base::StripTrailingSlash(folder);
  if (!stripped.empty() && w_.Sv.fs.folderExists(stripped)) return stripped;
  const std::string repaired = app::UsableFolder(folder, w_.Sv.fs, w_.Sv.shellNs);
  if (app::IsNoFolder(repaired)) throw FolderError();
  return base::StripTrailingSlash(repaired);
}

void FileList::ResetFileHeader() { w_.HeaderControl1.setSection(0, FileHeaderCaption(-1)); }

void FileList::RebuildFileList(const std::string& folder) { rebuild(folder, nullptr); }

void FileList::RebuildFileList(const std::string& folder, std::vector<platform::FileEntry> listed) {
  rebuild(folder, &listed);
}

void FileList::rebuild(const std::string& folder, std::vector<platform::FileEntry>* listed) {
  ResetFileHeader();
  const std::string f = UsableFolderOf(folder);
  w_.Sv.fs.setCurrentFolder(f);
  ListedFolder = f;
  if (w_.S.settings.folderHistoryLimit != 0 && !HistoryNavigation)
    RecordFolderHistory(w_.ListBoxKaKo, w_.LabelKaKo, w_.S.settings.folderHistoryLimit, f);
  const bool normal = w_.AttributeBoxes.size() > 4 && w_.AttributeBoxes[4]->checked();
  w_.ListBox4.setItems(listed ? TakeFiles(std::move(*listed), w_.S.ActivePatterns, w_.S.AttributeMask, normal)
                              : ListFiles(w_.Sv.fs, f, w_.S.ActivePatterns, w_.S.AttributeMask, normal));
  w_.ListBox4.tag = -1;
  w_.HeaderControl1.setSection(0, FileHeaderCaption(w_.ListBox4.count()));
  if (fileListChanged) fileListChanged();
}

void FileList::Rebuild() {
  try {
    RebuildFileList(ListedFolder.empty() ? w_.S.settings.folderPath : ListedFolder);
  } catch (const FolderError&) {
    const std::string& folder = ListedFolder.empty() ? w_.S.settings.folderPath : ListedFolder;
    w_.MKBoxDlg1.ShowTimed("ファイルリスト・エラー発生\n" + folder + "\n別のドライブか、フォルダーを選択してみて下さい", 1);
  }
}

void FileList::leavePatternMode() {
  w_.Button14.setVisible(false);
  w_.Edit1.setVisible(false);
  w_.Button13.setVisible(true);
}

void FileList::allOff() {
  if (!w_.CB32.checked()) return;
  suppress_ = true;
  w_.CB32.setChecked(false);
  ShowAllColours(false);
  suppress_ = false;
}

void FileList::ExtensionClick(int tag) {
  if (suppress_ || tag < 0 || tag >= static_cast<int>(w_.S.ExtensionTable.size())) return;
  leavePatternMode();
  allOff();
  ResetFileHeader();
  const std::string piece = "*." + w_.S.ExtensionTable[tag] + ";";
  w_.S.ExtensionPatterns = TogglePiece(w_.S.ExtensionPatterns, piece, w_.ExtensionBoxes[tag]->checked());
  w_.S.ActivePatterns = w_.S.ExtensionPatterns;
  Rebuild();
}

void FileList::ShowAllColours(bool on) {
  auto& cb = w_.CB32;
  // Swapped colours mark that every file is listed, whatever the switches say.
  if (on == (cb.color() != ui::kParentColor)) return;
  if (on) {
    const ui::Color background = cb.effectiveColor();
    cb.setColor(cb.fontColor());
    cb.setFont(background, cb.fontBold());
  } else {
    cb.setFont(cb.color(), cb.fontBold());
    cb.setColor(ui::kParentColor);
  }
}

void FileList::CB32Click() {
  if (suppress_) return;
  leavePatternMode();
  ResetFileHeader();
  ShowAllColours(w_.CB32.checked());
  w_.S.ActivePatterns = w_.CB32.checked() ? "*.*" : w_.S.ExtensionPatterns;
  Rebuild();
}

void FileList::Button13Click() {
  allOff();
  w_.Button13.setVisible(false);
  w_.Edit1.setVisible(true);
  w_.Button14.setVisible(true);
  w_.Edit1.setColor(w_.ListBox1.color());
  ResetFileHeader();
  w_.S.ActivePatterns = w_.Edit1.text();
  Rebuild();
}

void FileList::Button14Click() {
  leavePatternMode();
  ResetFileHeader();
  w_.S.ActivePatterns = w_.S.ExtensionPatterns;
  Rebuild();
}

void FileList::Edit1Change() {
  if (suppress_) return;
  w_.Edit1.setColor(w_.ListBox1.color());
  ResetFileHeader();
  w_.S.ActivePatterns = w_.Edit1.text();
  Rebuild();
}

void FileList::AttributeClick() {
  if (w_.S.run.RestoringSettings) return;
  ResetFileHeader();
  w_.S.AttributeMask = 0;
  for (int i = 0; i < 4 && i < static_cast<int>(w_.AttributeBoxes.size()); ++i)
    if (w_.AttributeBoxes[i]->checked()) w_.S.AttributeMask += kAttributeBits[i];
  Rebuild();
}

void FileList::setPanel(int index, const std::string& text, int minimum) {
  w_.StatusBar2.setPanelText(index, text);
  w_.StatusBar2.setPanelWidth(index, std::max(minimum, textWidth(text) + 10));
}

void FileList::SetNamePanel(const std::string& text) { setPanel(0, text, w_.StatusBar2.bounds().width / 3); }
void FileList::SetSizePanel(const std::string& text) { setPanel(1, text, 70); }
void FileList::SetDatePanel(const std::string& text) { setPanel(2, text, 200); }

void FileList::ListMouseDown() { pressed_ = true; }

void FileList::ListMouseUp() {
  if (pressed_) SkipOnce = true;
  pressed_ = false;
}

void FileList::ShowSelectedFile(ui::ItemList& list) {
  ActiveList = &list;
  const int index = list.itemIndex();
  const bool namesOnly = w_.S.settings.namesOnly;
  ui::ItemList* data = &w_.ListBox3;
  if (&list == &w_.ListBox4) {
    data = &w_.ListBox4;
  } else if (&list == &w_.ListBox2 || &list == &w_.ListBox8) {
    data = &w_.ListBox2;
    if (namesOnly) w_.ListBox8.tag = index;
  } else if (&list == &w_.ListBox6 || &list == &w_.ListBox9) {
    data = &w_.ListBox6;
    if (namesOnly) w_.ListBox9.tag = index;
  }
  data->tag = index;
  if (SkipOnce) {
    SkipOnce = false;
    return;
  }
  w_.StatusBar1.setPanelText(0, "選択フォルダー名");
  SetSizePanel(kResetSize);
  SetDatePanel(kResetDate);
  if (index < 0 || index >= data->count()) return;
  const std::string entry = data->item(index);
  std::string name, path;
  if (data == &w_.ListBox3) {
    name = entry;
    path = w_.S.TempFolder + entry;
  } else if (data == &w_.ListBox4) {
    name = entry;
    path = base::AddTrailingSlash(ListedFolder) + entry;
  } else {
    name = base::ExtractFileName(entry);
    if (!entry.empty() && entry[0] == '/') name.insert(name.begin(), '/');
    path = entry;
  }
  if (!path.empty() && (path[0] == '/' || path[0] == '>')) {
    const std::size_t end = path.find('/', 1);
    path = path.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  }
  std::string folder;
  try {
    folder = UsableFolderOf(base::ExtractFilePath(path));
  } catch (const FolderError&) {
    return;
  }
  w_.StatusBar1.setPanelText(0, folder);
  SetNamePanel(name);
  auto found = w_.Sv.fs.stat(base::AddTrailingSlash(folder) + base::ExtractFileName(path));
  if (!found || (found->attributes & platform::kAttrDirectory)) return;
  SetSizePanel(base::FormatNumber(static_cast<double>(found->size), 8, 0));
  SetDatePanel(base::FormatDateTime(base::kDisplayDatePattern, w_.Sv.clock.localFromFileTime(found->lastWrite)) +
               AttributeChars(found->attributes));
}

}  // namespace files

#include "files/file_list.h"

#include <algorithm>

#include "base/folder_ops.h"
#include "base/format.h"
#include "base/path.h"
#include "base/sjis.h"
#include "base/wildcard.h"
#include "files/folder_history.h"
#include "tools/file_tools.h"

namespace files {

namespace {
constexpr std::uint32_t kAttrVolume = 0x08;
constexpr int kAttributeBits[] = {1, 4, 2, 32};  // rd, sys, hid, arc
const char kResetSize[] = "----------";
const char kResetDate[] = " yy/mm/dd day hh:mm:ss ----";
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

std::string FileHeaderCaption(int count) {
  return (count < 0 ? std::string("---") : std::to_string(count)) + "ｺ　ファイル一覧";
}

FileList::FileList(FileListView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box)
    : v_(std::move(view)), s_(state), sv_(services), box_(box) {
  for (std::size_t i = 0; i < v_.ExtensionBoxes.size(); ++i)
    v_.ExtensionBoxes[i]->onClick = [this, i] { ExtensionClick(static_cast<int>(i)); };
  for (auto* box : v_.AttributeBoxes) box->onClick = [this] { AttributeClick(); };
  v_.CB32.onClick = [this] { CB32Click(); };
  v_.Button13.onClick = [this] { Button13Click(); };
  v_.Button14.onClick = [this] { Button14Click(); };
  v_.Edit1.onChange = [this] { Edit1Change(); };
  v_.Edit1.setHint("検索ファイル名（ワイルドカードＯＫ）");
  v_.Button14.setHint("拡張子ﾁｪｯｸを有効にする");
  v_.CB32.setHint("すべてのファイルを選択する");
  v_.ListBox4.setHint("ファイル名");
  const char* attrHints[] = {"読み出し専用属性ファイルの表示設定", "システム属性　普段はＯＦＦ", "隠し属性　普段はＯＦＦ",
                             "アーカイブ属性ファイルの表示設定", "ノーマル属性　普段はＯＮ"};
  for (std::size_t i = 0; i < v_.AttributeBoxes.size() && i < 5; ++i) v_.AttributeBoxes[i]->setHint(attrHints[i]);
  if (v_.ExtensionBoxes.size() > 3) v_.ExtensionBoxes[3]->setHint("AIF/AIFC/AIFF");
  for (ui::ListBox* l : {&v_.ListBox4, &v_.ListBox2, &v_.ListBox8, &v_.ListBox3, &v_.ListBox6, &v_.ListBox9}) {
    l->onClick = [this, l] { ShowSelectedFile(*l); };
    l->ownerDrawBoldSelection = true;
  }
  v_.ListBoxKaKo.ownerDrawBoldSelection = true;
}

void FileList::restoreAtStart() {
  v_.StatusBar1.setPanelText(0, "選択フォルダー名");
  SetNamePanel("ファイル名表示");
  SetSizePanel("ﾌｧｲﾙｻｲｽﾞ");
  SetDatePanel(base::FormatDateTime(base::kDisplayDatePattern, sv_.clock.now()) + "rsha");
  ActiveList = &v_.ListBox4;
}

std::string FileList::UsableFolderOf(const std::string& folder) {
  const std::string stripped = base::StripTrailingSlash(folder);
  if (!stripped.empty() && sv_.fs.folderExists(stripped)) return stripped;
  const auto repaired = base::UsableFolder(folder, sv_.fs, sv_.shellNs);
  if (!repaired) throw FolderError();
  return base::StripTrailingSlash(*repaired);
}

void FileList::ResetFileHeader() { v_.HeaderControl1.setSection(0, FileHeaderCaption(-1)); }

void FileList::RebuildFileList(const std::string& folder) { rebuild(folder, nullptr); }

void FileList::RebuildFileList(const std::string& folder, std::vector<platform::FileEntry> listed) {
  rebuild(folder, &listed);
}

void FileList::rebuild(const std::string& folder, std::vector<platform::FileEntry>* listed) {
  ResetFileHeader();
  const std::string f = UsableFolderOf(folder);
  sv_.fs.setCurrentFolder(f);
  ListedFolder = f;
  if (s_.settings.folderHistoryLimit != 0 && !HistoryNavigation)
    RecordFolderHistory(v_.ListBoxKaKo, v_.LabelKaKo, s_.settings.folderHistoryLimit, f);
  const bool normal = v_.AttributeBoxes.size() > 4 && v_.AttributeBoxes[4]->checked();
  v_.ListBox4.setItems(listed ? TakeFiles(std::move(*listed), s_.ActivePatterns, s_.AttributeMask, normal)
                              : ListFiles(sv_.fs, f, s_.ActivePatterns, s_.AttributeMask, normal));
  v_.ListBox4.tag = -1;
  v_.HeaderControl1.setSection(0, FileHeaderCaption(v_.ListBox4.count()));
  if (fileListChanged) fileListChanged();
}

void FileList::Rebuild() { RebuildOrSay(ListedFolder.empty() ? s_.settings.folderPath : ListedFolder); }

void FileList::RebuildOrSay(std::string folder) {
  try {
    RebuildFileList(folder);
  } catch (const FolderError&) {
    box_.ShowTimed("ファイルリスト・エラー発生\n" + folder + "\n別のドライブか、フォルダーを選択してみて下さい", 1);
  }
}

void FileList::leavePatternMode() {
  v_.Button14.setVisible(false);
  v_.Edit1.setVisible(false);
  v_.Button13.setVisible(true);
}

void FileList::allOff() {
  if (!v_.CB32.checked()) return;
  suppress_ = true;
  v_.CB32.setChecked(false);
  ShowAllColours(false);
  suppress_ = false;
}

void FileList::ExtensionClick(int tag) {
  if (suppress_ || tag < 0 || tag >= static_cast<int>(s_.ExtensionTable.size())) return;
  leavePatternMode();
  allOff();
  ResetFileHeader();
  const std::string piece = "*." + s_.ExtensionTable[tag] + ";";
  s_.ExtensionPatterns = TogglePiece(s_.ExtensionPatterns, piece, v_.ExtensionBoxes[tag]->checked());
  s_.ActivePatterns = s_.ExtensionPatterns;
  Rebuild();
}

void FileList::ShowAllColours(bool on) {
  auto& cb = v_.CB32;
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
  ShowAllColours(v_.CB32.checked());
  s_.ActivePatterns = v_.CB32.checked() ? "*.*" : s_.ExtensionPatterns;
  Rebuild();
}

void FileList::Button13Click() {
  allOff();
  v_.Button13.setVisible(false);
  v_.Edit1.setVisible(true);
  v_.Button14.setVisible(true);
  v_.Edit1.setColor(v_.ListBox1.color());
  ResetFileHeader();
  s_.ActivePatterns = v_.Edit1.text();
  Rebuild();
}

void FileList::Button14Click() {
  leavePatternMode();
  ResetFileHeader();
  s_.ActivePatterns = s_.ExtensionPatterns;
  Rebuild();
}

void FileList::Edit1Change() {
  if (suppress_) return;
  v_.Edit1.setColor(v_.ListBox1.color());
  ResetFileHeader();
  s_.ActivePatterns = v_.Edit1.text();
  Rebuild();
}

void FileList::AttributeClick() {
  if (s_.run.RestoringSettings) return;
  ResetFileHeader();
  s_.AttributeMask = 0;
  for (int i = 0; i < 4 && i < static_cast<int>(v_.AttributeBoxes.size()); ++i)
    if (v_.AttributeBoxes[i]->checked()) s_.AttributeMask += kAttributeBits[i];
  Rebuild();
}

void FileList::setPanel(int index, const std::string& text, int minimum) {
  v_.StatusBar2.setPanelText(index, text);
  v_.StatusBar2.setPanelWidth(index, std::max(minimum, ui::StatusBar::TextWidth(text) + 10));
}

void FileList::SetNamePanel(const std::string& text) { setPanel(0, text, v_.StatusBar2.bounds().width / 3); }
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
  const bool namesOnly = s_.settings.namesOnly;
  ui::ItemList* data = &v_.ListBox3;
  if (&list == &v_.ListBox4) {
    data = &v_.ListBox4;
  } else if (&list == &v_.ListBox2 || &list == &v_.ListBox8) {
    data = &v_.ListBox2;
    if (namesOnly) v_.ListBox8.tag = index;
  } else if (&list == &v_.ListBox6 || &list == &v_.ListBox9) {
    data = &v_.ListBox6;
    if (namesOnly) v_.ListBox9.tag = index;
  }
  data->tag = index;
  if (SkipOnce) {
    SkipOnce = false;
    return;
  }
  v_.StatusBar1.setPanelText(0, "選択フォルダー名");
  SetSizePanel(kResetSize);
  SetDatePanel(kResetDate);
  if (index < 0 || index >= data->count()) return;
  const std::string entry = data->item(index);
  std::string name, path;
  if (data == &v_.ListBox3) {
    name = entry;
    path = s_.TempFolder + entry;
  } else if (data == &v_.ListBox4) {
    name = entry;
    path = base::AddTrailingSlash(ListedFolder) + entry;
  } else {
    name = base::ExtractFileName(entry);
    if (!entry.empty() && entry[0] == '/') name.insert(name.begin(), '/');
    path = entry;
  }
  path = tools::ResolveRow(path, "").path;
  std::string folder;
  try {
    folder = UsableFolderOf(base::ExtractFilePath(path));
  } catch (const FolderError&) {
    return;
  }
  v_.StatusBar1.setPanelText(0, folder);
  SetNamePanel(name);
  auto found = sv_.fs.stat(base::AddTrailingSlash(folder) + base::ExtractFileName(path));
  if (!found || (found->attributes & platform::kAttrDirectory)) return;
  SetSizePanel(base::FormatNumber(static_cast<double>(found->size), 8, 0));
  SetDatePanel(base::FormatDateTime(base::kDisplayDatePattern, sv_.clock.localFromFileTime(found->lastWrite)) +
               base::AttributeChars(found->attributes));
}

}  // namespace files

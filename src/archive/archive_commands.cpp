#include "archive/archive_commands.h"

#include <algorithm>
#include <cstdio>

#include "archive/viewers.h"
#include "base/buffered_copy.h"
#include "base/date_time.h"
#include "base/format.h"
#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"
#include "tools/report.h"

namespace archive {

namespace {
// The error report of the archive extract, registration and compression commands.
constexpr char kErrorReport[] = "ErR$$$$$.TXT";
}  // namespace

namespace {
constexpr int kYes = 6;
const std::string kRule(68, '-');
const char* const kMusicExtensions[] = {"WAV", "MID", "RMI", "AIF", "AU ", "SND"};
}  // namespace

std::string RowPath(const std::string& row, bool inFileList, const std::string& folder) {
  if (inFileList) return base::AddTrailingSlash(folder) + row;
  if (!row.empty() && row[0] == '>') {
    const std::string rest = row.substr(1);
    const auto slash = rest.find('/', 2);
    return slash == std::string::npos ? rest : rest.substr(0, slash);
  }
  if (!row.empty() && row[0] == '/') {
    const auto slash = row.find('/', 1);
    return row.substr(1, slash == std::string::npos ? std::string::npos : slash - 1);
  }
  return row;
}

std::string ExtractionTarget(const std::string& extractFolder, const std::string& archive) {
  std::string name = base::ExtractFileName(archive);
  if (!name.empty()) name.back() = '$';
  return base::AddTrailingSlash(extractFolder) + name;
}

ArchiveCommands::ArchiveCommands(core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
                                 ui::Application& app, ArchiveAccess& access, ArchiveCommandsLinks links)
    : S(state), Sv(services), box_(box), app_(app), access_(access), links_(std::move(links)), nameBox_(app) {}

bool ArchiveCommands::selectEveryRow() {
  if (links_.activeList) links_.activeList->selectAll();
  return links_.activeList != nullptr;
}

void ArchiveCommands::PLZH3Click(bool musicOnly) {
  if (selectEveryRow()) PLZH2Click(musicOnly);
}

void ArchiveCommands::PLZH2Click(bool musicOnly) {
  if (S.run.InArchive) {
    box_.ShowMessage("解凍中は、解凍できません\n解凍を強制終了します。");
    return;
  }
  ui::ItemList* list = links_.activeList;
  if (!list) return;
  app_.setBusyCursor(true);
  int count = 0;
  eachSelectedRow(*list, [&](const Rows& rows, int i) {
    const std::string path = RowPath(rows.entries.item(i), rows.inFileList, S.settings.folderPath);
    if (base::UpperCase(base::ExtractFileExt(path)) == ".LZH" && extractArchive(path, musicOnly)) ++count;
  });
  if (!S.run.CloseRequested) {
    if (S.run.StopRequested) box_.ShowMessage("中断ボタンが押されました。\n解凍を強制終了します。");
    box_.ShowMessage(std::to_string(count) + "個のLZHファイルを解凍しました。");
    reportErrors("LZH解凍ｴﾗｰ一覧　", "LZH解凍ｴﾗｰ：ｴﾗｰ一覧が表示出来ませんでした・・・");
  }
  app_.setBusyCursor(false);
}

void ArchiveCommands::eachSelectedRow(ui::ItemList& list, const std::function<void(const Rows&, int)>& each) {
  S.run.BusyBatch = true;
  S.run.StopRequested = false;
  errors_.clear();
  const Rows rows = rowsOf(list);
  for (int i = 0; i < list.count() && i < rows.entries.count() && !S.run.StopRequested; ++i) {
    app_.processMessages();
    if (S.run.CloseRequested) break;
    if (list.selected(i)) each(rows, i);
  }
  S.run.BusyBatch = false;
}

void ArchiveCommands::reportErrors(const std::string& title, const std::string& failure) {
  if (!errors_.empty() && !tools::ShowReport(Sv.fs, Sv.shell, Sv.clock, S.DataFolder, title,
                                             std::to_string(errors_.size()) + "件", errors_, kErrorReport))
    box_.ShowMessage(failure);
}

void ArchiveCommands::PLZH_MEM_0Click(bool withReferences) {
  ui::ItemList* list = links_.activeList;
  if (!list) return;
  std::vector<std::string> added, values;
  eachSelectedRow(*list, [&](const Rows& rows, int i) {
    const std::string& row = rows.entries.item(i);
    if (!withReferences && !rows.inFileList && !row.empty() && row[0] == '/') return;
    const std::string path = RowPath(row, rows.inFileList, S.settings.folderPath);
    if (base::UpperCase(base::ExtractFileExt(path)) != ".LZH") return;
    if (!Sv.fs.fileExists(path)) return record("ﾌｧｲﾙがありません：", path);
    std::vector<std::string> names;
    if (!access_.ListArchiveEntries(path, names)) return record("LZH一覧取得に失敗しました：", path);
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return base::UpperCase(a) < base::UpperCase(b);
    });
    const std::string value = rows.values && i < rows.values->count() ? rows.values->item(i) : std::string();
    std::vector<std::string> entryValues = EntryValues(value, names.size());
    for (std::size_t n = 0; n < names.size(); ++n) {
      added.push_back("/" + path + "/" + names[n]);
      values.push_back(std::move(entryValues[n]));
    }
  });
  if (!added.empty() && links_.addToMemory) links_.addToMemory(added, values);
  if (!S.run.CloseRequested) {
    if (S.run.StopRequested) box_.ShowMessage("中断ボタンが押されました。\nLZH内格納ファイル名登録を、強制終了します。");
    box_.ShowMessage(std::to_string(added.size()) + "個のLZH内格納ファイル名を、登録しました。");
    reportErrors("LZH内格納ファイル名登録　", "LZH内格納ファイル名登録ｴﾗｰ：ｴﾗｰ一覧が表示出来ませんでした・・・");
  }
}

void ArchiveCommands::PASHUKUALLClick() {
  if (selectEveryRow()) PASHUKUClick();
}

void ArchiveCommands::PASHUKUClick() {
  ui::ItemList* list = links_.activeList;
  if (!list) return;
  nameBox_.Title = "圧縮ﾌｧｲﾙ名の入力";
  if (nameBox_.SNText.empty()) nameBox_.SNText = "ABC";
  nameBox_.StandardColor = S.settings.standardColours;
  if (nameBox_.Execute("圧縮ﾌｧｲﾙ名") != 1 || nameBox_.SNText.empty()) {
    box_.ShowMessage("LZH圧縮：ﾌｧｲﾙ名を設定して下さい");
    return;
  }
  const std::string folder = base::AddTrailingSlash(S.settings.extractFolder) + "$$$$圧縮";
  if (!Sv.fs.folderExists(folder) && !Sv.fs.makeFolder(folder) && !Sv.fs.folderExists(folder)) {
    box_.ShowMessage("LZH圧縮ｴﾗｰ：ﾌｫﾙﾀﾞｰの作成に失敗しました");
    return;
  }
  Sv.fs.setCurrentFolder(folder);
  std::string archive = folder + "\\" + nameBox_.SNText;
  const std::string ext = base::ExtractFileExt(archive);
  if (base::UpperCase(ext) != ".LZH") archive = archive.substr(0, archive.size() - ext.size()) + ".lzh";
  std::vector<std::string> stored;
  if (Sv.fs.fileExists(archive)) access_.ListArchiveEntries(archive, stored);
  switch (access_.CheckLibrary()) {
    case ArchiveAccess::Reach::Ok: break;
    case ArchiveAccess::Reach::NoLibrary: box_.ShowMessage("LZH圧縮ｴﾗｰ：UnLha32.DLLが見つかりません"); return;
    case ArchiveAccess::Reach::NoEntryPoint: box_.ShowMessage("LZH圧縮ｴﾗｰ：関数が見つかりません"); return;
  }
  int count = 0;
  eachSelectedRow(*list, [&](const Rows& rows, int i) {
    std::string extracted;
    const std::string path = resolve(rows.entries.item(i), rows, true, extracted);
    if (path.empty() || !Sv.fs.fileExists(path)) record("ﾌｧｲﾙがありません：", path.empty() ? rows.entries.item(i) : path);
    else if (compressFile(archive, path, stored)) ++count;
    if (!extracted.empty()) Sv.fs.removeFile(extracted);
  });
  if (S.run.CloseRequested) return;
  if (S.run.StopRequested) box_.ShowMessage("中断ボタンが押されました。\n圧縮を強制終了します。");
  box_.ShowMessage(std::to_string(count) + "個のファイルを圧縮しました。");
  reportErrors("LZH圧縮ｴﾗｰ一覧　", "LZH圧縮ｴﾗｰ：ｴﾗｰ一覧が表示出来ませんでした・・・");
}

bool ArchiveCommands::compressFile(const std::string& archive, const std::string& path,
                                   std::vector<std::string>& stored) {
  const std::string name = base::ExtractFileName(path);
  const bool taken = std::any_of(stored.begin(), stored.end(),
                                 [&](const std::string& s) { return base::SameTextIgnoringCase(s, name); });
  // Overwriting an entry is only ever the user's own answer, never a countdown's.
  if (taken && box_.AskYesNo(path + "\n：圧縮ファイル内に、同名ファイルが存在します。\n上書きしますか？？") != kYes) {
    record("格納同名ﾌｧｲﾙ有り飛ばした：", path);
    return false;
  }
  if (!access_.AddFile(archive, path)) {
    box_.ShowMessage("ﾌｧｲﾙの圧縮に失敗しました\n" + path);
    record("LZHﾌｧｲﾙ 圧縮ｴﾗｰ：", path);
    return false;
  }
  if (!taken) stored.push_back(name);
  return true;
}

bool ArchiveCommands::holdsMusic(const std::string& path) {
  std::vector<std::string> names;
  if (!access_.ListArchiveEntries(path, names)) {
    record("LZH一覧取得ｴﾗｰ：", path);
    return false;
  }
  for (const std::string& name : names) {
    const auto dot = name.find('.');
    std::string ext = dot == std::string::npos ? "" : base::UpperCase(name.substr(dot + 1, 3));
    ext.resize(3, ' ');
    for (const char* music : kMusicExtensions)
      if (ext == music) return true;
  }
  return false;  // no music inside: passed over without a word
}

bool ArchiveCommands::extractArchive(const std::string& path, bool musicOnly) {
  if (!Sv.fs.fileExists(path)) {
    record("ﾌｧｲﾙがありません：", path);
    return false;
  }
  if (musicOnly && !holdsMusic(path)) return false;
  const std::string target = chooseTarget(path);
  if (target.empty()) return false;
  if (S.settings.lzhCopy &&
      base::UpperCase(base::StripTrailingSlash(base::ExtractFilePath(path))) != base::UpperCase(target)) {
    const std::string copy = base::AddTrailingSlash(target) + base::ExtractFileName(path);
    const std::string reason = base::CopyFileBuffered(Sv.fs, path, copy);
    if (!reason.empty()) {
      box_.ShowMessage("ﾌｧｲﾙのコピーに失敗しました\n" + path + "\n" + reason);
      record("LZHﾌｧｲﾙ ｺﾋﾟｰｴﾗｰ：", path);
    }
  }
  if (!access_.ExtractToFolder(path, "*.*", base::AddTrailingSlash(target))) {
    box_.ShowMessage("ﾌｧｲﾙの解凍に失敗しました\n" + path);
    record("LZHﾌｧｲﾙ 解凍ｴﾗｰ：", path);
    return false;
  }
  return true;
}

std::string ArchiveCommands::chooseTarget(const std::string& path) {
  const std::string target = ExtractionTarget(S.settings.extractFolder, path);
  const std::string exists = target + "\n既に同名のフォルダーが存在します。\n";
  if (!Sv.fs.folderExists(target)) {
    if (Sv.fs.makeFolder(target) || Sv.fs.folderExists(target)) return target;
    box_.ShowMessage(target + "\nﾌｫﾙﾀﾞｰの作成に失敗しました");
    record("新規ﾌｫﾙﾀﾞｰ作成ｴﾗｰ：", path);
    return "";
  }
  if (box_.AskYesNo(exists + "新規にサブフォルダーを作成しますか？？") == kYes) {
    for (int n = 0; n <= 999; ++n) {
      char sub[8];
      std::snprintf(sub, sizeof sub, "\\%03d", n);
      if (Sv.fs.folderExists(target + sub) || Sv.fs.fileExists(target + sub)) continue;
      Sv.fs.makeFolder(target + sub);
      if (Sv.fs.folderExists(target + sub)) return target + sub;
      box_.ShowMessage(target + sub + "\nﾌｫﾙﾀﾞｰの作成に失敗しました");
      break;
    }
    record("ｻﾌﾞﾌｫﾙﾀﾞｰ作成ｴﾗｰ：", path);
    return "";
  }
  if (box_.AskYesNo(exists + "このフォルダーに上書き解凍してよろしいですか？？") == kYes) return target;
  return "";
}

ArchiveCommands::Rows ArchiveCommands::rowsOf(const ui::ItemList& list) const {
  if (&list == &links_.fileList) return {list, nullptr, true};
  if (&list == &links_.memoryList || &list == &links_.memoryNames) return {links_.memoryList, &links_.memoryValues, false};
  if (&list == &links_.trashList || &list == &links_.trashNames) return {links_.trashList, &links_.trashValues, false};
  return {list, nullptr, false};
}

std::string ArchiveCommands::resolve(const std::string& row, const Rows& rows, bool entries, std::string& extracted) {
  extracted.clear();
  const std::string path = RowPath(row, rows.inFileList, S.settings.folderPath);
  if (!entries || rows.inFileList || row.size() < 2 || row[0] != '/') return path;
  // An entry inside an archive is worked on through a copy in LZH_POPM.
  const std::string entry = row.substr(std::min(row.size(), path.size() + 2));
  if (entry.empty() || !access_.ExtractToFolder(path, entry)) return "";
  return extracted = S.PopFolder + BareEntryName(entry);
}

void ArchiveCommands::PLZH4Click(Viewer viewer) {
  ui::ItemList* list = links_.activeList;
  if (!list) return;
  static const char* const kModes[] = {"LZH一覧表示", "ﾊﾞｲﾅﾘｰ表示", "HTMLﾃｷｽﾄ整形表示", "HTML 0Dh削除"};
  const std::string mode = kModes[static_cast<int>(viewer)];
  if (viewer == Viewer::CrRemoval &&
      box_.AskYesNo("[*.HTM][*.HTML][*.CGI][*.SSI][*.PL]ファイルから、０Ｄｈを削除します。\n"
                    "ホストの指示により、改行コードを０Ａｈだけにする時に使います。\n\n"
                    "選択されているファイルから、０Ｄｈを削除してよろしいですか？？？") != kYes) {
    box_.ShowMessage(mode + "：中止しました・・・");
    return;
  }
  const Rows rows = rowsOf(*list);
  S.run.StopRequested = false;
  for (int i = 0; i < list->count() && i < rows.entries.count(); ++i) {
    if (!list->selected(i)) continue;
    std::string extracted;
    const bool entries = viewer == Viewer::Binary || viewer == Viewer::Html;
    const std::string path = resolve(rows.entries.item(i), rows, entries, extracted);
    if (path.empty() || !Sv.fs.fileExists(path)) continue;
    const std::string ext = base::UpperCase(base::ExtractFileExt(path));
    bool shown = true;
    switch (viewer) {
      case Viewer::ArchiveList: shown = ext != ".LZH" || showText("LzH$$$$$.TXT", listReport(path)); break;
      case Viewer::Binary: shown = showText("BiN$$$$$.TXT", binaryReport(path)); break;
      case Viewer::Html: shown = showText("HTM$$$$$.TXT", htmlReport(path)); break;
      case Viewer::CrRemoval:
        for (const char* web : {".HTM", ".HTML", ".PL", ".CGI", ".SSI"})
          if (ext == web) removeCarriageReturns(path, mode);
        break;
    }
    if (!extracted.empty()) Sv.fs.removeFile(extracted);
    if (!shown) box_.ShowMessage("ｴﾗｰ：" + mode + "表示に失敗しました・・・");
    app_.processMessages();
    if (S.run.CloseRequested) return;
    if (S.run.StopRequested) {
      box_.ShowMessage("中断ボタンが押されました。\n" + mode + "を強制終了します。");
      return;
    }
  }
}

bool ArchiveCommands::removeCarriageReturns(const std::string& path, const std::string& mode) {
  const auto info = Sv.fs.stat(path);
  if (info && (info->attributes & platform::kAttrReadOnly)) {
    // A read-only file is left as it is; the question only decides whether the batch goes on.
    if (box_.ShowError("ｴﾗｰ： ReadOnlyファイルです。" + mode + "\n" + path, ui::kResultOk) == ui::kResultAbort)
      S.run.StopRequested = true;
    return false;
  }
  auto bytes = Sv.fs.readAll(path);
  if (bytes) std::erase(*bytes, '\r');
  // The new text replaces the file whole, so a failed write leaves the old one untouched.
  if (bytes && Sv.fs.writeAtomic(path, *bytes)) return true;
  box_.ShowMessage("ｴﾗｰ：" + mode + "に失敗しました・・・\n" + path);
  return false;
}

std::vector<std::string> ArchiveCommands::listReport(const std::string& path) {
  std::string text;
  if (!access_.ListReport(path, text)) return {};
  std::vector<std::string> lines{
      "LZH格納ﾌｧｲﾙ一覧表示　ﾃﾞｰﾀ取得日時：" + base::FormatDateTime(base::kDisplayDatePattern, Sv.clock.now()), "", path,
      ""};
  for (std::string& line : ReflowListing(text)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> ArchiveCommands::fileHeader(const std::string& title, const std::string& path,
                                                     const platform::FileEntry& info, const std::string& sizeLead) {
  std::string attributes = "    ";
  const std::uint32_t bits[] = {platform::kAttrReadOnly, platform::kAttrSystem, platform::kAttrHidden,
                                platform::kAttrArchive};
  for (int i = 0; i < 4; ++i)
    if (info.attributes & bits[i]) attributes[i] = "rsha"[i];
  return {title + "　ﾃﾞｰﾀ取得日時：" + base::FormatDateTime(base::kDisplayDatePattern, Sv.clock.now()),
          "ﾌｧｲﾙ名　　: " + path,
          "ﾌｧｲﾙ日付　:" + base::FormatDateTime(base::kDisplayDatePattern, base::DateTimeFromFileTime(info.lastWrite)) +
              attributes,
          sizeLead + "総ﾊﾞｲﾄ数　: " + base::FormatNumber(static_cast<double>(info.size), 7, 0) + " Bytes"};
}

std::vector<std::string> ArchiveCommands::binaryReport(const std::string& path) {
  const auto info = Sv.fs.stat(path);
  auto file = Sv.fs.openRead(path);
  if (!info || !file) return {};
  std::string head(4096, '\0');
  const long long read = file->read(head.data(), head.size());
  head.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  std::vector<std::string> lines = fileHeader("ﾊﾞｲﾅﾘｰ表示(4Kﾊﾞｲﾄ分)", path, *info, "");
  lines.push_back("表示ﾊﾞｲﾄ数: " + base::FormatNumber(static_cast<double>(head.size()), 7, 0) + " Bytes");
  lines.push_back(kRule);
  lines.push_back("ofs  0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F Strings");
  for (std::string& row : DumpRows(head)) lines.push_back(std::move(row));
  lines.push_back(kRule);
  return lines;
}

std::vector<std::string> ArchiveCommands::htmlReport(const std::string& path) {
  const auto info = Sv.fs.stat(path);
  const auto bytes = Sv.fs.readAll(path);
  if (!info || !bytes) return {};
  std::vector<std::string> lines = fileHeader("HTMLﾃｷｽﾄ整形表示", path, *info, "元の");
  lines.push_back(kRule);
  for (std::string& line : ReflowHtml(*bytes)) lines.push_back(std::move(line));
  return lines;
}

bool ArchiveCommands::showText(const std::string& fileName, const std::vector<std::string>& lines) {
  const std::string path = S.DataFolder + fileName;
  if (lines.empty() || !base::SaveLines(Sv.fs, path, lines)) return false;
  Sv.fs.setCurrentFolder(base::StripTrailingSlash(S.DataFolder));
  Sv.shell.run(tools::NotepadCommand(path));
  return true;
}

void ArchiveCommands::record(const std::string& error, const std::string& path) {
  errors_.push_back(error + "　" + path);
}

}  // namespace archive

#include "archive/archive_commands.h"

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
    : S(state), Sv(services), box_(box), app_(app), access_(access), links_(links) {}

void ArchiveCommands::PLZH3Click(bool musicOnly) {
  if (!links_.activeList) return;
  links_.activeList->selectAll();
  PLZH2Click(musicOnly);
}

void ArchiveCommands::PLZH2Click(bool musicOnly) {
  if (S.run.InArchive) {
    box_.ShowMessage("解凍中は、解凍できません\n解凍を強制終了します。");
    return;
  }
  ui::ItemList* list = links_.activeList;
  if (!list) return;
  S.run.BusyBatch = true;
  app_.setBusyCursor(true);
  S.run.StopRequested = false;
  errors_.clear();
  int count = 0;
  const bool inFileList = list == &links_.fileList;
  for (int i = 0; i < list->count() && !S.run.StopRequested; ++i) {
    app_.processMessages();
    if (S.run.CloseRequested) break;
    if (!list->selected(i)) continue;
    const std::string path = RowPath(list->item(i), inFileList, S.settings.folderPath);
    if (base::UpperCase(base::ExtractFileExt(path)) != ".LZH") continue;
    if (extractArchive(path, musicOnly)) ++count;
  }
  if (!S.run.CloseRequested) {
    if (S.run.StopRequested) box_.ShowMessage("中断ボタンが押されました。\n解凍を強制終了します。");
    box_.ShowMessage(std::to_string(count) + "個のLZHファイルを解凍しました。");
    if (!errors_.empty() && !tools::ShowReport(Sv.fs, Sv.shell, Sv.clock, S.DataFolder, "LZH解凍ｴﾗｰ一覧　",
                                               std::to_string(errors_.size()) + "件", errors_, kErrorReport))
      box_.ShowMessage("LZH解凍ｴﾗｰ：ｴﾗｰ一覧が表示出来ませんでした・・・");
  }
  S.run.BusyBatch = false;
  app_.setBusyCursor(false);
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

void ArchiveCommands::PLZH4Click(Viewer viewer) {
  ui::ItemList* list = links_.activeList;
  if (!list) return;
  const std::string mode = viewer == Viewer::Binary ? "ﾊﾞｲﾅﾘｰ表示" : "LZH一覧表示";
  const bool inFileList = list == &links_.fileList;
  S.run.StopRequested = false;
  for (int i = 0; i < list->count(); ++i) {
    if (!list->selected(i)) continue;
    const std::string& row = list->item(i);
    std::string path = RowPath(row, inFileList, S.settings.folderPath), extracted;
    // An entry inside an archive is looked at through a copy in LZH_POPM.
    if (viewer == Viewer::Binary && !inFileList && row.size() > 1 && row[0] == '/') {
      const std::string entry = row.substr(path.size() + 2);
      if (!access_.ExtractToFolder(path, entry)) continue;
      path = extracted = S.PopFolder + BareEntryName(entry);
    }
    if (!Sv.fs.fileExists(path)) continue;
    const bool shown = viewer == Viewer::Binary ? showText("BiN$$$$$.TXT", binaryReport(path))
                       : base::UpperCase(base::ExtractFileExt(path)) != ".LZH" || showText("LzH$$$$$.TXT", listReport(path));
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

std::vector<std::string> ArchiveCommands::listReport(const std::string& path) {
  std::string text;
  if (!access_.ListReport(path, text)) return {};
  std::vector<std::string> lines{
      "LZH格納ﾌｧｲﾙ一覧表示　ﾃﾞｰﾀ取得日時：" + base::FormatDateTime(base::kDisplayDatePattern, Sv.clock.now()), "", path,
      ""};
  for (std::string& line : ReflowListing(text)) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> ArchiveCommands::binaryReport(const std::string& path) {
  const auto info = Sv.fs.stat(path);
  auto file = Sv.fs.openRead(path);
  if (!info || !file) return {};
  std::string head(4096, '\0');
  const long long read = file->read(head.data(), head.size());
  head.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
  std::string attributes = "    ";
  const std::uint32_t bits[] = {platform::kAttrReadOnly, platform::kAttrSystem, platform::kAttrHidden,
                                platform::kAttrArchive};
  for (int i = 0; i < 4; ++i)
    if (info->attributes & bits[i]) attributes[i] = "rsha"[i];
  const std::string rule(68, '-');
  std::vector<std::string> lines{
      "ﾊﾞｲﾅﾘｰ表示(4Kﾊﾞｲﾄ分)　ﾃﾞｰﾀ取得日時：" + base::FormatDateTime(base::kDisplayDatePattern, Sv.clock.now()),
      "ﾌｧｲﾙ名　　: " + path,
      "ﾌｧｲﾙ日付　:" + base::FormatDateTime(base::kDisplayDatePattern, base::DateTimeFromFileTime(info->lastWrite)) +
          attributes,
      "総ﾊﾞｲﾄ数　: " + base::FormatNumber(static_cast<double>(info->size), 7, 0) + " Bytes",
      "表示ﾊﾞｲﾄ数: " + base::FormatNumber(static_cast<double>(head.size()), 7, 0) + " Bytes",
      rule,
      "ofs  0  1  2  3  4  5  6  7  8  9  A  B  C  D  E  F Strings"};
  for (std::string& row : DumpRows(head)) lines.push_back(std::move(row));
  lines.push_back(rule);
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

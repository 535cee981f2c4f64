#include "archive/archive_commands.h"

#include <cstdio>

#include "base/buffered_copy.h"
#include "base/path.h"
#include "base/sjis.h"
#include "tools/report.h"

namespace archive {

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
                                               std::to_string(errors_.size()) + "件", errors_))
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

void ArchiveCommands::record(const std::string& error, const std::string& path) {
  errors_.push_back(error + "　" + path);
}

}  // namespace archive

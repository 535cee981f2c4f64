#include "desktop/associations.h"

#include "archive/archive_access.h"
#include "base/path.h"
#include "base/sjis.h"
#include "tools/file_tools.h"
#include "tools/report.h"

namespace desktop {

namespace {
const char kSystemRoot[] = "%SYSTEMROOT%";

// What follows a placeholder: its "%" and the digit after it are skipped.
std::string PastPlaceholder(const std::string& text, std::size_t percent) {
  return percent + 2 < text.size() ? text.substr(percent + 2) : std::string();
}
}  // namespace

std::optional<std::string> CommandFromTemplate(const std::string& commandTemplate, const std::string& path,
                                               const std::string& windowsFolder) {
  std::string t = base::UpperCase(commandTemplate);
  if (t.rfind(kSystemRoot, 0) == 0)
    t = base::StripTrailingSlash(windowsFolder) + t.substr(sizeof kSystemRoot - 1);
  if (t.empty()) return std::nullopt;
  const std::size_t first = t.find('%');
  // Without a placeholder the path is appended quoted, so a blank in it does not split it in two.
  if (first == std::string::npos) return t + " \"" + path + "\"";
  std::string rest = PastPlaceholder(t, first);
  std::string middle;
  if (const std::size_t second = rest.find('%'); second != std::string::npos) {
    middle = rest.substr(0, second);
    rest = PastPlaceholder(rest, second);
  }
  if (rest.find('%') != std::string::npos) return std::nullopt;
  return t.substr(0, first) + path + middle + rest;
}

Associations::Associations(core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
                           ui::Application& app, archive::ArchiveAccess& archives)
    : S(state), Sv(services), box_(box), app_(app), archives_(archives) {}

std::string Associations::CommandFor(const std::string& path, bool play) {
  const std::string ext = base::UpperCase(base::ExtractFileExt(path));
  // Batch and registry files would change the system if run: they are only ever read.
  const bool neverRun = ext.empty() || ext == ".BAT" || ext == ".CMD" || ext == ".REG";
  const auto value = [this](const std::string& key) {
    return Sv.reg.readString(platform::Hive::ClassesRoot, key, "").value_or("");
  };
  const std::string type = neverRun ? "" : value(ext);
  if (!type.empty()) {
    std::string commandTemplate = play ? value(type + "\\shell\\play\\command") : "";
    if (commandTemplate.empty()) commandTemplate = value(type + "\\shell\\open\\command");
    if (auto command = CommandFromTemplate(commandTemplate, path, Sv.fs.windowsFolder())) return *command;
  }
  return tools::NotepadCommand(path);
}

std::string Associations::fileOf(const std::string& row, const std::string& folder) {
  const tools::ResolvedRow r = tools::ResolveRow(row, folder);
  if (!r.entry.empty()) {
    if (!Sv.fs.fileExists(r.archive) || !archives_.ExtractToFolder(r.archive, r.entry)) return "";
    const std::string extracted = S.PopFolder + archive::BareEntryName(r.entry);
    return Sv.fs.fileExists(extracted) ? extracted : "";
  }
  return Sv.fs.fileExists(r.path) ? r.path : "";
}

void Associations::goOnOrStop(const std::string& text) {
  if (box_.ShowError(text, ui::kResultOk) != ui::kResultAbort) return;
  Sv.shell.beepExclamation();
  S.run.StopRequested = true;
}

void Associations::PKANRENClick(const std::vector<std::string>& rows, const std::string& folder, bool play) {
  app_.setBusyCursor(true);
  S.run.BusyBatch = true;
  S.run.StopRequested = false;
  int started = 0;
  for (const std::string& row : rows) {
    const std::string path = fileOf(row, folder);
    if (!path.empty()) {
      if (!Sv.fs.setCurrentFolder(base::StripTrailingSlash(base::ExtractFilePath(path))))
        goOnOrStop(path + "\n関連付けｴﾗｰ：ﾌｫﾙﾀﾞｰが存在しません・・・");
      else if (Sv.shell.run(CommandFor(path, play)))
        ++started;
      else
        goOnOrStop(path + "\n関連付けｴﾗｰ：実行に失敗しました・・・");
    }
    app_.processMessages();
    if (S.run.CloseRequested || S.run.StopRequested) break;
  }
  if (S.run.StopRequested)
    box_.ShowTimed("中断ボタンが押されました。\n強制終了します。", ui::kResultOk);
  else if (started == 0 && !S.run.CloseRequested)
    box_.ShowError("関連付けｴﾗｰ：ファイルが選択されていません・・・", ui::kResultOk);
  S.run.BusyBatch = false;
  app_.setBusyCursor(false);
}

}  // namespace desktop

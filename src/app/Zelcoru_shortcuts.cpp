// The player's shortcuts: their paths, and its own shortcut in the Startup folder
// ("スタートアップ登録" / "スタートアップ削除").
#include "app/Zelcoru.h"
#include "base/path.h"

namespace app {

namespace {
const char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kOpenFailed[] = "DDE:オープンに失敗しました・・・";
const char kSendFailed[] = "DDE:送信に失敗しました・・・";
}  // namespace

void TZELCOR32ZUMIK::restoreShortcutPaths() {
  auto folder = [this](const char* name) {
    return Sv.reg.readString(platform::Hive::CurrentUser, kShellFoldersKey, name).value_or("");
  };
  const std::string group = Sv.reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "Group").value_or("");
  const std::string link = std::string(kWindowTitle) + ".lnk";
  S.ProgramsShortcut = base::AddTrailingSlash(folder("Programs")) + group + "\\" + link;
  S.DesktopShortcut = base::AddTrailingSlash(folder("Desktop")) + link;
  S.StartupShortcut = base::AddTrailingSlash(folder("Startup")) + link;
  ShowShortcutCommands();
}

void TZELCOR32ZUMIK::ShowShortcutCommands() {
  const bool inStartup = Sv.fs.fileExists(S.StartupShortcut);
  menu("MSC_ST_SET").setVisible(!inStartup);
  menu("MSC_ST_DEL").setVisible(inStartup);
}

void TZELCOR32ZUMIK::MSC_ST_SETClick(bool add) {
  const std::string folder =
      Sv.reg.readString(platform::Hive::CurrentUser, kShellFoldersKey, "Startup").value_or("");
  if (base::StripTrailingSlash(folder).empty()) {
    MKBoxDlg1.ShowMessage("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    return;
  }
  app().setBusyCursor(true);
  // The Startup folder stands for the startup group; its failures keep their old texts.
  const std::string group = base::StripTrailingSlash(folder);
  if (!Sv.fs.folderExists(group) && !Sv.fs.makeFolder(group)) MKBoxDlg1.ShowMessage(kOpenFailed);
  const bool done = add ? Sv.shell.createShortcut(S.StartupShortcut, Sv.shell.programPath(), kWindowTitle)
                        : Sv.fs.removeFile(S.StartupShortcut);
  if (!done) MKBoxDlg1.ShowMessage(kSendFailed);
  if (app().backend()) app().backend()->bringToFront(*this);
  app().setBusyCursor(false);
  ShowShortcutCommands();
}

}  // namespace app

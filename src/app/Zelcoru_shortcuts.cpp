// The player's own shortcuts: their paths, the one in the Startup folder ("スタートアップ登録" /
// "スタートアップ削除") and the one on the Desktop (the options menu).
#include "app/Zelcoru.h"
#include "base/path.h"
#include "desktop/program_groups.h"

namespace app {

std::string TZELCOR32ZUMIK::ShellFolder(const char* name) { return desktop::ShellFolder(Sv.reg, name); }

void TZELCOR32ZUMIK::restoreShortcutPaths() {
  const std::string group = Sv.reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "Group").value_or("");
  const std::string link = std::string(kWindowTitle) + ".lnk";
  S.ProgramsShortcut = base::AddTrailingSlash(ShellFolder("Programs")) + group + "\\" + link;
  S.DesktopShortcut = base::AddTrailingSlash(ShellFolder("Desktop")) + link;
  S.StartupShortcut = base::AddTrailingSlash(ShellFolder("Startup")) + link;
  ShowShortcutCommands();
}

void TZELCOR32ZUMIK::ShowShortcutCommands() {
  const bool inStartup = Sv.fs.fileExists(S.StartupShortcut);
  menu("MSC_ST_SET").setVisible(!inStartup);
  menu("MSC_ST_DEL").setVisible(inStartup);
  const bool onDesktop = Sv.fs.fileExists(S.DesktopShortcut);
  menu("MSC_DK_SET").setVisible(!onDesktop);
  menu("MSC_DK_DEL").setVisible(onDesktop);
}

bool TZELCOR32ZUMIK::PlaceOwnShortcut(const char* folderName, bool add) {
  const std::string folder = ShellFolder(folderName);
  if (folder.empty()) return false;
  app().setBusyCursor(true);
  const bool done =
      desktop::ProgramGroups(Sv.reg, Sv.fs, Sv.shell).placeItem(folder, kWindowTitle, Sv.shell.programPath(), add).empty();
  app().setBusyCursor(false);
  ShowShortcutCommands();
  return done;
}

void TZELCOR32ZUMIK::MSC_ST_SETClick(bool add) {
  restoreShortcutPaths();  // the shell folders may have moved since the start
  if (ShellFolder("Startup").empty()) {
    MKBoxDlg1.ShowMessage("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    return;
  }
  // The Startup folder stands for the startup group; its failures keep their old texts.
  if (!PlaceOwnShortcut("Startup", add)) MKBoxDlg1.ShowMessage(desktop::kGroupSendFailed);
  if (app().backend()) app().backend()->bringToFront(*this);
}

void TZELCOR32ZUMIK::MSC_DK_SETClick(bool add) {
  restoreShortcutPaths();
  if (add && Sv.fs.fileExists(S.DesktopShortcut)) {
    MKBoxDlg1.ShowMessage("デスクトップには、既に登録されています☆☆☆");
    return;
  }
  if (PlaceOwnShortcut("Desktop", add) || !add) return;
  const std::string reason = ShellFolder("Desktop").empty() ? "デスクトップフォルダーが不明です・・・" : S.DesktopShortcut;
  MKBoxDlg1.ShowMessage("デスクトップへの登録に失敗しました・・・\n" + std::string(kWindowTitle) + "\n" + reason);
}

}  // namespace app

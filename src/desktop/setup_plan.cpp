#include "desktop/setup_plan.h"

#include "base/buffered_copy.h"
#include "base/path.h"
#include "base/sjis.h"
#include "core/settings.h"

namespace desktop {

const char kProductTitle[] = "Zelcor32 B-G-M";
const char kProgramKey[] = "ZELCOR32";
const char kSetupGroup[] = "ZUMIKSOFT SETUP";
const char kUninstallEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZELCOR32";
const char kHandOverKey[] = "Software\\Unin_ZUMIK SOFT32";
const char kUninstallerName[] = "unin_zumik000.exe";

namespace {

using platform::Hive;

const char kMakerKey[] = "Software\\ZUMIK SOFT32";
const char kArchiveLibrary[] = "UnLha32.dll";
const char kNoStartupGroup[] = "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません";
const char* const kHelpExtensions[] = {".TXT", ".CHM", ".CHW", ".HLP", ".GID"};
const char* const kReportFiles[] = {"ErR$$$$$.TXT", "LzH$$$$$.TXT", "HTM$$$$$.TXT", "BiN$$$$$.TXT",
                                    "DrV$$$$$.TXT", "KANA$$$$.TXT", "CD$$$$.TXT",   "MP3$$$$.TXT",
                                    "ZeLI解凍.TXT", "COPY_JK.TXT",  "COPY_Er$.TXT", "CRASH$$$.TXT"};
const char* const kDataPatterns[] = {"ZeLC32FH.LIS",    "ZeLC32CD.LIS",    "*.LIM",          "*.LIR",
                                     "*.LIV",           "*.DAY",           "zelcor32f?.LIS", "zelcor32w?.LIS",
                                     "ZeLC32MH.LIS",    "ZeLC32VH.LIS",    "ZeLC32M?.LISOLD", "ZeLC32R?.LISOLD",
                                     "ZeLC32V?.LISOLD"};
const char* const kNumberedLists[] = {"ZeLC32M", "ZeLC32V", "ZeLC32R"};

bool SamePath(const std::string& a, const std::string& b) { return base::UpperCase(a) == base::UpperCase(b); }

bool Inside(const std::string& path, const std::string& folder) {
  const std::string p = base::UpperCase(base::AddTrailingSlash(path));
  const std::string f = base::UpperCase(base::AddTrailingSlash(folder));
  return p.compare(0, f.size(), f) == 0;
}

// Every missing level from the drive root down.
void MakeFolders(platform::FileSystem& fs, const std::string& folder) {
  std::string path;
  for (auto& piece : base::SplitPath(base::StripTrailingSlash(folder))) {
    if (piece.empty()) continue;
    path = path.empty() ? piece : path + "\\" + piece;
    if (path.size() > 2 && !fs.folderExists(path)) fs.makeFolder(path);
  }
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

}  // namespace

std::string VersionText(int version) { return std::to_string(version / 10) + "." + std::to_string(version % 10); }

std::string DisplayName() {
  return std::string("ZUMIKSOFT ") + kProductTitle + " V" + VersionText(core::kBuildVersion);
}

std::string SetupPlan::setupFolder() const { return sv_.windowsFolder.substr(0, 3) + kSetupGroup; }

std::string SetupPlan::defaultFolder() const {
  return sv_.windowsFolder.substr(0, 3) + "ZUMIKP32\\" + kProgramKey;
}

std::string SetupPlan::uninstallerPath() const { return base::AddTrailingSlash(sv_.windowsFolder) + kUninstallerName; }

std::string SetupPlan::initialFolder() {
  const std::string stored =
      base::StripTrailingSlash(sv_.reg.readString(Hive::CurrentUser, core::kSettingsKey, "EXEPATH").value_or(""));
  return stored.empty() || Inside(stored, setupFolder()) ? defaultFolder() : stored;
}

std::string SetupPlan::initialGroup() {
  return sv_.reg.readString(Hive::CurrentUser, core::kSettingsKey, "Group").value_or("");
}

std::string SetupPlan::refusal(const InstallChoice& c) const {
  if (c.group.empty()) return "グループ名を設定して下さい。";
  if (SamePath(c.group, kSetupGroup)) return c.group + "は、グループ名に設定出来ません・・・";
  if (c.folder.empty()) return "フォルダーを設定して下さい。";
  if (Inside(c.folder, setupFolder()))
    return c.folder + "\nこのフォルダーには設定出来ません・・・\n別のフォルダーを登録して下さい。";
  return "";
}

bool SetupPlan::install(const InstallChoice& c) {
  if (const std::string why = refusal(c); !why.empty()) {
    talk_.show(why);
    return false;
  }
  const std::string folder = base::StripTrailingSlash(c.folder);
  const std::string exe = folder + "\\" + kProgramKey + ".EXE";
  MakeFolders(sv_.fs, folder);
  auto copy = [&](const std::string& from, const std::string& to) {
    if (!base::CopyFileBuffered(sv_.fs, from, to).empty()) talk_.show("ファイルのコピーに失敗しました・・・");
  };
  if (!SamePath(sv_.programPath, exe)) copy(sv_.programPath, exe);
  const std::string source = base::ExtractFilePath(sv_.programPath);
  if (!SamePath(base::StripTrailingSlash(source), folder)) {
    // The archive library goes along: the installed player loads it from its own folder.
    for (const std::string& name : {std::string(kProgramKey) + ".TXT", std::string(kProgramKey) + ".CHM",
                                   std::string(kArchiveLibrary)})
      if (sv_.fs.fileExists(source + name)) copy(source + name, folder + "\\" + name);
  }

  const std::string setup = setupFolder();
  for (const char* ext : kHelpExtensions) sv_.fs.removeFile(setup + "\\" + kProgramKey + ext);
  const std::string setupGroup = groups_.groupFolder(kSetupGroup);
  groups_.placeItem(setupGroup, std::string("SETUP セットアップ ") + kProductTitle, "", false);
  groups_.deleteGroup(setupGroup);

  sv_.reg.writeString(Hive::CurrentUser, core::kSettingsKey, "EXEPATH", folder);
  sv_.reg.writeString(Hive::CurrentUser, core::kSettingsKey, "Group", c.group);
  placeGroupItem(groups_.groupFolder(c.group), exe, true);
  if (c.startup) {
    const std::string startup = ShellFolder(sv_.reg, "Startup");
    if (startup.empty()) talk_.show(kNoStartupGroup);
    else placeGroupItem(startup, exe, true);
  }

  sv_.reg.writeString(Hive::LocalMachine, kUninstallEntry, "DisplayName", DisplayName());
  sv_.reg.writeString(Hive::LocalMachine, kUninstallEntry, "UninstallString", exe + " /uninstall");
  sv_.reg.writeString(Hive::LocalMachine, kUninstallEntry, "Publisher", "ZUMIKSOFT");
  sv_.reg.writeString(Hive::LocalMachine, kUninstallEntry, "DisplayVersion", VersionText(core::kBuildVersion));
  sv_.reg.writeString(Hive::CurrentUser, core::kSettingsKey, "Version", std::to_string(core::kBuildVersion));
  sv_.reg.writeString(Hive::CurrentUser, core::kSettingsKey, "BackColor", c.standardColours ? "1" : "0");
  sv_.reg.writeString(Hive::CurrentUser, core::kSettingsKey, "ZUMIK_COLOR", "0");
  return true;
}

void SetupPlan::finishInstall(const InstallChoice& c) {
  base::CopyFileBuffered(sv_.fs, sv_.programPath, uninstallerPath());
  const std::string done = "登録完了です。\n\n[ " + c.group + " ]\nグループに登録しました☆☆";
  writeHandOver(sv_.programPath, done);
  // The hand-over names the installer that ran, never the installed program, and keeps folders.
  sv_.reg.writeString(Hive::CurrentUser, kHandOverKey, "RmDir", "n");
  talk_.show(done + "\nお疲れ様☆☆");
}

bool SetupPlan::mayWriteMachineKeys() {
  const bool had = sv_.reg.readString(Hive::LocalMachine, kUninstallEntry, "DisplayName").has_value();
  if (!sv_.reg.writeString(Hive::LocalMachine, kUninstallEntry, "DisplayName", DisplayName())) return false;
  if (!had) sv_.reg.deleteKey(Hive::LocalMachine, kUninstallEntry, true);
  return true;
}

std::string SetupPlan::copyForRelaunch() {
  const std::string folder = setupFolder();
  MakeFolders(sv_.fs, folder);
  const std::string copy = folder + "\\" + kProgramKey + "SetUp.exe";
  return base::CopyFileBuffered(sv_.fs, sv_.programPath, copy).empty() ? copy : "";
}

void SetupPlan::relaunch(const std::string& copy) {
  if (!copy.empty() && sv_.shell.run(Quoted(copy))) return;
  groups_.placeItem(groups_.groupFolder(kSetupGroup), std::string("SETUP セットアップ ") + kProductTitle, copy, true);
  talk_.show("1セットアップエラー：セットアップソフトの起動に失敗しました");
}

void SetupPlan::placeGroupItem(const std::string& folder, const std::string& target, bool add) {
  const std::string failure = groups_.placeItem(folder, kProductTitle, target, add);
  if (!failure.empty()) talk_.show(failure);
}

void SetupPlan::removeMatching(const std::string& folder, const std::string& pattern) {
  for (auto& e : sv_.fs.list(base::StripTrailingSlash(folder), pattern))
    if (!(e.attributes & platform::kAttrDirectory)) sv_.fs.removeFile(base::AddTrailingSlash(folder) + e.name);
}

bool SetupPlan::uninstall(const std::string& dataFolder) {
  const std::string title = std::string(kProductTitle) + " V" + VersionText(core::kBuildVersion);
  if (!talk_.ask(title + "\nを、アンインストールしてよろしいですか？？？", true)) {
    talk_.show("アンインストールを中止しました。");
    return false;
  }
  sv_.reg.deleteKey(Hive::LocalMachine, kUninstallEntry, true);
  if (const std::string group = initialGroup(); !group.empty()) {
    const std::string folder = groups_.groupFolder(group);
    placeGroupItem(folder, "", false);
    groups_.deleteGroup(folder);
  }
  placeGroupItem(ShellFolder(sv_.reg, "Startup"), "", false);
  const std::string desktop = ShellFolder(sv_.reg, "Desktop");
  if (!desktop.empty()) sv_.fs.removeFile(desktop + "\\" + kProductTitle + ".lnk");
  deleteHandOver();
  sv_.fs.removeFile(setupFolder() + "\\" + kProgramKey + "SetUp.exe");
  const std::string installed = base::AddTrailingSlash(
      sv_.reg.readString(Hive::CurrentUser, core::kSettingsKey, "EXEPATH").value_or(base::ExtractFilePath(sv_.programPath)));
  for (const char* ext : kHelpExtensions) sv_.fs.removeFile(installed + kProgramKey + ext);
  sv_.fs.removeFile(installed + kArchiveLibrary);

  const std::string data = base::AddTrailingSlash(dataFolder);
  // Lists and schedules are the user's work: a question nobody answers keeps them.
  if (talk_.ask("アイコン／TXTﾌｧｲﾙの削除を終了しました。\nメモリー／登録タイムデータファイルも削除して、よろしいですか？？？", false)) {
    for (const char* pattern : kDataPatterns) removeMatching(data, pattern);
    for (const char* list : kNumberedLists)
      for (char n = '0'; n <= '9'; ++n) sv_.fs.removeFile(data + list + n + ".LIS");
  }
  for (const char* work : {"LZH_TEMP", "LZH_POPM"}) {
    removeMatching(data + work, "*.*");
    sv_.fs.removeFolder(data + work);
  }
  for (const char* report : kReportFiles) sv_.fs.removeFile(data + report);
  sv_.reg.deleteValue(Hive::CurrentUser, core::kSettingsKey, "Version");
  sv_.reg.deleteValue(Hive::CurrentUser, core::kSettingsKey, "REC_TXT");

  if (talk_.ask("当ソフトのレジストリー情報も削除してよろしいですか？？", false)) {
    sv_.reg.deleteKey(Hive::CurrentUser, core::kSettingsKey, true);
    sv_.reg.deleteKey(Hive::CurrentUser, kMakerKey, false);
  }
  writeHandOver(sv_.programPath, "");
  return true;
}

void SetupPlan::writeHandOver(const std::string& file, const std::string& endMessage) {
  auto put = [&](const char* name, const std::string& value) {
    sv_.reg.writeString(Hive::CurrentUser, kHandOverKey, name, value);
  };
  put("File", file);
  put("Title", DisplayName());
  put("RmDir", "y");
  put("Color", "0");
  put("FColor", "0");
  if (!endMessage.empty()) put("ENDMESSAGE", endMessage);
}

void SetupPlan::deleteHandOver() { sv_.reg.deleteKey(Hive::CurrentUser, kHandOverKey, true); }

void SetupPlan::startStage2(const std::string& chosenDataFolder) {
  const std::string chosen = base::StripTrailingSlash(chosenDataFolder);
  // Only an empty folder goes: a user's own files in it stay where they are.
  if (!chosen.empty() && chosen != "@@@@@") sv_.fs.removeFolder(chosen);
  sv_.fs.setCurrentFolder(sv_.windowsFolder);
  if (sv_.shell.run(Quoted(uninstallerPath()) + " " + Quoted("/DeleteFile"))) return;
  talk_.show("1ｱﾝｲﾝｽﾄｰﾙｴﾗｰ：ｱﾝｲﾝｽﾄｰﾙｿﾌﾄの起動に失敗しました");
  deleteHandOver();
}

bool SetupPlan::takeHandOver(const std::vector<std::string>& params) {
  auto get = [&](const char* name) {
    return sv_.reg.readString(Hive::CurrentUser, kHandOverKey, name).value_or("");
  };
  handOverFile_ = get("File");
  handOverRmDir_ = get("RmDir");
  handOverEnd_ = get("ENDMESSAGE");
  deleteHandOver();
  if (params.empty() || params[0] != "/DeleteFile") {
    talk_.show("ｱﾝｲﾝｽﾄｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n[ZUMIK SOFT32]専用のｱﾝｲﾝｽﾄｰﾙｿﾌﾄです。");
    return false;
  }
  return true;
}

bool SetupPlan::removeProgram() {
  if (!handOverFile_.empty() && sv_.fs.fileExists(handOverFile_) && !sv_.fs.removeFile(handOverFile_)) return false;
  const std::string folder = base::StripTrailingSlash(base::ExtractFilePath(handOverFile_));
  // The folder goes only when nothing else is left in it.
  if (handOverRmDir_ != "n" && !folder.empty() && sv_.fs.folderExists(folder) && !sv_.fs.removeFolder(folder))
    talk_.show("フォルダー削除エラー");
  talk_.show((handOverEnd_.empty() ? std::string("アンインストールが完了しました☆☆☆") : handOverEnd_) + "\nお疲れ様☆☆☆");
  return true;
}

}  // namespace desktop

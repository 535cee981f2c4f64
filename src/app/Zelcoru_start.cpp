// Window creation, the deferred start-up (Timer1) and the command lines that reach the player.
#include <algorithm>

#include "app/Zelcoru.h"
#include "app/DIR2SET.h"
#include "app/data_folder.h"
#include "app/startup.h"
#include "files/D2OPENDLG.h"
#include "files/folders.h"
#include "memory/memory_lists.h"
#include "playback/playback.h"
#include "base/comma_list.h"
#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"
#include "base/wildcard.h"
#include "tools/mp3_formats.h"

namespace app {

void TZELCOR32ZUMIK::FormCreate() {
  S.run.InitDone = 0;
  S.InitErrorPrefix = "初期化エラー：";
  app().setBusyCursor(true);
  S.WindowsFolder = base::AddTrailingSlash(Sv.fs.windowsFolder());
  migrateAndPrepareFolders();
  for (auto* l : {&ListBox4, &ListBox2, &ListBox8, &ListBox6, &ListBox9, &ListBoxKaKo, &ListBox3}) l->setItemIndex(-1);
  Settings early;
  if (auto fp = Sv.reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "FP"))
    if (auto l = base::ParseCommaList(*fp, 2)) early.windowPos = std::make_pair((*l)[0], (*l)[1]);
  placeWindow(early);
  readMp3FormatMarker();
  for (const char* m : {"MHelp0", "MOption0", "MStart0"}) menu(m).setEnabled(false);
  Timer1.onTimer = [this] { Timer1Timer(); };
  if (!S.run.ShutDown) Timer1.setEnabled(true);
}

void TZELCOR32ZUMIK::migrateAndPrepareFolders() {
  MigrateOldLists(Sv.fs, Sv.reg, S.DataFolder);
  S.run.CloseRequested = false;
  S.run.ClosingGuard = false;
  S.run.CloseAfterPlay = false;
  S.TempFolder = S.DataFolder + "LZH_TEMP\\";
  S.PopFolder = S.DataFolder + "LZH_POPM\\";
  PrepareWorkingFolder(S.TempFolder, Sv.fs, Sv.shellNs);
  PrepareWorkingFolder(S.PopFolder, Sv.fs, Sv.shellNs);
}

void TZELCOR32ZUMIK::placeWindow(const Settings& s) {
  const ui::Rect screen = app().screen();
  const ui::Rect area = app().workArea();
  int left = (screen.width - bounds().width) / 2;
  int top = (screen.height - bounds().height) / 2;
  if (s.windowPos) {
    left = s.windowPos->first;
    top = s.windowPos->second;
  }
  // Right and bottom edges inside the free desktop area first, then left and top.
  left = std::min(left, area.right() - bounds().width);
  top = std::min(top, area.bottom() - bounds().height);
  left = std::max(left, area.left);
  top = std::max(top, area.top);
  setBounds(left, top, bounds().width, bounds().height);
}

void TZELCOR32ZUMIK::readMp3FormatMarker() {
  // The player's own encoder writes its format at once, where a recorder needed a set-up run.
  S.Mp3FormatMissing = tools::EnsureZumikFormat(Sv.reg, core::kSettingsKey);
  auto stored = Sv.reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "TEMPLZH");
  S.settings.extractFolder = UsableFolderSetting(stored.value_or(""), Sv.fs, Sv.shellNs);
}

void TZELCOR32ZUMIK::Timer1Timer() {
  Timer1.setEnabled(false);
  S.DriveLastFolders = base::LoadLines(Sv.fs, S.DataFolder + "ZeLC32CD.LIS").value_or(std::vector<std::string>{});
  if (IsNoFolder(S.settings.extractFolder)) {
    S.settings.extractFolder.clear();
    S.settings.extractFolder = base::AddTrailingSlash(ChooseFolder("解凍先", "TMPLZH32", ""));
    if (IsNoFolder(S.settings.extractFolder)) S.settings.extractFolder = core::kNoFolder;
  }
  app().hintText = "Zelcorでーす☆☆☆";
  app().setShowHints(true);
  Edit1.setMaxLength(254);
  StatusBar1.setPanelText(0, "選択フォルダー名");
  HeaderControl1.setSections({"ファイル一覧"});
  S.ExtensionTable = {"WAV", "MID", "RMI", "AIF", "AU", "SND", "LZH", "CDA", "MP3"};
  restoreSettings();
  restoreFolderHistory();
  restoreShortcutPaths();
  S.settings.showLastMp3List = 0;
  TaskTray1.setIcon(Sv.notifyArea.windowIcon(handle));
  S.run.InitDone = 99;
  S.LastExtractedFile.clear();
  PanelOPEN.setVisible(S.settings.startInTray);
  for (const char* m : {"MHelp0", "MOption0", "MStart0"}) menu(m).setEnabled(true);
  app().setBusyCursor(false);

  S.Switches = ParseCommandLine(params_, Sv.fs);
  if (S.Switches.close || S.Switches.closeC) ME_AUTO_OFFClick();
  if (S.Switches.winClose) ME_AUTO_OFF_WINClick();
  if (!S.Switches.files.empty()) takeFiles(S.Switches.files);
  setAcceptFiles(true);
  onDropFiles = [this](const std::vector<std::string>& p) { FormDropFiles(p); };
  const bool scheduleStarts = S.ScheduleWasRunning && ListBox_JK.count() > 0 && startSchedule;
  if (scheduleStarts) startSchedule();
  if (S.settings.startInTray || S.Switches.tray) {
    TrayBounds = bounds();
    Timer_Mini.setEnabled(true);
  }
  if (!scheduleStarts && (S.settings.playAtStart || S.Switches.play)) Button2.click();
}

void TZELCOR32ZUMIK::restoreSettings() {
  S.run.RestoringSettings = true;
  try {
    const Settings stored = core::ReadSettings(Sv.reg, S.WindowsFolder);
    ApplySettings(stored);
    S.TitlePrefix = "Zelcor32 ";
    S.IdleTitle = S.TitlePrefix + "B-G-M";
    SetTitle(S.IdleTitle);
    for (Subsystem* s : subsystems_) s->restoreAtStart();
    RestoreSelection(ListBox2, stored.index[0]);
    if (S.settings.namesOnly) RestoreSelection(ListBox8, stored.index[0]);
    RestoreSelection(ListBox4, stored.index[1]);
  } catch (const std::exception&) {
    S.run.RestoringSettings = false;
    MKBoxDlg1.ShowTimed("初期化処理に失敗しました・・・", 1);
  }
  S.run.RestoringSettings = false;
}

void TZELCOR32ZUMIK::restoreFolderHistory() { Folders->RestoreFolderHistory(); }

void TZELCOR32ZUMIK::takeFiles(const std::vector<std::string>& files) {
  if (!MemoryViewShown()) Button9Click();
  for (Subsystem* s : subsystems_) s->showHistoryMemory();
  Memory->AlignVolumes();
  const int appended = ListBox2.count();
  const int gone = Memory->AppendShown(files, Player().history.Limit());
  // The first file given is the one the run starts with, not the history's last position.
  const int first = std::max(0, appended - gone);
  ListBox2.setItemIndex(first);
  ListBox2.tag = first;
  if (S.settings.namesOnly) {
    ListBox8.setItemIndex(first);
    ListBox8.tag = first;
  }
  Memory->ShowEntryCount();
  RadioGroup1.setItemIndex(0);
}

void TZELCOR32ZUMIK::ForwardedCommandLine(const std::string& text) {
  if (InTray()) TRIconOFFClick();
  else if (bringForward) bringForward();
  if (text.empty()) return;
  S.Switches = CommandLine{};
  for (auto& piece : SplitForwarded(text)) ApplyParameter(S.Switches, piece, Sv.fs);
  if (S.Switches.close || S.Switches.closeC) {
    setFlag("ME_AUTO_OFF", false);
    ME_AUTO_OFFClick();
  }
  if (S.Switches.winClose) {
    setFlag("ME_AUTO_OFF_WIN", false);
    ME_AUTO_OFF_WINClick();
  }
  if (!S.Switches.files.empty()) {
    takeFiles(S.Switches.files);
    S.Switches.play = true;
  }
  if (S.Switches.tray && !InTray()) ButtonTRAYClick();
  if (S.Switches.play) Button2.click();
}

void TZELCOR32ZUMIK::FormDropFiles(const std::vector<std::string>& paths) {
  S.Switches.files = AcceptedDrops(paths);
  S.Switches.play = false;
  if (!S.Switches.files.empty()) {
    takeFiles(S.Switches.files);
    S.Switches.play = true;
  }
  if (S.Switches.play) Button2.click();
}

}  // namespace app

namespace app {

std::string TZELCOR32ZUMIK::ChooseFolder(const std::string& title, const std::string& dirName,
                                         const std::string& current) {
  TDIR2SETDLG dlg(app(), Sv.fs, S.WindowsFolder);
  dlg.Title = title;
  dlg.DirName = dirName;
  dlg.Directory = current;
  dlg.StandardColor = S.settings.standardColours;
  dlg.browse = [this](const std::string& text, const std::string& start) {
    DIR2OPENDLG1->Directory = start;
    DIR2OPENDLG1->StandardColor = S.settings.standardColours;
    return DIR2OPENDLG1->Execute(text) == ui::kResultOk ? DIR2OPENDLG1->Directory : std::string();
  };
  dlg.Execute();
  return dlg.Directory;
}

void TZELCOR32ZUMIK::TEMPLZH1Click() {
  const std::string current = IsNoFolder(S.settings.extractFolder) ? "" : base::StripTrailingSlash(S.settings.extractFolder);
  const std::string chosen = ChooseFolder("解凍先", "TMPLZH32", current);
  if (!chosen.empty()) S.settings.extractFolder = base::AddTrailingSlash(chosen);
}

void TZELCOR32ZUMIK::P_MP3_DIRClick() {
  const std::string chosen = ChooseFolder("MP3セーブ先", "MP3", base::StripTrailingSlash(S.settings.mp3SaveFolder));
  if (!chosen.empty()) S.settings.mp3SaveFolder = base::AddTrailingSlash(chosen);
}

void TZELCOR32ZUMIK::MK_FOLDERClick() {
  const std::string folder = base::StripTrailingSlash(S.settings.extractFolder);
  if (IsNoFolder(S.settings.extractFolder) || (!Sv.fs.folderExists(folder) && !Sv.fs.makeFolder(folder))) {
    MKBoxDlg1.ShowMessage("フォルダーエラー");
    return;
  }
  Folders->OpenInCurrentView(folder);
}

}  // namespace app

#pragma once
// The state the main window shares with every subsystem (one thread, no locks).
#include <string>
#include <vector>

#include "app/startup.h"

namespace app {

struct SharedState {
  // Identity and folders.
  std::string DataFolder;     // folder of the executable, with "\"
  std::string WindowsFolder;  // with "\"
  std::string TempFolder;     // DataFolder + "LZH_TEMP\"
  std::string PopFolder;      // DataFolder + "LZH_POPM\"
  std::string RegisteredDataPath;

  int InitDone = 0;  // 99 once the deferred start-up has finished
  std::string InitErrorPrefix;
  std::string CurrentMemory;
  const std::string HistoryName = "HISTORY";
  std::string FolderPath;
  std::string ActivePatterns;
  std::string ExtensionPatterns;
  int AttributeMask = 0;
  std::vector<std::string> ExtensionTable;
  int FolderViewMode = 1;
  int FolderHistoryLimit = 16;
  int FileHistoryLimit = 16;
  int EndCountChoice = 0;
  int EndCountSet = 20;
  int EndCountLeft = 0;
  std::string ExtractFolder;
  std::string Mp3SaveFolder;
  int ShowLastMp3List = 0;
  bool Mp3FormatMissing = false;
  bool UseMediaPlayerForMp3 = true;
  bool TrashClearMode = false;
  int ScheduleMode = 0;
  std::string DailySetName;
  int WeekdaySetIndex = 0;
  int WeeklySetIndex = 0;
  bool ScheduleWasRunning = false;
  std::string ProgramsShortcut, DesktopShortcut, StartupShortcut;
  CommandLine Switches;  // SwitchPlay, SwitchClose, ... and CommandFiles
  std::string TitlePrefix;
  std::string IdleTitle;
  std::vector<std::string> DriveLastFolders;
  std::string LastExtractedFile;
  std::string ReName = "ReName";
  int AutoNo = 0;
  int AutoNoDigits = 3;
  bool NoMemo = false;
  bool ShowExtractWindow = false;

  // Run and close flags.
  bool StopRequested = false;
  bool CloseRequested = false;
  bool ShutDown = false;
  bool ClosingGuard = false;
  bool CloseAfterPlay = false;
  bool PlayRunActive = false;
  std::string PlayFile;
  std::string HistoryEntry;
  bool InArchive = false;
  bool BusyBatch = false;
  bool BusyArchive = false;
  bool BusyBulkAdd = false;
  bool BulkAddStop = false;
  bool MenuBusy = false;         // one menu command or number box at a time
  bool RestoringSettings = false;  // the settings restore is running
};

}  // namespace app

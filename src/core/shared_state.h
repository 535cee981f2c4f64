#pragma once
// The state the main window shares with every subsystem (one thread, no locks): the settings,
// the run flags, and what this session found out about its folders and lists.
#include <string>
#include <vector>

#include "core/command_line.h"
#include "core/settings.h"

namespace core {

// Flags of a run and of closing, and the busy flags that keep commands from overlapping.
struct RunFlags {
  int InitDone = 0;  // 99 once the deferred start-up has finished
  bool StopRequested = false;
  bool CloseRequested = false;
  bool ShutDown = false;
  bool ClosingGuard = false;
  bool CloseAfterPlay = false;
  bool PlayRunActive = false;
  int EndCountLeft = 0;
  std::string PlayFile;
  std::string HistoryEntry;
  bool InArchive = false;
  bool BusyBatch = false;
  bool BusyArchive = false;
  bool BusyBulkAdd = false;
  bool BulkAddStop = false;
  bool MenuBusy = false;           // one menu command or number box at a time
  bool RestoringSettings = false;  // the settings restore is running
};

struct SharedState {
  Settings settings;  // the only home of each setting; menus and captions are drawn from it
  RunFlags run;

  // Identity and folders.
  std::string DataFolder;     // folder of the executable, with "\"
  std::string WindowsFolder;  // with "\"
  std::string TempFolder;     // DataFolder + "LZH_TEMP\"
  std::string PopFolder;      // DataFolder + "LZH_POPM\"
  std::string RegisteredDataPath;

  std::string InitErrorPrefix;
  const std::string HistoryName = "HISTORY";
  // The file patterns in force: the ticked extensions, "*.*" or the typed patterns.
  std::string ActivePatterns;
  std::string ExtensionPatterns;  // the ticked extensions as "*.WAV;*.MID;..."
  int AttributeMask = 0;          // from the attribute boxes
  std::vector<std::string> ExtensionTable;
  bool Mp3FormatMissing = false;
  bool ScheduleWasRunning = false;
  std::string ProgramsShortcut, DesktopShortcut, StartupShortcut;
  CommandLine Switches;  // SwitchPlay, SwitchClose, ... and CommandFiles
  std::string TitlePrefix;
  std::string IdleTitle;
  std::vector<std::string> DriveLastFolders;
  std::string LastExtractedFile;
};

}  // namespace core

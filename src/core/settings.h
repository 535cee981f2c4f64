#pragma once
// The player's settings under HKEY_CURRENT_USER "Software\ZUMIK SOFT32\ZELCOR32": read once at
// start, each value under its own guard with its default, and written back in a fixed order
// at close. While the player runs they are the only home of each setting: menu toggles write
// them and the check marks are drawn from them.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace core {

extern const char kSettingsKey[];
extern const char kStoppedCaption[];  // "停止中"
extern const char kRunningCaption[];  // "実行中"
extern const char kWaitingCaption[];  // "待機中"
extern const char kNoFolder[];        // "@@@@@\"
constexpr int kBuildVersion = 20;

struct Settings {
  std::optional<std::pair<int, int>> windowPos;       // FP: left, top
  std::vector<int> zokusei{1, 0, 0, 1, 1};            // rd, sys, hid, arc, nor
  bool all = false;                                   // ALL
  bool saiseiBar = false;                             // SAISEIBAR
  bool mp3WithoutPlayer = false;                      // MP3 (MO_MP3)
  bool extensionBoxMode = true;                       // FILESHITEI
  std::string fileName = "*.WAV;*.MID;*.RMI;*.AIF;*.AU;*.SND;*.CDA;*.MP3";  // FILENAME
  std::vector<int> kakuchoshi{1, 1, 1, 1, 1, 1, 0, 1, 1};  // WAV MID RMI AIF AU SND LZH CDA MP3
  int folderHistoryLimit = 16;                        // FOLDERHIS
  int fileHistoryLimit = 16;                          // FILEHIS
  bool lzhCopy = true;                                // LZHCOPY
  bool miniHelp = true;                               // minihelp
  std::string reName = "ReName";                      // ReName
  int autoNo = 0;                                     // Auto_No
  int autoNoDigits = 3;                               // Auto_No_KETA
  std::string mp3SaveFolder;                          // SND_DIR
  bool noMemo = false;                                // No_Memo
  int showLastMp3List = 0;                            // REC_TXT
  bool standardColours = true;                        // BackColor
  bool randomReset = false;                           // RND_RESET
  bool autoVolume = false;                            // AUTO_VOL (written only)
  bool showExtractWindow = false;                     // LZH_VOUT
  int endCountSet = 20;                               // End_Kosu_Set
  int endCountChoice = 0;                             // End_Kosu_index
  bool endCloseSave = false;                          // EndClose_SAVE
  bool endWinSave = false;                            // EndWin_SAVE
  bool endClose = false;                              // EndClose
  bool endWin = false;                                // EndWin
  bool cdTrackNames = false;                          // CD_NAME
  // MEMORY positions 0, 2, 3, 5 and 6 (1 and 4 are written as -1 and 0, never read).
  bool fileListView = true;                           // the file-list view (Button9 shown)
  bool trashShown = false;                            // CheckBoxGomi
  bool trashClearMode = true;                         // emptying the trash asks first
  bool showHiddenFolders = true;                      // K6
  bool namesOnly = true;                              // SSN: lists show file names only
  int folderViewMode = 1;                             // DirNo
  std::string folderPath;                             // CPATH
  // SAISEIM positions.
  int playMode = 0;                                   // RadioGroup1
  bool repeat = true;                                 // CheckBox1
  bool playAtStart = false;                           // Start1
  bool startInTray = false;                           // Start2
  bool followExtensionsInPlay = false;                // KC
  bool extractMusicOnly = true;                       // K7
  bool deleteExtracted = true;                        // K8
  bool stopAtArchiveEnd = false;                      // LZHEND1
  bool scheduleTimerOn = false;                       // MS_JK
  std::string scheduleCaption = kStoppedCaption;      // JK
  int scheduleMode = 0;                               // TM_Mode
  std::string dailySetName;                           // TDAY_S
  int weekdaySetIndex = 0;                            // TM_F_Index
  int weeklySetIndex = 0;                             // TWEK_Index
  std::string currentMemory;                          // M_Fn
  std::vector<int> index{0, 0};                       // INDEX: ListBox2, ListBox4
  std::string extractFolder = kNoFolder;              // TEMPLZH, with its trailing "\"
};

// Reads every value; a missing, empty or unparseable value takes its default.
// windowsFolder (with "\") gives the default folder "MEDIA".
Settings ReadSettings(platform::Registry& reg, const std::string& windowsFolder);

// Name and stored text of every value written at close, in the order written; "TEMPLZH"
// follows them only when an extraction folder was chosen.
std::vector<std::pair<std::string, std::string>> StoredSettingTexts(const Settings& s);

// Writes every value in order; false (and the rest skipped) when a write fails.
bool WriteSettings(platform::Registry& reg, const Settings& s);

// "Version" as start-up reads it: empty or missing means 255; unparseable too.
int StoredVersion(platform::Registry& reg);

}  // namespace core

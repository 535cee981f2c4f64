#pragma once
// TZELCOR32ZUMIK: the main window. It owns every control, menu and timer, the shared state
// and the subsystems, and carries start-up, the commands and closing.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_access.h"
#include "archive/archive_commands.h"
#include "core/settings.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "dialogs/TmSETdlg.h"
#include "desktop/TaskTray.h"
#include "desktop/associations.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace memory {
class MemoryLists;
class MemoryEdit;
class Trash;
class DragDrop;
struct MemoryListsView;
struct MemoryEditView;
struct TrashView;
struct DragDropView;
class BulkAdd;
struct BulkAddView;
}
namespace files {
class FileList;
class Folders;
class TDIR2OPENDLG;
struct FileListView;
struct FoldersView;
}
namespace playback {
class Playback;
struct PlaybackView;
class CdSearch;
}
namespace tools {
class Mp3Conversion;
}
namespace schedule {
class SchedulePanel;
struct SchedulePanelView;
}
namespace tools {
class FileTools;
struct FileToolsView;
}

namespace app {

class MemoryHistorySink;
class ScheduleLink;

// The shared pieces every subsystem takes, under the names the window has always used.
using core::Services;
using core::Settings;
using core::SharedState;
using core::Subsystem;

extern const char kWindowTitle[];  // "Zelcor32 B-G-M"
extern const char kAppTitle[];     // "Zelcor32"

class TZELCOR32ZUMIK : public ui::Form {
 public:
  TZELCOR32ZUMIK(ui::Application& app, Services& services, std::string dataFolder,
                 std::vector<std::string> params);
  ~TZELCOR32ZUMIK() override;

  SharedState S;
  Services& Sv;
  dialogs::TMKBoxDlg MKBoxDlg1;
  dialogs::TTmSETBoxDlg TmSETBoxDlg1;
  desktop::TTaskTray TaskTray1;  // the icon in the notification area
  // The archive library's operations, for playing and for the archive and file commands.
  archive::ArchiveAccess Archives;
  // Opening and playing the selected files through their associated programs.
  desktop::Associations Kanren{S, Sv, MKBoxDlg1, app(), Archives};
  // Subsystems the window owns (registered in this order for start-up and closing).
  std::unique_ptr<files::FileList> Files;
  std::unique_ptr<files::Folders> Folders;
  // The folder chooser behind "参照" of the folder-setting dialog.
  std::unique_ptr<files::TDIR2OPENDLG> DIR2OPENDLG1;
  std::unique_ptr<memory::MemoryLists> Memory;
  std::unique_ptr<memory::MemoryEdit> MemEdit;  // the memory edit panel
  std::unique_ptr<memory::Trash> TrashBin;     // the trash and moving entries
  std::unique_ptr<memory::DragDrop> Drop;      // drops on the memory list and the trash
  std::unique_ptr<memory::BulkAdd> Bulk;       // "一括登録"
  std::unique_ptr<schedule::SchedulePanel> Schedule;  // the schedule panel and its runner
  std::unique_ptr<tools::FileTools> Tools;  // rename, copy, move, delete and the text tools
  std::unique_ptr<tools::Mp3Conversion> Mp3;          // WAV to MP3 conversion and its record
  std::unique_ptr<playback::CdSearch> CdFinder;       // the CD search of the CD menu
  std::unique_ptr<archive::ArchiveCommands> ArchiveCmds;  // extracting archives from the file pop-up

  // Window creation (the steps before the window is on screen).
  void FormCreate();
  void AddSubsystem(Subsystem* s) { subsystems_.push_back(s); }
  // Playback: the MCI channels, the play driver and its handlers.
  playback::Playback& Player() { return *player_; }

  // Handlers.
  void Timer1Timer();
  void FormCloseQuery(bool& canClose);
  void ForwardedCommandLine(const std::string& text);
  void FormDropFiles(const std::vector<std::string>& paths);
  void FormResize();
  void Button6Click();
  void Start1Click(ui::MenuItem& item);
  void SSNClick(ui::MenuItem& item);
  void ToggleClick(ui::MenuItem& item);
  void HELP_MOKUJIClick();  // also HELP_KEYWORD
  void help3Click();
  void BackColorClick();
  void MHELP_VERCUTClick();
  void Button9Click();
  void Button11Click();
  void ME_AUTO_OFFClick();
  void ME_AUTO_OFF_WINClick();
  void ME_AUTO_OFF_SAVEClick();
  void ME_AUTO_OFF_WIN_SAVEClick();
  void ME_kosu0Click(ui::MenuItem& item);
  void ME_kosu_Set_EditClick();
  void FOLDERHISClick();
  void FILEHISClick();
  // The extraction folder and the MP3 save folder, chosen through the folder-setting dialog.
  void TEMPLZH1Click();
  void P_MP3_DIRClick();
  void MK_FOLDERClick();
  // WAV to MP3 conversion of the selected rows of the list the pop-up menu was opened on.
  void P_MP3_HENKANClick();
  // The selected rows of the active list (full paths in the memory mirrors) and the folder
  // bare names are taken in.
  std::vector<std::string> SelectedRows(std::string& folderPrefix);
  // The number box for one count: true with the new value when accepted; a cancel
  // shows "中止しました。". One box at a time (the shared busy flag).
  bool AskCount(int& value, const std::string& prompt, const std::string& title);
  void RefreshEndCount();
  void ShowPanel(ui::Panel& panel, bool on);

  // Menu flags: each check mark shows a setting; a toggle writes the setting and redraws it.
  bool& flagOf(const std::string& menuName);
  void setFlag(const char* menuName, bool on);
  void flip(ui::MenuItem& item);
  void drawMenuChecks();
  // Settings between the registry form and the controls.
  void ApplySettings(const Settings& s);
  Settings CollectSettings();
  // History menu captions ("ＯＦＦ" for 0).
  static std::string FolderHistoryCaption(int limit);
  static std::string FileHistoryCaption(int limit);
  // Restores a list's selection from "INDEX": -1 or out of range leaves it unselected.
  static void RestoreSelection(ui::ItemList& list, int index);
  // The window title, the application title and the tray tip.
  void SetTitle(const std::string& title);
  // The notification area (Zelcoru_tray.cpp).
  void ButtonTRAYClick();
  void TRIconOFFClick();
  void Timer_MiniTimer();
  void P_ICON_DELClick();
  void TRM0Click(ui::MenuItem& item);
  void TaskTray1MouseDown(desktop::MouseButton button);
  // Captions and checks of the left (TL) or right (TR) tray menu before it opens.
  void PopupMenuTrayPopup(bool left);
  // The play item's caption with the registered version ("32" gives V3．2; none "?.?").
  static std::string TrayPlayCaption(const std::string& head, const std::string& version);
  // Registers the icon and moves the window out of sight without a taskbar button.
  void EnterTray(bool rememberBounds);
  bool InTray() const { return TaskTray1.Registered(); }
  // The Startup shortcut (Zelcoru_shortcuts.cpp): added or removed, and the menu offers what
  // can be done next.
  void MSC_ST_SETClick(bool add);
  // The Desktop shortcut: "ショートカットを、デスクトップにも、登録する" / "…から、削除する".
  void MSC_DK_SETClick(bool add);
  void ShowShortcutCommands();
  // A folder of the shell ("Startup", "Desktop", "Programs") as the registry names it, without "\".
  std::string ShellFolder(const char* name);
  // Writes (add) or removes the player's own shortcut in that shell folder, making the
  // folder when missing; false when the folder is unknown or the shortcut could not be done.
  bool PlaceOwnShortcut(const char* folderName, bool add);
  ui::Rect TrayBounds;  // where the window goes back to from the tray
  bool MemoryViewShown() const { return Button11.visible(); }

  // Controls (names as in the form).
  ui::Panel &PanelCommand, &PanelFF, &PanelMemory, &PanelKZ, &PanelKaKo, &PanelGomi, &Panel_JK,
      &Panel_JK_DISP, &PanelOPEN, &PanelBar, &PanelResume, &Panel_MP3, &PanelCD, &Panel_M_EDIT;
  ui::Button &Button2, &Button5, &Button3, &Button10, &ButtonWait, &ButtonTRAY, &ButtonKZON, &Button9,
      &Button6, &ButtonStop2, &ButtonResume, &ButtonRsumeINI, &Button13, &Button14, &ButtonKaka,
      &ButtonCD_Check, &Button7, &Button11, &Button_JK, &Btn_M_EDIT, &Button1;
  ui::StatusBar &StatusBar1, &StatusBar2;
  ui::ScrollBar& ScrollBar1;
  ui::RadioGroup& RadioGroup1;
  ui::CheckBox &CheckBox1, &CB32, &CheckBoxGomi;
  ui::ListBox &ListBox1, &ListBox2, &ListBox3, &ListBox4, &ListBox6, &ListBox8, &ListBox9, &ListBoxKaKo,
      &ListBox_JK;
  ui::ComboBox &ComboBox1, &ComboBox2, &ComboBox_TM_Mode, &ComboBox_TM_SUB;
  ui::Edit& Edit1;
  ui::Header& HeaderControl1;
  ui::Header& HeaderFolder;
  ui::TreeView& TreeView1;
  ui::Label &LabelKaKo, &Label_JK_MODE, &Label_JK_TM, &Label_JK_KOSU, &LabelGomiSASIN, &Label_MFN_Kosu;
  std::vector<ui::CheckBox*> ExtensionBoxes;  // in ExtensionTable order
  std::vector<ui::CheckBox*> AttributeBoxes;  // CB1 .. CB5
  ui::Timer &Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer11, &TimerCD_LOOP, &TimerSEEK,
      &TimerPlayStart, &Timer_MP3_LOOP, &Timer_MP3_Start, &Timer_Mini;
  ui::MenuItem& menu(const char* name);

  // Window-system actions the portable window cannot do itself (set by the program entry).
  std::function<void()> bringForward;  // a forwarded command line brings the player forward
  std::function<void()> startSchedule;  // the schedule runner's start-up resume
  // The session of Windows ends: save what closing saves, without questions.
  void EndSession();
  // The folder-setting dialog; returns the chosen folder without its trailing "".
  std::string ChooseFolder(const std::string& title, const std::string& dirName, const std::string& current);
  // Shutting Windows down after an end-of-play close.
  std::string GetShutdownRight();
  std::string ShutdownErrorText(const std::string& prefix, std::uint32_t code);
  void ShutdownWindows();

 private:
  // The views the subsystems take: just the controls each one uses (views.cpp).
  memory::MemoryListsView memoryListsView();
  memory::MemoryEditView memoryEditView();
  memory::TrashView trashView();
  memory::DragDropView dragDropView();
  files::FileListView fileListView();
  files::FoldersView foldersView();
  memory::BulkAddView bulkAddView();
  playback::PlaybackView playbackView();
  schedule::SchedulePanelView schedulePanelView();
  tools::FileToolsView fileToolsView();
  void makeFileTools();

  void buildControls();
  void buildMenus();
  void buildMp3();
  void buildDesktopMenus();
  void layoutCommandStrip();
  void layoutFolderPanel();
  void layoutMemoryPanel();
  void migrateAndPrepareFolders();
  void placeWindow(const Settings& s);
  void readMp3FormatMarker();
  void restoreSettings();
  void restoreFolderHistory();
  void restoreShortcutPaths();
  void takeFiles(const std::vector<std::string>& files);
  void applyExtensionPatterns();
  void applyColours();
  void stopEverything();
  void saveAll();
  void cleanWorkingFolders();

  // Splitters and size grips: each resizes the region beside it when dragged.
  ui::Panel& makeSplitter(ui::Control* parent, const char* name, int id, ui::Panel& neighbour);
  enum class Handle { UpDown, Sideways, Grip };  // a horizontal bar, a vertical bar, a size grip
  ui::Panel& makeHandle(ui::Control* parent, const char* name, int id, Handle kind,
                        std::function<void(int dx, int dy)> dragged);
  // The folder history and the trash float at the top right over the lists, sized by the user.
  struct FloatingRegion {
    ui::Panel* panel;
    int width = 220, top = 30, height = 100000;  // below the folder panel's top row; cut to the room
    ui::Panel *left = nullptr, *bottom = nullptr, *bottomLeft = nullptr, *topLeft = nullptr;
  };
  void makeFloating(FloatingRegion& r, const char* const names[4], const int ids[4]);
  void placeFloating(FloatingRegion& r);
  void placeSchedulePanel();
  std::vector<std::pair<ui::Panel*, ui::Panel*>> splitters_;  // splitter, region
  FloatingRegion kako_{&PanelKaKo}, gomi_{&PanelGomi};
  ui::Panel *commandBar_ = nullptr, *folderBar_ = nullptr;
  int folderColumnWidth_ = 200;
  int folderShare_ = 400;  // per mille of the room above the command strip, in the memory view
  int trashColumnWidth_ = 56;
  int selectorWidth_ = -1;  // the memory selector; -1: what the buttons beside it leave

  std::vector<std::string> params_;
  std::vector<Subsystem*> subsystems_;
  std::unique_ptr<MemoryHistorySink> historyLink_;
  std::unique_ptr<ScheduleLink> scheduleLink_;
  std::unique_ptr<playback::Playback> player_;
};

}  // namespace app

#pragma once
// Playback as one part of the main window: the MCI channels, the player on the main
// channel, the play driver and the pause controls, with the state they share.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "archive/archive_access.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "playback/cd_player.h"
#include "playback/archive_play.h"
#include "playback/history_recorder.h"
#include "playback/history_sink.h"
#include "playback/mci_channels.h"
#include "playback/mci_player.h"
#include "playback/mp3_player.h"
#include "playback/pause_control.h"
#include "playback/play_driver.h"
#include "playback/playback_state.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/widgets.h"

namespace playback {

// The controls playback reads, writes and handles, under their names in the main window.
struct PlaybackView {
  ui::Form& form;  // closed after the last tune of an end-of-play run
  ui::Button &Button2, &Button3, &Button5, &Button10, &ButtonWait;
  ui::RadioGroup& RadioGroup1;
  ui::CheckBox& CheckBox1;
  // The play lists: files, memory, memory names, archive, trash, trash names.
  ui::ListBox &ListBox4, &ListBox2, &ListBox8, &ListBox3, &ListBox6, &ListBox9;
  ui::ComboBox& ComboBox1;  // the memory selector keeps its choice while a tune is recorded
  ui::Timer &TimerPlayStart, &Timer2, &Timer4, &Timer11, &Timer3, &TimerSEEK, &Timer_MP3_Start, &Timer_MP3_LOOP,
      &Timer_MP3_ERR;
  ui::ScrollBar &ScrollBar1, &ScrollBar_MP3;
  ui::StatusBar &StatusBar1, &StatusBar2;
  ui::Panel &PanelBar, &PanelResume, &Panel_MP3, &PanelCD;
  ui::Button &ButtonStop2, &ButtonResume, &ButtonRsumeINI;
  ui::Button &SpinButton4Down, &SpinButton4Up, &SpinButton5Down, &SpinButton5Up, &SpinButton6Down, &SpinButton6Up;
  ui::Button &Button_MP3_STOP, &Button_MP3_PLAY;
  ui::Label &LabelWAVName, &LabelWavData;
  ui::MenuItem &ME_kosu, &SAISEIBAR;
  const std::vector<ui::CheckBox*>& ExtensionBoxes;  // in extension table order
  // The CD drives and the CD panel.
  ui::ListBox& ListBoxCD;
  ui::Timer &TimerCD, &TimerCD_LOOP;
  ui::Label& LabelCD_CLEN;
  ui::Button &ButtonCD_PAUSE, &ButtonCD_RESUME, &ButtonCDPOSINI;
  ui::Button &SpinButton1Down, &SpinButton1Up, &SpinButton2Down, &SpinButton2Up, &SpinButton3Down, &SpinButton3Up;
  ui::Timer& Timer5;                                  // opens an archive to play from
  // The volume lines of the memory, the trash and the opened archive (one per entry).
  ui::ListBox &ListBoxVM, &ListBoxVG, &ListBoxVL;
};

// What playback reaches of the window and the lists below it.
struct PlaybackLinks {
  ui::ItemList*& activeList;  // the play list the user clicked last
  std::vector<std::string>& memoryPool;  // the random pool of the shown memory, kept with it
  HistorySink& history;
  std::function<bool()> memoryViewShown;
  std::function<void(const std::string&)> setTitle;  // caption, application title and tray tip
  std::function<void()> runStarting;  // a play run starts (the window may go to the tray)
  archive::ArchiveAccess& archives;
};

class Playback : public core::Subsystem {
 public:
  Playback(PlaybackView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
           ui::Application& app, PlaybackLinks links);

  PlaybackView w;
  core::SharedState& S;
  core::Services& Sv;
  dialogs::TMKBoxDlg& box;
  ui::Application& app;
  PlaybackLinks links;
  PlaybackState st;
  MciChannels mci;
  HistoryRecorder history;
  MciPlayer player;
  PlayDriver driver;
  PauseControl pause;
  Mp3Player mp3;
  CdPlayer cd;
  ArchivePlay archive;

  // The main window's MM_MCINOTIFY.
  void MciNotify(unsigned flags) {
    if (st.CdMode) cd.MciNotify(flags);
    else player.MciNotify(flags);
  }
  // The media player component for MP3 (none: MP3 goes to MCI); set before the start-up.
  void setMediaPlayer(platform::MediaPlayer* component) { mp3.setComponent(component); }

  // Lets pending window messages run.
  void pump();
  // A player has started the tune: the run has played something, the history records it and
  // the play button takes its playing look.
  void TuneStarted();
  // Arms the advance to the next tune, unless the player is shutting down.
  void armAdvance();
  // A list changed while a random run plays it: its pool starts afresh.
  void FileListChanged();
  void MemoryListChanged();
  // The shown memory's random pool starts afresh.
  void rebuildMemoryPool();
  // The file name and format of the tune in the details labels.
  void showTuneDetails(const std::string& name, const std::string& details);

  void restoreAtStart() override;
  void stopForGood() override;

 private:
  void wireHandlers();
};

}  // namespace playback

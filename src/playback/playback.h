#pragma once
// Playback as one part of the main window: the MCI channels, the player on the main
// channel, the play driver and the pause controls, with the state they share.
#include <memory>
#include <string>

#include "core/subsystem.h"
#include "playback/history_recorder.h"
#include "playback/history_sink.h"
#include "playback/mci_channels.h"
#include "playback/mci_player.h"
#include "playback/mp3_player.h"
#include "playback/pause_control.h"
#include "playback/play_driver.h"
#include "playback/playback_state.h"

namespace app {
class TZELCOR32ZUMIK;
}

namespace playback {

class Playback : public core::Subsystem {
 public:
  explicit Playback(app::TZELCOR32ZUMIK& window);

  app::TZELCOR32ZUMIK& w;
  PlaybackState st;
  MciChannels mci;
  KeptHistory keptHistory;
  HistoryRecorder history;
  MciPlayer player;
  PlayDriver driver;
  PauseControl pause;
  Mp3Player mp3;

  // The main window's MM_MCINOTIFY.
  void MciNotify(unsigned flags) { player.MciNotify(flags); }
  // The media player component for MP3 (none: MP3 goes to MCI); set before the start-up.
  void setMediaPlayer(platform::MediaPlayer* component) { mp3.setComponent(component); }
  // Where the history is kept while another memory is shown (the memory lists' store).
  void setHistorySink(HistorySink& sink) { history.setSink(sink); }

  // Lets pending window messages run.
  void pump();
  // Arms the advance to the next tune, unless the player is shutting down.
  void armAdvance();
  // A list changed while a random run plays it: its pool starts afresh.
  void FileListChanged();
  void MemoryListChanged();
  // The file name and format of the tune in the details labels.
  void showTuneDetails(const std::string& name, const std::string& details);

  void restoreAtStart() override;
  void stopForGood() override;

 private:
  void wireHandlers();
};

}  // namespace playback

#include "playback/playback.h"

#include "playback/random_pool.h"

namespace playback {

Playback::Playback(PlaybackView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
                   ui::Application& app, PlaybackLinks links)
    : w(view),
      S(state),
      Sv(services),
      box(box),
      app(app),
      links(std::move(links)),
      mci(services.mci, state.run.ShutDown, [this] { pump(); }),
      history(*this),
      player(*this),
      driver(*this),
      pause(*this),
      mp3(*this),
      cd(*this),
      archive(*this) {
  wireHandlers();
}

void Playback::FileListChanged() {
  if (S.run.PlayRunActive && st.PlayModeStep == kRandom) RebuildPool(driver.filePool, w.ListBox4.count());
}

void Playback::MemoryListChanged() {
  // Only a random run drawing from the memory list owns its pool; any other leaves the
  // not-yet-played entries for the next random run.
  if (S.run.PlayRunActive && st.PlayModeStep == kRandom && st.PlayingFromShownList2)
    rebuildMemoryPool();
}

void Playback::rebuildMemoryPool() {
  RebuildPool(links.memoryPool, w.ListBox2.count());
}

void Playback::wireHandlers() {
  w.Timer11.onTimer = [this] { player.Timer11Timer(); };
  w.Timer3.onTimer = [this] { player.Timer3Timer(); };
  w.TimerPlayStart.onTimer = [this] { driver.TimerPlayStartTimer(); };
  w.Timer2.onTimer = [this] { driver.Timer2Timer(); };
  w.Timer4.onTimer = [this] { driver.Timer4Timer(); };
  w.Timer5.onTimer = [this] { archive.Timer5Timer(); };
  w.Button2.onClick = [this] { driver.Button2Click(&w.Button2); };
  w.Button3.onClick = [this] { driver.Button3Click(&w.Button3); };
  w.Button10.onClick = [this] { driver.Button3Click(&w.Button10); };
  w.Button5.onClick = [this] { driver.Button5Click(); };
  w.ButtonWait.onClick = [this] { driver.ButtonWaitClick(); };
  w.RadioGroup1.onClick = [this] { driver.RadioGroup1Click(); };
  for (ui::ListBox* list : {&w.ListBox4, &w.ListBox2, &w.ListBox8, &w.ListBox3, &w.ListBox6, &w.ListBox9})
    list->onDoubleClick = [this, list] { driver.Button2Click(list); };
  pause.createAndWire();
  mp3.createAndWire();
  cd.createAndWire();
  // The tune's name and format, under the wave-format line of the settings panel.
  w.LabelWAVName.setBounds(8, 240, 160, 16);
  w.LabelWavData.setBounds(8, 258, 160, 16);
}

void Playback::pump() { app.processMessages(); }

void Playback::TuneStarted() {
  st.PlayedFlags |= 1;
  history.Record(S.run.HistoryEntry.empty() ? S.run.PlayFile : S.run.HistoryEntry, st.PlayingFromShownList2);
  pump();
  w.ButtonWait.setVisible(false);
  driver.ShowPlayingLook();
}

void Playback::armAdvance() {
  if (!S.run.ShutDown) w.Timer4.setEnabled(true);
}

void Playback::showTuneDetails(const std::string& name, const std::string& details) {
  w.LabelWAVName.setCaption(name);
  w.LabelWavData.setCaption(details);
}

void Playback::restoreAtStart() {
  driver.TakeModeFromSelector();
  mp3.decideAtStart();
}

void Playback::stopForGood() {
  // The abort messages of the closing channels must read as a stop, not as a failure.
  st.InterruptReason = kPauseOrStop;
  player.Release();
  mp3.StopMp3();
  for (int pass = 0; pass < 3; ++pass) {
    mci.CloseMain();
    pump();
    mci.CloseCd();
    pump();
    mci.CloseTest();
    pump();
  }
}

}  // namespace playback

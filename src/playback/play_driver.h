#pragma once
// The play driver: a run is a chain of timers (TimerPlayStart, Timer2 choose and route,
// Timer4 advance) that picks each tune from the play list by the play mode, skips what
// cannot be played, counts the end-of-play counter down and ends the run.
#include <random>
#include <string>
#include <vector>

namespace ui {
class Control;
class ItemList;
class ListBox;
}  // namespace ui

namespace playback {

class Playback;

class PlayDriver {
 public:
  explicit PlayDriver(Playback& pb) : pb_(pb) {}

  // Play request; a list box as sender plays its selected item in single mode.
  void Button2Click(ui::Control* sender);
  // Skip (Button10) and back (Button3).
  void Button3Click(ui::Control* sender);
  // The stop button: also ends a run that was requested but has not begun yet.
  void Button5Click();
  void ButtonWaitClick();
  void TimerPlayStartTimer();
  void Timer2Timer();
  void Timer4Timer();
  void ReturnToIdle();
  void RadioGroup1Click();
  // The mode from the selector as it stands (after the settings restore).
  void TakeModeFromSelector();
  void ShowPlayingLook();
  // Both random pools start afresh.
  void RebuildPools();

  // The file list's random pool.
  std::vector<std::string> filePool;

 private:
  struct PlayList {
    ui::ListBox* list;
    std::string prefix;
  };
  // Asks the running step to end the run (StopRequested).
  void requestStop();
  PlayList choosePlayList();
  bool pickRandom(ui::ListBox& list);
  bool drawFrom(std::vector<std::string>& pool, ui::ListBox& list);
  bool routeEntry(const std::string& entry);
  void skip();
  bool endOfListCheck();
  void endOfPlayClose();
  void countDownEndCounter();
  void setMode(int index);
  void showWaitColour();
  void leaveArchive();
  bool openArchive(const std::string& entry);
  std::string volumeLineOf(const ui::ListBox& list) const;
  bool extractEntry(const std::string& path);
  void leaveArchiveAndAdvance();
  void archiveEnded();
  bool isPlayList(const ui::Control* c) const;
  // The list the advance step moves through.
  ui::ListBox& advanceList();

  Playback& pb_;
  std::mt19937 rng_;
  bool firstDrawOfRun_ = false;
  std::vector<std::string>* pickedPool_ = nullptr;  // the pool of the last random pick
  bool stopAfterPlayRequest_ = false;  // the stop button was pressed since the last play request
  bool busyStart_ = false, busy2_ = false, busy4_ = false;
  std::string displayName_;  // the names-only text of the chosen entry, when shown
  std::string chosenVolume_;  // the volume line beside the chosen entry
};

}  // namespace playback

#include "playback/play_driver.h"

#include <algorithm>

#include "base/path.h"
#include "base/sjis.h"
#include "playback/playback.h"
#include "playback/random_pool.h"

namespace playback {

namespace {

constexpr ui::Color kPlayingColour = 0x00FF00;
constexpr int kLzh = 6, kCda = 7, kMp3 = 8;

// Index of the path's extension in the extension table; unknown extensions count as MP3.
int ExtensionIndex(const std::string& path, const std::vector<std::string>& table, bool& known) {
  std::string ext = base::UpperCase(base::ExtractFileExt(path));
  if (!ext.empty()) ext = ext.substr(1, 3);
  auto it = std::find(table.begin(), table.end(), ext);
  known = it != table.end();
  return known ? static_cast<int>(it - table.begin()) : kMp3;
}

}  // namespace

// ---- requests -------------------------------------------------------------------------

void PlayDriver::Button2Click(ui::Control* sender) {
  auto& w = pb_.w;
  stopAfterPlayRequest_ = false;
  w.ButtonWait.setVisible(true);
  ShowPlayingLook();
  pb_.pump();
  if (isPlayList(sender)) {
    auto* list = static_cast<ui::ListBox*>(sender);
    list->tag = list->itemIndex();
  }
  pb_.st.PlayTrigger = sender;
  requestStop();  // ends a run in progress
  w.ButtonWait.setVisible(true);
  pb_.pump();
  w.TimerPlayStart.setEnabled(true);
}

void PlayDriver::Button3Click(ui::Control* sender) {
  auto& w = pb_.w;
  pb_.st.StepDirection = sender == &w.Button3 ? -1 : 2;
  Button2Click(pb_.S.run.PlayRunActive ? static_cast<ui::Control*>(&w.Button3) : &w.Button2);
}

void PlayDriver::Button5Click() {
  stopAfterPlayRequest_ = true;
  requestStop();
}

void PlayDriver::requestStop() {
  pb_.app.setBusyCursor(true);
  pb_.S.run.StopRequested = true;
  pb_.pump();
  pb_.app.setBusyCursor(false);
}

void PlayDriver::ButtonWaitClick() {
  showWaitColour();
  Button5Click();
}

// ---- run start ------------------------------------------------------------------------

void PlayDriver::TimerPlayStartTimer() {
  auto& w = pb_.w;
  auto& st = pb_.st;
  if (pb_.S.run.CloseRequested) {
    w.TimerPlayStart.setEnabled(false);
    return;
  }
  if (pb_.S.run.PlayRunActive || busyStart_) return;  // the previous run has not reached idle yet
  busyStart_ = true;
  w.TimerPlayStart.setEnabled(false);
  w.ButtonWait.setVisible(true);
  pb_.pump();
  pb_.S.run.PlayRunActive = true;
  ui::Control* trigger = st.PlayTrigger;
  if (trigger == &w.Button3) trigger = &w.Button2;  // skip or back during a run keeps its direction
  else st.StepDirection = 1;
  rng_.seed(static_cast<unsigned>(pb_.app.loop().nowMs()) ^ std::random_device{}());
  st.SavedModeIndex = kNoSavedMode;
  if (isPlayList(trigger)) {
    const int remembered = w.RadioGroup1.itemIndex();
    setMode(-1);
    setMode(2);
    st.SavedModeIndex = remembered;
    pb_.pump();
    st.PlayModeStep = kSingle;
    pb_.links.activeList = static_cast<ui::ListBox*>(trigger);  // a double-click is a click too
    if (trigger != &w.ListBox3) leaveArchive();
  } else {
    TakeModeFromSelector();
  }
  // The play request's own stop has ended the previous run by now; a stop pressed since that
  // request stays and ends this run at its first step.
  pb_.S.run.StopRequested = stopAfterPlayRequest_;
  stopAfterPlayRequest_ = false;
  st.PlayedFlags = 0;
  if (pb_.links.runStarting) pb_.links.runStarting();
  firstDrawOfRun_ = true;
  if (pb_.S.settings.randomReset) RebuildPools();
  pb_.pump();
  busyStart_ = false;
  if (st.StepDirection != 1) Timer4Timer();
  else if (!pb_.S.run.ShutDown) w.Timer2.setEnabled(true);
}

// ---- choose and route -----------------------------------------------------------------

PlayDriver::PlayList PlayDriver::choosePlayList() {
  auto& w = pb_.w;
  const bool names = pb_.S.settings.namesOnly;
  const std::string folder = base::AddTrailingSlash(pb_.S.settings.folderPath);
  PlayList pl{pb_.links.memoryViewShown() ? &w.ListBox2 : &w.ListBox4, pb_.links.memoryViewShown() ? "" : folder};
  if (pb_.S.run.InArchive) return {&w.ListBox3, base::AddTrailingSlash(pb_.S.TempFolder)};
  if (pb_.st.PlayModeStep == kSingle) {
    // Single mode plays from the list the user clicked last, whichever view is on screen.
    const ui::ItemList* last = pb_.links.activeList;
    if (last == &w.ListBox6 || last == &w.ListBox9) {
      if (names) w.ListBox6.tag = w.ListBox9.tag;
      pl = {&w.ListBox6, ""};
    } else if (last == &w.ListBox2 || last == &w.ListBox8) {
      pl = {&w.ListBox2, ""};
    } else {
      pl = {&w.ListBox4, folder};
    }
  }
  pb_.st.PlayingFromShownList2 = pl.list == &w.ListBox2;
  if (names && pl.list == &w.ListBox2) w.ListBox2.tag = w.ListBox8.tag;
  return pl;
}

void PlayDriver::Timer2Timer() {
  auto& w = pb_.w;
  if (busy2_) return;
  busy2_ = true;
  w.Timer2.setEnabled(false);
  pb_.pump();
  w.StatusBar1.setPanelText(2, "0");
  if (pb_.S.run.StopRequested) {
    busy2_ = false;
    return ReturnToIdle();
  }
  pb_.st.InterruptReason = kNoInterrupt;
  PlayList pl = choosePlayList();
  ui::ListBox& list = *pl.list;
  if (list.count() == 0 && pb_.S.run.InArchive) {
    busy2_ = false;
    return pb_.armAdvance();
  }
  if (list.count() == 0) {
    ReturnToIdle();
    pb_.Sv.shell.beepExclamation();
    busy2_ = false;
    return;
  }
  list.tag = std::clamp(list.tag, 0, list.count() - 1);
  if (pb_.st.PlayModeStep == kRandom && !pickRandom(list)) {
    busy2_ = false;
    return;
  }
  list.setItemIndex(list.tag);
  displayName_.clear();
  if (pb_.S.settings.namesOnly && (&list == &w.ListBox2 || &list == &w.ListBox6)) {
    ui::ListBox& names = &list == &w.ListBox2 ? w.ListBox8 : w.ListBox9;
    names.setItemIndex(list.tag);
    names.tag = list.tag;
    if (list.tag < names.count()) displayName_ = names.item(list.tag);
  }
  const std::string entry = pl.prefix + list.item(list.tag);
  chosenVolume_ = volumeLineOf(list);
  if (!routeEntry(entry)) skip();
  busy2_ = false;
}

// Checks the chosen entry and hands it to its player; false when it is to be skipped.
bool PlayDriver::routeEntry(const std::string& chosen) {
  auto& w = pb_.w;
  std::string entry = chosen, disc = "*";
  SplitCdReference(chosen, entry, disc);
  const bool inArchive = pb_.S.run.InArchive;
  if (entry.empty()) return false;
  if (entry[0] == '/') return openArchive(entry);
  if (inArchive && !pb_.S.settings.extractMusicOnly && !extractEntry(entry)) return false;
  bool known = false;
  const int index = ExtensionIndex(entry, pb_.S.ExtensionTable, known);
  // A CD track is played from its place on the disc, whether or not the drive lists it; an
  // archive entry is checked by its extraction.
  if (index != kCda && !inArchive && !pb_.Sv.fs.fileExists(entry)) return false;
  if (pb_.S.settings.followExtensionsInPlay) {
    if (!known) return false;
    if (index < kMp3 && (index >= static_cast<int>(w.ExtensionBoxes.size()) || !w.ExtensionBoxes[index]->checked()))
      return false;
  }
  if (index == kLzh) return openArchive(entry);
  if (inArchive && pb_.S.settings.extractMusicOnly && !extractEntry(entry)) return false;
  countDownEndCounter();
  const std::string name = base::ExtractFileName(entry);
  const std::string path = base::AddTrailingSlash(base::ExtractFilePath(entry)) + name;
  pb_.links.setTitle(pb_.S.TitlePrefix + name + " (再生中)");
  pb_.S.run.PlayFile = path;
  pb_.S.run.HistoryEntry = inArchive ? pb_.archive.Reference(name) : "";
  pb_.pump();
  if (pb_.S.run.ShutDown) return true;
  pb_.st.CdMode = false;
  if (index == kCda) return pb_.cd.Route(disc, displayName_);
  if (index == kMp3 && pb_.mp3.Mp3PlayerAvailable()) return pb_.mp3.Load();
  w.Timer11.setEnabled(true);
  return true;
}

void PlayDriver::countDownEndCounter() {
  auto& w = pb_.w;
  if (!pb_.S.settings.endClose || pb_.S.run.EndCountLeft <= 0) return;
  w.ME_kosu.setCaption("終了曲数 のこり " + std::to_string(pb_.S.run.EndCountLeft) + " 曲(&P)");
  if (--pb_.S.run.EndCountLeft == 0) pb_.S.run.EndCountLeft = -1;
}

// ---- archives -------------------------------------------------------------------------

// An archive, or a reference to one entry of one, plays through Timer5; an archive inside the
// archive being played is skipped.
bool PlayDriver::openArchive(const std::string& entry) {
  if (pb_.S.run.InArchive) return false;
  const bool drawn = pb_.st.PlayModeStep == kRandom && pickedPool_;
  pb_.archive.Open(entry, chosenVolume_, drawn ? pickedPool_ : nullptr);
  return true;
}

// The volume line kept beside the chosen entry; the folder list keeps none.
std::string PlayDriver::volumeLineOf(const ui::ListBox& list) const {
  auto& w = pb_.w;
  const ui::ListBox* volumes = &list == &w.ListBox2 ? &w.ListBoxVM : &list == &w.ListBox6 ? &w.ListBoxVG : nullptr;
  return volumes && list.tag < volumes->count() ? volumes->item(list.tag) : "";
}

// Extracts the archive entry about to play; true when it is then there to play.
bool PlayDriver::extractEntry(const std::string& path) {
  return pb_.archive.Extract(base::ExtractFileName(path)) && pb_.Sv.fs.fileExists(path);
}

void PlayDriver::skip() {
  pb_.pump();
  pb_.armAdvance();
}

// ---- random order ---------------------------------------------------------------------

void PlayDriver::RebuildPools() {
  RebuildPool(filePool, pb_.w.ListBox4.count());
  pb_.rebuildMemoryPool();
}

bool PlayDriver::pickRandom(ui::ListBox& list) {
  if (&list == &pb_.w.ListBox3) {
    if (pb_.archive.DrawEntry(rng_)) return true;
    pb_.armAdvance();
    return false;
  }
  return drawFrom(&list == &pb_.w.ListBox2 ? pb_.links.memoryPool : filePool, list);
}

bool PlayDriver::drawFrom(std::vector<std::string>& p, ui::ListBox& list) {
  auto& w = pb_.w;
  const int count = list.count();
  do {
    std::string text;
    const int r = DrawFromPool(p, rng_, text);
    if (r >= 0) {
      list.tag = PoolEntryIndex(text);
      pb_.st.PoolPickIndex = r;
      pb_.st.PoolPickText = text;
      pickedPool_ = &p;
      continue;
    }
    list.tag = -1;
    RebuildPool(p, count);
    // A run that starts on an empty pool plays the fresh one instead of ending at once.
    if (firstDrawOfRun_) continue;
    const bool autoOff = pb_.S.settings.endClose;
    if (autoOff && pb_.S.run.EndCountLeft < 1) {
      endOfPlayClose();
      return false;
    }
    if (!(w.CheckBox1.checked() || (autoOff && pb_.S.run.EndCountLeft > 0))) {
      ReturnToIdle();
      return false;
    }
  } while (list.tag < 0 || list.tag > count - 1);
  firstDrawOfRun_ = false;
  return true;
}

// ---- advance --------------------------------------------------------------------------

ui::ListBox& PlayDriver::advanceList() {
  auto& w = pb_.w;
  if (pb_.S.run.InArchive) return w.ListBox3;
  return pb_.links.memoryViewShown() ? w.ListBox2 : w.ListBox4;
}

void PlayDriver::Timer4Timer() {
  auto& w = pb_.w;
  auto& st = pb_.st;
  if (busy4_) return;
  busy4_ = true;
  w.Timer4.setEnabled(false);
  showWaitColour();
  w.ButtonWait.setVisible(true);
  pb_.pump();
  busy4_ = false;
  if (pb_.S.run.StopRequested) return ReturnToIdle();
  if (pb_.S.settings.endClose && pb_.S.run.EndCountLeft < 0) {
    ReturnToIdle();
    return endOfPlayClose();
  }
  if (st.PlayModeStep == kRandom) {
    st.StepDirection = 1;
    // Each archive entry is one draw: the parent pool decides what plays next.
    if (pb_.S.run.InArchive) return leaveArchiveAndAdvance();
    if (!pb_.S.run.ShutDown) w.Timer2.setEnabled(true);
    return;
  }
  ui::ListBox& list = advanceList();
  if (st.PlayModeStep != kSingle) {
    const int direction = st.StepDirection == 2 ? 1 : st.StepDirection;
    int next = list.tag + st.PlayModeStep * direction;
    st.StepDirection = 1;
    if (next < 0 || next > list.count() - 1) {
      if (pb_.S.run.InArchive) return archiveEnded();
      if (!endOfListCheck()) return;
      next = next < 0 ? list.count() - 1 : 0;
    }
    list.tag = next;
    if (pb_.S.settings.namesOnly && &list == &w.ListBox2) w.ListBox8.tag = next;
  } else {
    st.StepDirection = 1;
    if (!endOfListCheck()) return;
  }
  if (!pb_.S.run.ShutDown) w.Timer2.setEnabled(true);
}

// True when the run goes on past the end of the list.
bool PlayDriver::endOfListCheck() {
  auto& w = pb_.w;
  const bool autoOff = pb_.S.settings.endClose;
  if (autoOff && pb_.S.run.EndCountLeft < 1) {
    endOfPlayClose();
    return false;
  }
  const bool endless = w.CheckBox1.checked() || (autoOff && pb_.S.run.EndCountLeft >= 1);
  if (!endless) {
    ReturnToIdle();
    return false;
  }
  if (pb_.st.PlayedFlags == 2) {
    pb_.Sv.shell.beepExclamation();
    pb_.box.ShowTimed("再生対象データがありません・・・", 1);
    ReturnToIdle();
    return false;
  }
  if (pb_.st.PlayedFlags == 0) pb_.st.PlayedFlags = 2;
  return true;
}

void PlayDriver::endOfPlayClose() {
  auto& w = pb_.w;
  pb_.S.run.CloseAfterPlay = true;
  if (!pb_.S.run.ShutDown) w.form.close();
}

// ---- idle, modes, looks ---------------------------------------------------------------

void PlayDriver::ReturnToIdle() {
  auto& w = pb_.w;
  for (ui::Panel* p : {&w.PanelBar, &w.PanelCD, &w.PanelResume, &w.Panel_MP3}) p->setVisible(false);
  pb_.links.setTitle(pb_.S.IdleTitle);
  pb_.mci.CloseMain();
  pb_.mci.CloseCd();
  if (pb_.st.SavedModeIndex != kNoSavedMode) {
    const int saved = pb_.st.SavedModeIndex;
    setMode(-1);
    setMode(saved);
  }
  w.ButtonWait.setVisible(false);
  w.Button2.setColor(ui::kParentColor);
  w.Button2.setFont(0, false);
  pb_.S.run.PlayRunActive = false;
}

void PlayDriver::setMode(int index) {
  pb_.w.RadioGroup1.setItemIndex(index);
  RadioGroup1Click();
}

void PlayDriver::RadioGroup1Click() {
  auto& w = pb_.w;
  const int index = w.RadioGroup1.itemIndex();
  TakeModeFromSelector();
  if (index == 3) RebuildPools();
  pb_.st.SavedModeIndex = kNoSavedMode;
}

void PlayDriver::TakeModeFromSelector() {
  static constexpr int kSteps[] = {kContinuous, kReverse, kSingle, kRandom};
  const int index = pb_.w.RadioGroup1.itemIndex();
  if (index >= 0 && index <= 3) pb_.st.PlayModeStep = kSteps[index];
}

void PlayDriver::ShowPlayingLook() {
  pb_.w.Button2.setColor(kPlayingColour);
  pb_.w.Button2.setFont(0, false);
}

void PlayDriver::showWaitColour() {
  // Each wait gets a fresh colour, so a stepping run is visibly alive.
  std::uniform_int_distribution<int> byte(0, 255);
  const int red = byte(rng_), blue = byte(rng_);
  int green = byte(rng_);
  if (green > 208) green *= 2;
  pb_.w.ButtonWait.setColor(static_cast<ui::Color>(red + 256 * green + 65536 * blue));
  pb_.w.ButtonWait.setFont(red + green + blue < 449 ? 0xFFFFFF : 0, false);
}

void PlayDriver::leaveArchive() { pb_.archive.Leave(); }

void PlayDriver::leaveArchiveAndAdvance() {
  leaveArchive();
  pb_.armAdvance();
}

// The parent list advances from the archive's place, unless LZHEND1 ends the run there.
void PlayDriver::archiveEnded() {
  leaveArchive();
  if (pb_.S.settings.stopAtArchiveEnd) return ReturnToIdle();
  pb_.armAdvance();
}

bool PlayDriver::isPlayList(const ui::Control* c) const {
  auto& w = pb_.w;
  return c == &w.ListBox4 || c == &w.ListBox2 || c == &w.ListBox8 || c == &w.ListBox3 || c == &w.ListBox6 ||
         c == &w.ListBox9;
}

}  // namespace playback

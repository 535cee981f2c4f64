#include "playback/mci_player.h"

#include <algorithm>
#include <cmath>

#include "base/comma_list.h"
#include "base/path.h"
#include "base/sjis.h"
#include "playback/playback.h"

namespace playback {

namespace {

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

void MciPlayer::Timer11Timer() {
  auto& w = pb_.w;
  if (busy11_) return;
  busy11_ = true;
  w.Timer11.setEnabled(false);
  pb_.pump();
  const bool wav = base::UpperCase(base::ExtractFileExt(pb_.S.run.PlayFile)) == ".WAV";
  const std::string suffix = wav ? " buffer " + std::to_string(kWavBufferSeconds) : "";
  pb_.mci.MainBuffer = "Open \"" + pb_.S.run.PlayFile + "\" alias Zumik" + suffix;
  pb_.pump();
  if (pb_.S.run.CloseRequested) {
    busy11_ = false;
    return;
  }
  if (pb_.mci.SendMainWait("") != 0 || !readLength()) return giveUpTune();
  setUpPlayBar();
  if (pb_.st.TrackLengthMs == 0) return giveUpTune();
  showDetails();
  if (pb_.mci.SendMainNotify("play Zumik") != 0) return giveUpTune();
  tunePlaying();
}

void MciPlayer::giveUpTune() {
  pb_.mci.CloseMain();
  pb_.pump();
  pb_.armAdvance();
  busy11_ = false;
}

bool MciPlayer::readLength() {
  auto& w = pb_.w;
  pb_.mci.SendMainWait("Set Zumik time format ms");
  if (pb_.mci.SendMainWait("status Zumik length") != 0) return false;
  auto length = base::StrToInt(trimmed(pb_.mci.MainReply));
  if (!length || *length < 0) return false;
  pb_.st.TrackLengthMs = *length;
  w.StatusBar1.setPanelText(1, std::to_string(*length / 1000));
  w.StatusBar1.setPanelText(2, "0");
  return true;
}

void MciPlayer::setUpPlayBar() {
  auto& st = pb_.st;
  pb_.w.ScrollBar1.setPosition(0);
  pb_.w.ScrollBar1.setRange(0, std::min(st.TrackLengthMs, kPlayBarSteps));
  st.MsPerBarStep = 1;
  if (st.TrackLengthMs >= kPlayBarSteps)
    st.MsPerBarStep = static_cast<std::int32_t>(std::lround(st.TrackLengthMs / double(kPlayBarSteps)));
}

void MciPlayer::showDetails() {
  auto& mci = pb_.mci;
  if (mci.SendMainWait("status Zumik samplespersec") != 0) return;
  std::string details = trimmed(mci.MainReply) + " / ";
  if (mci.SendMainWait("status Zumik bitspersample") == 0) details += trimmed(mci.MainReply) + " / ";
  if (mci.SendMainWait("status Zumik channels") == 0) details += trimmed(mci.MainReply) == "1" ? "mono" : "stereo";
  pb_.showTuneDetails(base::ExtractFileName(pb_.S.run.PlayFile), details);
}

void MciPlayer::tunePlaying() {
  auto& w = pb_.w;
  if (pb_.S.settings.saiseiBar) w.PanelBar.setVisible(true);
  mainInUse_ = true;
  pb_.TuneStarted();
  StartPositionTick(0);
  busy11_ = false;
}

void MciPlayer::StartPositionTick(std::int32_t fromMs) {
  watch_.Start(pb_.app.loop().nowMs(), fromMs, pb_.st.TrackLengthMs);
  if (!pb_.S.run.ShutDown) pb_.w.Timer3.setEnabled(true);
}

void MciPlayer::StopPositionTick() {
  pb_.w.Timer3.setEnabled(false);
  busy3_ = false;
  watch_.Hold();
}

void MciPlayer::Timer3Timer() {
  auto& w = pb_.w;
  if (busy3_) return;
  busy3_ = true;
  pb_.pump();
  if (pb_.S.run.StopRequested) return StopMainAndContinue();  // StopMain clears the busy flag
  if (pb_.st.InterruptReason != kPauseOrStop) {
    std::optional<std::int32_t> position;
    if (pb_.mci.SendMainDirect("status Zumik position") == 0) position = base::StrToInt(trimmed(pb_.mci.MainReply));
    if (position && *position < 0) position.reset();
    if (position && *position > 0) {
      pb_.st.PositionMs = *position;
      w.StatusBar1.setPanelText(2, std::to_string(*position / 1000));
      w.ScrollBar1.setPosition(*position / pb_.st.MsPerBarStep);
    }
    if (watch_.GivesUp(pb_.app.loop().nowMs(), position)) return StopMainAndContinue();
  }
  busy3_ = false;
}

void MciPlayer::MciNotify(unsigned flags) {
  auto& w = pb_.w;
  const int reason = pb_.st.InterruptReason;
  w.Timer3.setEnabled(false);
  busy3_ = false;
  if (flags == 4 && (reason == kBarSeek || reason == kResume)) {
    w.TimerSEEK.setEnabled(true);
    return;
  }
  if (flags == 4 && (reason == kPauseOrStop || reason == 4)) {
    // Paused: keep ticking. The abort that a stop itself causes restarts nothing.
    if (mainInUse_ && !pb_.S.run.ShutDown) w.Timer3.setEnabled(true);
    return;
  }
  if (!mainInUse_) return;  // a late message of a tune already closed
  if (flags != 1) pb_.S.run.StopRequested = true;
  StopMainAndContinue();
}

void MciPlayer::StopMain() {
  auto& w = pb_.w;
  mainInUse_ = false;
  watch_.Hold();
  pb_.st.InterruptReason = kPauseOrStop;
  pb_.mci.SendMainWait("Stop Zumik");
  w.Timer3.setEnabled(false);
  busy3_ = false;
  w.PanelBar.setVisible(false);
  w.PanelResume.setVisible(false);
  pb_.pump();
  pb_.mci.CloseMain();
}

void MciPlayer::StopMainAndContinue() {
  StopMain();
  if (pb_.S.run.StopRequested) {
    pb_.driver.ReturnToIdle();
    return;
  }
  pb_.pump();
  pb_.armAdvance();
}

}  // namespace playback

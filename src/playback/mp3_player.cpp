#include "playback/mp3_player.h"

#include <algorithm>
#include <cmath>

#include "platform/media_player.h"
#include "playback/playback.h"

namespace playback {

namespace {
std::int32_t toMs(double seconds) { return static_cast<std::int32_t>(std::lround(seconds * 1000)); }
}  // namespace

void Mp3Player::createAndWire() {
  auto& w = pb_.w;
  // The pause button lies over the resume button; hiding it uncovers ">".
  w.Button_MP3_PLAY.setBounds(0, 2, 26, 22);
  w.Button_MP3_PLAY.setCaption(">");
  w.Button_MP3_PLAY.setHint("再開");
  w.Button_MP3_STOP.setBounds(0, 2, 26, 22);
  w.Button_MP3_STOP.setCaption("■");
  w.Button_MP3_STOP.setHint("一時停止");
  w.ScrollBar_MP3.setBounds(28, 0, 360, 26);
  w.ScrollBar_MP3.setHint("再生位置移動");
  w.Button_MP3_STOP.onClick = [this] { Button_MP3_STOPClick(); };
  w.Button_MP3_PLAY.onClick = [this] { Button_MP3_PLAYClick(); };
  w.ScrollBar_MP3.onChange = [this] { ScrollBar_MP3Scroll(); };
  w.Timer_MP3_ERR.setInterval(300);
  w.Timer_MP3_ERR.onTimer = [this] { Timer_MP3_ERRTimer(); };
  w.Timer_MP3_Start.setInterval(500);
  w.Timer_MP3_Start.onTimer = [this] { Timer_MP3_StartTimer(); };
  w.Timer_MP3_LOOP.setInterval(1000);
  w.Timer_MP3_LOOP.onTimer = [this] { Timer_MP3_LOOPTimer(); };
}

void Mp3Player::setComponent(platform::MediaPlayer* component) {
  component_ = component;
  if (!component_) return;
  component_->onPlayStateChange = [this](long state) { PlayStateChange(state); };
  component_->onError = [this] { ErrorEvent(); };
}

void Mp3Player::decideAtStart() { available_ = component_ && !pb_.S.settings.mp3WithoutPlayer; }

bool Mp3Player::Load() {
  Mp3Error = false;
  bool ok = component_ != nullptr;
  if (ok) {
    ok = component_->clearPlaylist();
    pb_.pump();
    ok = ok && component_->appendToPlaylist(pb_.S.run.PlayFile);
    pb_.pump();
    // Playing and stopping at once makes the component read the media (its duration).
    ok = ok && component_->play() && component_->stop();
  }
  pb_.pump();
  pb_.pump();
  if (ok && !Mp3Error) {
    pb_.w.Timer_MP3_Start.setEnabled(true);
    return true;
  }
  pb_.app.setBusyCursor(false);
  return false;
}

void Mp3Player::Timer_MP3_StartTimer() {
  auto& w = pb_.w;
  if (busyStart_) return;
  busyStart_ = true;
  w.Timer_MP3_Start.setEnabled(false);
  pb_.pump();
  w.Panel_MP3.setVisible(true);
  pb_.w.Button_MP3_STOP.setVisible(true);
  const auto duration = component_ ? component_->duration() : std::nullopt;
  if (!duration || Mp3Error) return failStart();
  Mp3DurationSec = *duration;
  const long d = std::lround(Mp3DurationSec);
  w.StatusBar1.setPanelText(1, std::to_string(d));
  w.StatusBar1.setPanelText(2, "0");
  pb_.w.ScrollBar_MP3.setPosition(0);
  pb_.w.ScrollBar_MP3.setRange(0, static_cast<int>(std::min<long>(d, kPlayBarSteps)));
  pb_.st.MsPerBarStep = d >= kPlayBarSteps ? static_cast<std::int32_t>(std::lround(d / double(kPlayBarSteps))) : 1;
  if (!startPlaying()) return failStart();
  pb_.TuneStarted();
  pb_.app.setBusyCursor(false);
  watch_.Start(pb_.app.loop().nowMs(), 0, toMs(Mp3DurationSec));
  if (!pb_.S.run.ShutDown) w.Timer_MP3_LOOP.setEnabled(true);
  busyStart_ = false;
}

bool Mp3Player::startPlaying() {
  auto& w = pb_.w;
  if (!component_->play() || Mp3Error) return false;
  if (pb_.S.settings.saiseiBar) w.PanelBar.setVisible(true);
  return true;
}

void Mp3Player::failStart() {
  busyStart_ = false;
  pb_.w.Timer_MP3_ERR.setEnabled(true);
}

void Mp3Player::Timer_MP3_LOOPTimer() {
  auto& w = pb_.w;
  if (busyLoop_) return;
  busyLoop_ = true;
  pb_.pump();
  if (!w.Timer_MP3_LOOP.enabled()) {  // stopped while the messages ran
    busyLoop_ = false;
    return;
  }
  const auto position = component_ ? component_->currentPosition() : std::nullopt;
  Mp3PositionSec = position.value_or(component_ ? Mp3PositionSec : Mp3DurationSec);
  const long p = std::lround(Mp3PositionSec);
  w.StatusBar1.setPanelText(2, std::to_string(p));
  pb_.w.ScrollBar_MP3.setPosition(static_cast<int>(std::lround(p / double(std::max(1, pb_.st.MsPerBarStep)))));
  const bool goesOn = Mp3PositionSec < Mp3DurationSec && !pb_.S.run.StopRequested && !Mp3MediaEnded && !Mp3Error;
  const auto positionMs = position ? std::optional<std::int32_t>(toMs(*position)) : std::nullopt;
  if (goesOn && !watch_.GivesUp(pb_.app.loop().nowMs(), positionMs)) {
    busyLoop_ = false;
    return;
  }
  w.Timer_MP3_LOOP.setEnabled(false);
  Mp3MediaEnded = false;
  pb_.pump();
  busyLoop_ = false;
  StopMp3AndContinue();
}

void Mp3Player::Timer_MP3_ERRTimer() {
  auto& w = pb_.w;
  pb_.w.Timer_MP3_ERR.setEnabled(false);
  StopMp3();
  if (!pb_.S.run.ShutDown) w.Timer4.setEnabled(true);
  pb_.app.setBusyCursor(false);
}

void Mp3Player::PlayStateChange(long newState) {
  if (newState == platform::MediaPlayer::kMediaEnded) Mp3MediaEnded = true;
}

void Mp3Player::ErrorEvent() {
  if (!component_) return;
  if (component_->errorCount() > 0) Mp3Error = true;
  component_->clearErrorQueue();
}

void Mp3Player::StopMp3() {
  auto& w = pb_.w;
  w.Panel_MP3.setVisible(false);
  w.Timer_MP3_LOOP.setEnabled(false);
  watch_.Hold();
  pb_.pump();
  if (component_) component_->stop();
}

void Mp3Player::StopMp3AndContinue() {
  if (busyStop_) return;
  busyStop_ = true;
  pb_.pump();
  StopMp3();
  if (pb_.S.run.StopRequested) {
    pb_.driver.ReturnToIdle();
  } else {
    pb_.pump();
    pb_.armAdvance();
  }
  busyStop_ = false;
}

void Mp3Player::Button_MP3_STOPClick() {
  if (component_) component_->pause();
  watch_.Hold();
  pb_.w.Button_MP3_STOP.setVisible(false);
}

void Mp3Player::Button_MP3_PLAYClick() {
  pb_.w.Button_MP3_STOP.setVisible(true);
  pb_.pump();
  watch_.Start(pb_.app.loop().nowMs(), toMs(Mp3PositionSec), toMs(Mp3DurationSec));
  if (component_) component_->play();
}

void Mp3Player::ScrollBar_MP3Scroll() {
  if (component_) component_->setCurrentPosition(double(pb_.w.ScrollBar_MP3.position()) * pb_.st.MsPerBarStep);
}

}  // namespace playback

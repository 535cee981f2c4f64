#include "playback/pause_control.h"

#include <algorithm>
#include <cmath>

#include "base/comma_list.h"
#include "base/format.h"
#include "playback/playback.h"

namespace playback {

void PauseControl::createAndWire() {
  auto& w = pb_.w;
  struct Spin {
    ui::Button& button;
    const char* caption;
    const char* hint;
    std::int32_t step;
    int direction;
  };
  const Spin spins[] = {
      {w.SpinButton4Down, "▼", "６０", 60000, -1},
      {w.SpinButton4Up, "▲", "６０", 60000, 1},
      {w.SpinButton5Down, "▼", "１", 1000, -1},
      {w.SpinButton5Up, "▲", "１", 1000, 1},
      {w.SpinButton6Down, "▼", "１／１００", 100, -1},
      {w.SpinButton6Up, "▲", "１／１００", 100, 1},
  };
  int left = 78;
  for (const Spin& s : spins) {
    ui::Button& b = s.button;
    b.setCaption(s.caption);
    b.setHint(s.hint);
    b.setBounds(left, 2, 16, 22);
    left += 16;
    b.onClick = [this, step = s.step, dir = s.direction] { SpinClick(step, dir); };
  }
  w.ButtonStop2.onClick = [this] { ButtonStop2Click(); };
  w.ButtonResume.onClick = [this] { ButtonResumeClick(); };
  w.ButtonRsumeINI.onClick = [this] { ButtonRsumeINIClick(); };
  w.ScrollBar1.onChange = [this] { ScrollBar1Scroll(); };
  w.TimerSEEK.setInterval(500);
  w.TimerSEEK.onTimer = [this] { TimerSEEKTimer(); };
  w.SAISEIBAR.onClick = [this] { SAISEIBARClick(); };
  w.StatusBar2.onClick = [this] { StatusBar2Click(); };
}

ui::Panel& PauseControl::positionPanel() {
  auto& w = pb_.w;
  // A CD track shows its position as "track:time" and has its own panel.
  return w.StatusBar1.panelText(1).find(':') != std::string::npos ? w.PanelCD : w.PanelBar;
}

void PauseControl::StatusBar2Click() {
  if (!pb_.S.run.PlayRunActive) return;
  ui::Panel& panel = positionPanel();
  panel.setVisible(!panel.visible());
}

void PauseControl::ButtonStop2Click() {
  auto& w = pb_.w;
  auto& st = pb_.st;
  pb_.player.StopPositionTick();
  if (pb_.mci.SendMainWait("status ZUMIK position") == 0)
    st.PausePosMs = base::StrToInt(pb_.mci.MainReply).value_or(0);
  else
    st.PausePosMs = base::StrToInt(w.StatusBar1.panelText(2)).value_or(0) * 1000;
  st.PausePosMs = std::clamp(st.PausePosMs, 0, std::max(0, st.TrackLengthMs));
  w.StatusBar1.setPanelText(2, base::FormatNumber(st.PausePosMs / 1000.0, 10, 1));
  st.PauseOriginMs = st.PausePosMs;
  st.InterruptReason = kPauseOrStop;
  pb_.mci.SendMainWait("stop ZUMIK");
  w.PanelResume.setVisible(true);
}

void PauseControl::SpinClick(std::int32_t stepMs, int direction) {
  auto& st = pb_.st;
  st.PausePosMs = std::clamp(st.PausePosMs + direction * stepMs, 0, std::max(0, st.TrackLengthMs));
  showPausePosition();
}

void PauseControl::ButtonRsumeINIClick() {
  pb_.st.PausePosMs = pb_.st.PauseOriginMs;
  showPausePosition();
}

void PauseControl::showPausePosition() {
  auto& st = pb_.st;
  pb_.w.StatusBar1.setPanelText(2, base::FormatNumber(st.PausePosMs / 1000.0, 10, 1));
  pb_.w.ScrollBar1.setPosition(static_cast<int>(std::lround(st.PausePosMs / double(st.MsPerBarStep))));
}

void PauseControl::ButtonResumeClick() {
  pb_.w.PanelResume.setVisible(false);
  pb_.st.InterruptReason = kResume;
  pb_.w.TimerSEEK.setEnabled(true);
}

void PauseControl::ScrollBar1Scroll() {
  // Later scroll events before the replay only move the target.
  pb_.st.InterruptReason = kBarSeek;
  pb_.st.BarSeekStep = pb_.w.ScrollBar1.position();
  pb_.mci.SendMainWait("Stop Zumik");
}

void PauseControl::TimerSEEKTimer() {
  auto& w = pb_.w;
  auto& st = pb_.st;
  w.TimerSEEK.setEnabled(false);
  pb_.player.StopPositionTick();
  std::int32_t from = st.PositionMs;
  if (st.InterruptReason == kBarSeek) {
    from = st.BarSeekStep * st.MsPerBarStep;
    if (st.BarSeekStep != 0) {
      pb_.mci.SendMainWait("seek Zumik to " + std::to_string(from));
      w.StatusBar1.setPanelText(2, std::to_string(from / 1000));
    } else {
      pb_.mci.SendMainWait("seek Zumik to start");
      w.StatusBar1.setPanelText(2, "0");
    }
  } else if (st.InterruptReason == kResume) {
    from = st.PausePosMs;
    pb_.mci.SendMainWait("seek zumik to " + std::to_string(from));
  }
  pb_.pump();
  if (pb_.mci.SendMainNotify("play Zumik") != 0) {
    pb_.player.Release();
    pb_.mci.CloseMain();
    pb_.pump();
    pb_.armAdvance();
    return;
  }
  pb_.player.StartPositionTick(from);
}

void PauseControl::SAISEIBARClick() {
  auto& w = pb_.w;
  if (pb_.S.run.MenuBusy) return;
  bool& shown = pb_.S.settings.saiseiBar;
  w.SAISEIBAR.setChecked(shown = !shown);
  pb_.S.run.MenuBusy = true;
  pb_.pump();
  if (pb_.S.run.PlayRunActive) positionPanel().setVisible(shown);
  pb_.S.run.MenuBusy = false;
}

}  // namespace playback

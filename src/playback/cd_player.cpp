#include "playback/cd_player.h"

#include <algorithm>
#include <cstdio>

#include "base/comma_list.h"
#include "base/path.h"
#include "base/sjis.h"
#include "playback/msf.h"
#include "playback/playback.h"

namespace playback {

namespace {

constexpr const char* kZeroTime = "00:00:00";
constexpr const char* kTrackNamesFile = "CDPLAYER.INI";
constexpr const char* kLongestTime = " 88:88:88";

std::string Trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

int CdTrackNumber(const std::string& fileName) {
  const std::string stem = fileName.substr(0, fileName.find('.'));
  if (stem.size() < 2) return 0;
  const std::string digits = stem.substr(stem.size() - 2);
  if (!AllDigits(digits)) return 0;
  const int n = std::stoi(digits);
  return n >= 1 && n <= 99 ? n : 0;
}

std::string CdIdentityText(const std::string& decimalReply) {
  const std::string digits = Trim(decimalReply);
  if (!AllDigits(digits) || digits.size() > 19) return {};
  char hex[32];
  std::snprintf(hex, sizeof hex, "%010llX", std::stoull(digits));
  std::string text = hex;
  return text.erase(0, text.find_first_not_of('0') == std::string::npos ? text.size() : text.find_first_not_of('0'));
}

bool SplitCdReference(const std::string& entry, std::string& path, std::string& identity) {
  if (entry.empty() || entry[0] != '>') return false;
  const std::string rest = entry.substr(1);
  const auto slash = rest.find('/');
  path = rest.substr(0, slash);
  identity = slash == std::string::npos ? "" : rest.substr(slash + 1);
  return true;
}

// ---- the panel ------------------------------------------------------------------------

void CdPlayer::createAndWire() {
  auto& w = pb_.w;
  w.LabelCD_CLEN.setCaption(kLongestTime);
  w.LabelCD_CLEN.setHint("トラックの長さ");
  w.LabelCD_CLEN.setBounds(2, 5, 62, 16);
  w.ButtonCD_PAUSE.setCaption("一時停止");
  w.ButtonCD_PAUSE.setHint("ＣＤの再生を一時停止する");
  w.ButtonCD_RESUME.setCaption("再開");
  w.ButtonCD_RESUME.setHint("ＣＤの再生を再開する");
  // The resume button lies under the pause button and is uncovered by a pause.
  for (ui::Button* b : {&w.ButtonCD_RESUME, &w.ButtonCD_PAUSE}) b->setBounds(66, 2, 64, 22);
  w.ButtonCD_RESUME.setVisible(false);
  struct Spin {
    ui::Button& button;
    const char* caption;
    const char* hint;
    const char* unit;
    int direction;
  };
  const Spin spins[] = {
      {w.SpinButton1Down, "▼", "１分単位", "01:00:00", -1}, {w.SpinButton1Up, "▲", "１分単位", "01:00:00", 1},
      {w.SpinButton2Down, "▼", "１秒単位", "00:01:00", -1}, {w.SpinButton2Up, "▲", "１秒単位", "00:01:00", 1},
      {w.SpinButton3Down, "▼", "１／１０秒単位", "00:00:01", -1},
      {w.SpinButton3Up, "▲", "１／１０秒単位", "00:00:01", 1},
  };
  int left = 134;
  for (const Spin& s : spins) {
    s.button.setCaption(s.caption);
    s.button.setHint(s.hint);
    s.button.setBounds(left, 2, 16, 22);
    left += 16;
    s.button.onClick = [this, unit = std::string(s.unit), dir = s.direction] { SpinClick(unit, dir); };
  }
  w.ButtonCDPOSINI.setCaption("*");
  w.ButtonCDPOSINI.setHint("変更前の位置に戻す");
  w.ButtonCDPOSINI.setBounds(left + 2, 2, 24, 22);
  w.ButtonCDPOSINI.onClick = [this] { ButtonCDPOSINIClick(); };
  w.ButtonCD_PAUSE.onClick = [this] { ButtonCD_PAUSEClick(); };
  w.ButtonCD_RESUME.onClick = [this] { ButtonCD_RESUMEClick(); };
  w.TimerCD.setInterval(500);
  w.TimerCD.onTimer = [this] { TimerCDTimer(); };
  w.TimerCD_LOOP.setInterval(1000);
  w.TimerCD_LOOP.onTimer = [this] { TimerCD_LOOPTimer(); };
}

void CdPlayer::showPauseButton(bool on) {
  pb_.w.ButtonCD_PAUSE.setVisible(on);
  pb_.w.ButtonCD_RESUME.setVisible(!on);
}

// ---- drives, identity, names ----------------------------------------------------------

int CdPlayer::DriveOrdinal(const std::string& drive) const {
  const auto& items = pb_.w.ListBoxCD.items();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == drive) return static_cast<int>(i) + 1;
  return 0;
}

std::string CdPlayer::DiscIdentity(char drive) {
  const std::string x(1, drive);
  const int ordinal = DriveOrdinal(x + ":");
  if (ordinal == 0 || Forbidden(ordinal)) return {};
  auto& mci = pb_.mci;
  std::string identity;
  if (mci.SendTestWait("open cdaudio!" + x + ": alias zumikTESTCD") == 0 &&
      mci.SendTestWait("info zumikTESTCD identity") == 0)
    identity = CdIdentityText(mci.TestReply);
  mci.CloseTest();
  return identity;
}

std::string CdPlayer::TrackName(const std::string& identity, const std::string& fileName) {
  if (!pb_.S.settings.cdTrackNames || identity.empty()) return "    ";
  auto& ini = pb_.Sv.profile;
  const std::string key = std::to_string(CdTrackNumber(fileName) - 1);
  return ini.read(kTrackNamesFile, identity, key) + "  " + ini.read(kTrackNamesFile, identity, "title") + "  " +
         ini.read(kTrackNamesFile, identity, "artist");
}

std::string CdPlayer::TrackNameOfEntry(const std::string& entry) {
  std::string path, identity;
  if (!SplitCdReference(entry, path, identity)) return "    ";
  return TrackName(identity, base::ExtractFileName(path));
}

// ---- start ----------------------------------------------------------------------------

bool CdPlayer::Route(const std::string& expectedIdentity, const std::string& displayName) {
  pb_.st.CdMode = true;
  const std::string& path = pb_.S.run.PlayFile;
  std::string identity = path.empty() ? "" : DiscIdentity(path[0]);
  // A reference entry plays only on its own disc.
  if (expectedIdentity != "*" && base::UpperCase(expectedIdentity) != base::UpperCase(identity)) identity.clear();
  if (identity.empty()) return false;
  if (!displayName.empty() && base::UpperCase(base::ExtractFileExt(displayName)) != ".CDA")
    pb_.links.setTitle(pb_.S.TitlePrefix + displayName + " (再生中)");
  pb_.w.TimerCD.setEnabled(true);
  return true;
}

void CdPlayer::TimerCDTimer() {
  auto& w = pb_.w;
  if (busyStart_) return;
  busyStart_ = true;
  w.TimerCD.setEnabled(false);
  pb_.app.setBusyCursor(true);
  pb_.S.run.StopRequested = false;
  cd.CdPaused = false;
  pb_.pump();
  if (startTrack()) {
    w.PanelCD.setVisible(true);
    showPauseButton(true);
    pb_.TuneStarted();
    pb_.app.setBusyCursor(false);
    if (!pb_.S.run.ShutDown) w.TimerCD_LOOP.setEnabled(true);
  } else {
    if (!pb_.S.run.CloseRequested) pb_.armAdvance();
    pb_.app.setBusyCursor(false);
  }
  busyStart_ = false;
}

bool CdPlayer::setTimeFormat(const char* command) {
  for (int i = 0; i < 3; ++i)
    if (pb_.mci.SendCdWait(command) == 0) return true;
  return false;
}

std::string CdPlayer::query(const std::string& command, int tries) {
  for (int i = 0; i < tries; ++i)
    if (pb_.mci.SendCdWait(command) == 0) return Trim(pb_.mci.CdReply);
  return {};
}

bool CdPlayer::startTrack() {
  auto& mci = pb_.mci;
  const std::string& file = pb_.S.run.PlayFile;
  const std::string drive = file.substr(0, 2);
  const int ordinal = DriveOrdinal(drive);
  if (ordinal == 0 || Forbidden(ordinal)) return false;
  cd.CdTrackNo = CdTrackNumber(base::ExtractFileName(file));
  if (cd.CdTrackNo == 0) return false;
  pb_.pump();
  if (pb_.S.run.CloseRequested) return false;
  if (mci.SendCdWait("open cdaudio!" + drive + " alias zumikBGMCD") != 0) return false;
  cd.CdStartPos = cd.CdEndPos = cd.CdCurPos = cd.CdTrackLen = cd.CdPausePos = cd.CdPauseOrigin = kZeroTime;
  setTimeFormat("set zumikBGMCD time format msf");
  cd.CdTrackCount = 0;
  if (mci.SendCdWait("status zumikBGMCD number of tracks") == 0)
    cd.CdTrackCount = base::StrToInt(Trim(mci.CdReply)).value_or(0);
  const std::string n = std::to_string(cd.CdTrackNo);
  cd.CdStartPos = query("status zumikBGMCD position track " + n, 3);
  // A track whose place on the disc is unknown cannot be bounded: it is skipped.
  if (cd.CdStartPos.empty()) {
    mci.CloseCd();
    return false;
  }
  std::string length = query("status zumikBGMCD length track " + n, 3);
  cd.CdEndPos = MsfAdd(cd.CdStartPos, length);
  // The next track's start (the lead-out for the last one) bounds a length reported too long.
  std::string next;
  if (cd.CdTrackNo < cd.CdTrackCount) {
    next = query("status zumikBGMCD position track " + std::to_string(cd.CdTrackNo + 1), 1);
  } else {
    const std::string first = query("status zumikBGMCD position track 1", 1);
    const std::string disc = first.empty() ? "" : query("status zumikBGMCD length", 1);
    if (!disc.empty()) next = MsfAdd(first, disc);
  }
  if (!next.empty()) {
    const std::string gap = MsfSub(next, cd.CdStartPos);
    if (MsfBefore(gap, length)) {
      length = gap;
      cd.CdEndPos = next;
    }
  }
  cd.CdTrackLen = MsfText(MsfFrames(length));
  showTrack();
  setTimeFormat("set zumikBGMCD time format tmsf");
  if (mci.SendCdNotify("play zumikBGMCD from " + n) != 0) {
    mci.CloseCd();
    return false;
  }
  mci.SendCdWait("set zumikBGMCD time format msf");
  return true;
}

void CdPlayer::showTrack() {
  auto& w = pb_.w;
  auto& bar = w.StatusBar1;
  // The end-time panel holds the longest time with room to spare; the folder panel takes the rest.
  if (bar.panels().size() >= 3) {
    const int timeWidth = ui::StatusBar::TextWidth(kLongestTime) + 10;
    bar.setPanelWidth(1, timeWidth);
    bar.setPanelWidth(0, std::max(0, bar.bounds().width - timeWidth - bar.panels()[2].width));
  }
  // The play bar and the CD panel start where the folder panel ends.
  if (!bar.panels().empty()) {
    const int edge = bar.bounds().left + bar.panels()[0].width;
    for (ui::Panel* p : {&w.PanelBar, &w.PanelCD}) {
      const auto b = p->bounds();
      p->setBounds(edge, b.top, std::max(0, bar.bounds().right() - edge), b.height);
    }
  }
  w.LabelCD_CLEN.setCaption(cd.CdTrackLen);
  bar.setPanelText(2, cd.CdStartPos);
  bar.setPanelText(1, cd.CdEndPos);
}

// ---- the loop and the end -------------------------------------------------------------

void CdPlayer::TimerCD_LOOPTimer() {
  if (busyLoop_) return;
  busyLoop_ = true;
  pb_.pump();
  if (!cd.CdPaused && pb_.mci.SendCdWait("status zumikBGMCD position") == 0) {
    cd.CdCurPos = Trim(pb_.mci.CdReply);
    pb_.w.StatusBar1.setPanelText(2, cd.CdCurPos);
  }
  if (!MsfBefore(cd.CdCurPos, cd.CdEndPos) || pb_.S.run.StopRequested) StopCdAndContinue();
  busyLoop_ = false;
}

void CdPlayer::StopCdAndContinue() {
  auto& w = pb_.w;
  if (busyStop_) return;
  busyStop_ = true;
  pb_.st.InterruptReason = kPauseOrStop;
  pb_.mci.SendCdWait("Stop zumikBGMCD");
  w.PanelCD.setVisible(false);
  w.TimerCD_LOOP.setEnabled(false);
  showPauseButton(true);
  cd.CdPaused = false;
  pb_.pump();
  pb_.mci.CloseCd();
  if (pb_.S.run.StopRequested) {
    pb_.driver.ReturnToIdle();
  } else {
    pb_.pump();
    pb_.armAdvance();
  }
  busyStop_ = false;
}

void CdPlayer::MciNotify(unsigned flags) {
  const int reason = pb_.st.InterruptReason;
  // The pause's own stop: a paused track keeps its loop, which watches for a stop request.
  if (flags == 4 && reason >= kBarSeek && reason <= kCdPause) {
    if (!cd.CdPaused) pb_.w.TimerCD_LOOP.setEnabled(false);
    return;
  }
  pb_.w.TimerCD_LOOP.setEnabled(false);
  if (flags != 1) pb_.S.run.StopRequested = true;
  StopCdAndContinue();
}

// ---- pause and resume -----------------------------------------------------------------

void CdPlayer::ButtonCD_PAUSEClick() {
  auto& w = pb_.w;
  pb_.st.InterruptReason = kCdPause;
  cd.CdPaused = true;  // before the stop, whose completion message must find the track paused
  pb_.mci.SendCdWait("Stop zumikBGMCD");
  // The loop goes on ticking without polling, so that a stop (the stop button, a schedule)
  // ends the paused track instead of waiting for a resume.
  cd.CdPausePos = pb_.mci.SendCdWait("status zumikBGMCD position") == 0 ? Trim(pb_.mci.CdReply)
                                                                        : w.StatusBar1.panelText(2);
  w.StatusBar1.setPanelText(2, cd.CdPausePos);
  cd.CdPauseOrigin = cd.CdPausePos;
  showPauseButton(false);
  w.PanelCD.setVisible(true);
}

void CdPlayer::SpinClick(const std::string& unit, int direction) {
  const std::string moved = direction > 0 ? MsfAdd(cd.CdPausePos, unit) : MsfSub(cd.CdPausePos, unit);
  cd.CdPausePos = MsfClamp(moved, cd.CdStartPos, cd.CdEndPos);
  pb_.w.StatusBar1.setPanelText(2, cd.CdPausePos);
}

void CdPlayer::ButtonCDPOSINIClick() {
  cd.CdPausePos = cd.CdPauseOrigin;
  pb_.w.StatusBar1.setPanelText(2, cd.CdPausePos);
}

void CdPlayer::ButtonCD_RESUMEClick() {
  pb_.pump();
  pb_.mci.SendCdWait("seek zumikBGMCD to  " + cd.CdPausePos);
  pb_.pump();
  if (!pb_.S.run.ShutDown) pb_.w.TimerCD_LOOP.setEnabled(true);
  showPauseButton(true);
  cd.CdPaused = false;
  pb_.pump();
  // A track that will not go on ends the run at the loop's next tick.
  if (pb_.mci.SendCdNotify("play zumikBGMCD") != 0) pb_.S.run.StopRequested = true;
}

}  // namespace playback

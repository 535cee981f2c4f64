#include "playback/cd_search.h"

#include <climits>

#include "base/comma_list.h"
#include "base/format.h"
#include "base/sjis.h"
#include "playback/msf.h"
#include "playback/playback.h"
#include "tools/report.h"

namespace playback {

namespace {

constexpr char kReportName[] = "CD$$$$.TXT";
constexpr const char* kNotAudio = "音楽ＣＤ(CDDA)では、ありません。";

std::string TrimUpper(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return base::UpperCase(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

std::string TrackFile(int n) {
  return std::string("track") + static_cast<char>('0' + n / 10 % 10) + static_cast<char>('0' + n % 10) + ".cda";
}

}  // namespace

CdSearch::CdSearch(CdSearchView view, Playback& pb, memory::MemoryLists& memory)
    : v_(view), pb_(pb), memory_(memory) {
  v_.PCD_ALL.onClick = [this] { PCD_ALLClick(true); };
  v_.PCD_1.onClick = [this] { PCD_ALLClick(false); };
}

bool CdSearch::ReadinessCheck(char drive) {
  if (pb_.S.run.CloseRequested) return true;
  auto& mci = pb_.mci;
  const std::string x(1, drive);
  const bool opened = mci.SendTestWait("open cdaudio!" + x + ": alias zumikTESTCD") == 0;
  if (opened) mci.SendTestWait("set zumikTESTCD door closed");
  if (!opened || mci.SendTestWait("status zumikTESTCD ready") != 0 || TrimUpper(mci.TestReply) != "TRUE")
    pb_.box.ShowTimed("Not Ready エラー： [" + x + ":" + "]ドライブ\nＣＤが入っていない、\n又は、ＣＤドライブの準備が出来ていません。"
                      "\n\n暫く停止して様子をみます。",
                      1);
  mci.CloseTest();
  return opened;
}

std::string CdSearch::DiscTest(char drive) {
  auto& mci = pb_.mci;
  std::string result = "CDのオープンに失敗しました・・・";
  pb_.pump();
  if (pb_.S.run.CloseRequested) return result;
  if (!ReadinessCheck(drive)) return "CDが入っていません・・・";
  std::string open = "open cdaudio!";
  open += drive;
  open += ": alias zumikTESTCD";
  if (mci.SendTestWait(open) != 0) return result;
  for (int attempt = 0; attempt < 2; ++attempt) {
    mci.SendTestWait(std::string("set zumikTESTCD audio all ") + (attempt == 0 ? "off" : "on"));
    result = testOnce();
    if (result != kNotAudio) break;
    // Some drives need a moment before they read a disc as audio.
    if (attempt == 0 && pb_.box.ShowError("暫くお待ち下さい・・・", 1) == 3) break;
  }
  mci.SendTestWait("stop zumikTESTCD");
  mci.CloseTest();
  pb_.pump();
  return result;
}

std::string CdSearch::testOnce() {
  auto& mci = pb_.mci;
  auto query = [&](const std::string& command) {
    return mci.SendTestWait(command) == 0 ? TrimUpper(mci.TestReply) : std::string();
  };
  if (query("status zumikTESTCD ready") != "TRUE") return "Not Ready";
  if (query("status zumikTESTCD media present") != "TRUE") return "CDがありません。";
  mci.SendTestWait("set zumikTESTCD time format msf");
  const std::string length = query("status zumikTESTCD length");
  if (length.empty() || length == "00:00:00") return "長さの取得に失敗しました・・・";
  pb_.cd.cd.CdTrackCount = base::StrToInt(query("status zumikTESTCD number of tracks")).value_or(0);
  if (pb_.cd.cd.CdTrackCount <= 0) return "トラック数の取得に失敗しました・・・";
  mci.SendTestWait("set zumikTESTCD time format tmsf");
  if (mci.SendTestRaw("play zumikTESTCD from 1") != 0) return "テスト再生に失敗しました・・・";
  mci.SendTestWait("set zumikTESTCD time format msf");
  const std::string current = query("status zumikTESTCD current track");
  if (base::StrToInt(current.substr(0, current.find(':'))).value_or(0) <= 0) return "スタートトラックの取得に失敗しました・・・";
  mci.SendTestWait("stop zumikTESTCD");
  const std::string position = query("status zumikTESTCD position");
  if (position.empty() || position == "00:00:00") return "現在位置の取得に失敗しました・・・";
  return MsfBefore(position, length) ? "" : kNotAudio;
}

int CdSearch::addTracks(char drive, std::vector<std::string>& report) {
  auto& mci = pb_.mci;
  auto& list = pb_.w.ListBox2;
  const std::string x(1, drive);
  const std::string identity = pb_.cd.DiscIdentity(drive);
  const bool open = mci.SendTestWait("open cdaudio!" + x + ": alias zumikTESTCD") == 0;
  if (open) mci.SendTestWait("set zumikTESTCD time format msf");
  const int count = identity.empty() ? 0 : pb_.cd.cd.CdTrackCount;
  for (int n = 1; n <= count; ++n) {
    const std::string file = TrackFile(n);
    memory_.AppendShown({">" + x + ":\\" + file + "/" + identity}, INT_MAX);
    list.tag = list.count() - 1;
    list.setItemIndex(list.tag);
    std::string length = "--:--:--";
    if (open && mci.SendTestWait("status zumikTESTCD length track " + std::to_string(n)) == 0)
      length = MsfText(MsfFrames(mci.TestReply));
    report.push_back("ＣＤ番号：" + identity + "  " + x + ":\\" + file + "  " + length);
  }
  mci.CloseTest();
  if (count == 0) report.push_back(x + ": トラックがありませんでした。");
  return count;
}

void CdSearch::PCD_ALLClick(bool allDrives) {
  auto& box = pb_.box;
  const bool wasBusy = pb_.app.busyCursor();
  pb_.app.setBusyCursor(true);
  v_.PanelOPEN.setCaption("ＣＤサーチ");
  v_.PanelOPEN.setVisible(true);
  const std::vector<std::string> drives = pb_.w.ListBoxCD.items();
  if (drives.empty()) {
    if (box.ShowError("サーチエラー： CDドライブがありません・・・", 1) == 3) pb_.S.run.StopRequested = true;
    return finish(wasBusy);
  }
  std::size_t first = 0, end = drives.size();
  if (!allDrives) {
    const std::string drive = base::UpperCase(pb_.S.settings.folderPath.substr(0, 2));
    const int ordinal = pb_.cd.DriveOrdinal(drive);
    if (ordinal == 0) {
      box.ShowMessage("「" + drive + "」は、ＣＤドライブでは、ありません・・・");
      return finish(wasBusy);
    }
    if (CdPlayer::Forbidden(ordinal)) {
      box.ShowMessage("「" + drive.substr(0, 1) + ":」は、ＷＩＮの仕様により、アクセス出来ません。\n別のＣＤドライブを選択して下さい。");
      return finish(wasBusy);
    }
    // The current drive alone: the other drives are what the search of every drive is for.
    first = static_cast<std::size_t>(ordinal - 1);
    end = first + 1;
  }
  pb_.S.run.StopRequested = false;
  std::vector<std::string> report;
  int tracks = 0;
  for (std::size_t i = first; i < end; ++i) {
    const char x = drives[i].empty() ? '?' : drives[i][0];
    v_.PanelOPEN.setCaption(std::string(1, x) + ":ＣＤサーチ中");
    const int ordinal = static_cast<int>(i) + 1;
    if (CdPlayer::Forbidden(ordinal)) {
      report.push_back(std::string(1, x) + ": ＷＩＮの仕様により、" + std::to_string(ordinal) + "台目の音楽ＣＤは再生できません。");
    } else if (const std::string reason = DiscTest(x); !reason.empty()) {
      report.push_back(std::string(1, x) + ": " + reason);
    } else {
      tracks += addTracks(x, report);
    }
    memory_.ShowEntryCount();
    pb_.pump();
    if (pb_.S.run.StopRequested) {
      box.ShowMessage("中断ボタンが押されました。\n強制終了します。");
      break;
    }
  }
  if (!report.empty()) {
    report.push_back(std::string(40, '-'));
    report.push_back(std::to_string(tracks) + "トラック あります。");
    report.push_back(base::FormatDateTime(base::kDisplayDatePattern, pb_.Sv.clock.now()));
    tools::WriteReport(pb_.Sv.fs, pb_.Sv.shell, pb_.S.DataFolder, kReportName, report);
  }
  if (pb_.S.run.PlayRunActive && pb_.st.PlayModeStep == kRandom) pb_.rebuildMemoryPool();
  auto& list = pb_.w.ListBox2;
  if (list.count() > 0 && v_.showSelectedFile) {
    list.setItemIndex(0);
    v_.showSelectedFile(list);
  }
  finish(wasBusy);
}

void CdSearch::finish(bool wasBusy) {
  pb_.app.setBusyCursor(wasBusy);
  v_.PanelOPEN.setVisible(false);
}

}  // namespace playback

// Audio CD tracks: the msf arithmetic, the disc a reference entry is tied to, the track's
// bounds on the disc, pause and resume, the disc test and the CD search, on the model
// cdaudio device and the virtual clock.
#include <gtest/gtest.h>

#include "base/line_file.h"
#include "playback/cd_search.h"
#include "playback/msf.h"
#include "playback_fixture.h"

namespace {

using Names = std::vector<std::string>;
using Disc = fakes::FakeCdAudio::Disc;
constexpr long kSec = 75;  // frames

// Tracks of the given lengths in seconds, one after another from 00:02:00.
Disc DiscOf(std::vector<long> seconds, std::string identity = "123456789") {
  Disc d;
  d.identity = std::move(identity);
  long at = 2 * kSec;
  for (long s : seconds) {
    d.tracks.push_back({at, s * kSec});
    at += s * kSec;
  }
  return d;
}

TEST(CdTextTest, MsfCarriesFramesAt75AndSecondsAt60) {
  using playback::MsfAdd, playback::MsfSub, playback::MsfBefore, playback::MsfClamp;
  EXPECT_EQ(MsfAdd("00:59:74", "00:00:01"), "01:00:00");
  EXPECT_EQ(MsfSub("01:00:00", "00:00:01"), "00:59:74");
  EXPECT_EQ(MsfSub("00:00:10", "00:01:00"), "00:00:00") << "never below zero";
  EXPECT_EQ(MsfAdd("00:02:00", "garbage"), "00:02:00") << "a garbled reply counts as zero";
  EXPECT_TRUE(MsfBefore("00:59:74", "01:00:00"));
  EXPECT_TRUE(MsfBefore("99:00:00", "100:00:00")) << "compared as times, not as text";
  EXPECT_EQ(MsfClamp("00:01:00", "00:02:00", "00:05:00"), "00:02:00");
  EXPECT_EQ(MsfClamp("00:09:00", "00:02:00", "00:05:00"), "00:05:00");

  EXPECT_EQ(playback::CdIdentityText("123456789"), "75BCD15");
  EXPECT_EQ(playback::CdIdentityText(" 42\r\n"), "2A");
  for (const char* bad : {"", "0", "12a", "-5"}) EXPECT_EQ(playback::CdIdentityText(bad), "") << bad;
  const std::pair<const char*, int> tracks[] = {
      {"Track07.cda", 7}, {"track99.cda", 99}, {"Track00.cda", 0}, {"Track7.cda", 0}, {"T.x12.cda", 0}};
  for (auto& [name, n] : tracks) EXPECT_EQ(playback::CdTrackNumber(name), n) << name;
}

// Playback from the memory on the bare form, with CD drive E: (and more when asked).
struct CdPlaybackTest : PlaybackTest {
  PlaybackForm& w = startPlayer();
  playback::CdPlayer& cd = w.Player().cd;
  CdPlaybackTest() { w.ListBoxCD.setItems({"E:"}); }
  void memory(const Names& entries) {
    w.memoryViewShown = true;
    w.S.settings.namesOnly = false;
    mode(0);
    endless(false);
    w.ListBox2.setItems(entries);
    w.ListBox2.tag = -1;
  }
};

TEST_F(CdPlaybackTest, OnlyTheDiscInTheDriveIsPlayedAndOtherDiscsArePassedOverSilently) {
  mci.cd.insert('E', DiscOf({3, 3}));
  fs.addFile("C:\\MUSIC\\a.wav", "RIFF");
  mci.addTune("C:\\MUSIC\\a.wav", 1000);
  memory({">E:\\track01.cda/ABCDEF", ">E:\\track02.cda/75bcd15", "C:\\MUSIC\\a.wav", ">E:\\Track01.cda/"});
  play();
  runToIdle();
  EXPECT_EQ(mci.cd.played, (Names{"E: from 2"}));
  EXPECT_EQ(playedNames(), (Names{"a.wav"}));
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(mci.cd.isOpen("zumikBGMCD"));
  EXPECT_FALSE(mci.cd.isOpen("zumikTESTCD"));
  EXPECT_EQ(w.history.kept, (Names{"E:\\track02.cda", "C:\\MUSIC\\a.wav"}));
}

TEST_F(CdPlaybackTest, TheNinthDriveOfTheListIsNeverOpened) {
  w.ListBoxCD.setItems({"D:", "E:", "F:", "G:", "H:", "I:", "J:", "K:", "L:"});
  mci.cd.insert('L', DiscOf({3}));
  memory({">L:\\track01.cda/75BCD15"});
  play();
  runToIdle();
  EXPECT_TRUE(mci.cd.played.empty());
  for (auto& c : mci.commands) EXPECT_EQ(c.find("cdaudio!L:"), std::string::npos) << c;
}

TEST_F(CdPlaybackTest, TheStartOfTheNextTrackEndsATrackWhoseLengthRunsPastIt) {
  Disc d = DiscOf({3, 20});
  d.tracks[0].length = 8 * kSec;  // reported longer than the gap to track 2
  mci.cd.insert('E', d);
  memory({">E:\\track01.cda/75BCD15"});
  w.StatusBar1.setBounds(4, 66, 600, 24);
  for (int i : {0, 1, 2}) w.StatusBar1.setPanelWidth(i, i == 1 ? 40 : 200);
  play();
  loop.advance(1000);
  EXPECT_EQ(w.StatusBar1.panelText(1), "00:05:00");
  EXPECT_EQ(w.StatusBar1.panelText(2), "00:02:00");
  EXPECT_TRUE(w.findControl("PanelCD")->visible());
  const auto& parts = w.StatusBar1.panels();
  EXPECT_GE(parts[1].width, ui::StatusBar::TextWidth(" 88:88:88") + 10);
  EXPECT_EQ(parts[0].width + parts[1].width + parts[2].width, 600) << "the folder panel takes the rest";
  for (const char* panel : {"PanelCD", "PanelBar"}) {
    EXPECT_EQ(w.findControl(panel)->bounds().left, 4 + parts[0].width) << panel;
    EXPECT_EQ(w.findControl(panel)->bounds().right(), 604) << panel;
  }
  const auto took = runToIdle();
  EXPECT_LT(took, 5000u) << "the loop stops the track at its end while the disc plays on";
  EXPECT_TRUE(sent("Stop zumikBGMCD wait"));
  EXPECT_FALSE(w.findControl("PanelCD")->visible());
  EXPECT_EQ(mci.cd.played, (Names{"E: from 1"}));
}

TEST_F(CdPlaybackTest, TheLastTrackEndsAtTheDiscLengthFromTheFirstTrack) {
  Disc d = DiscOf({3, 4});
  d.tracks[1].length = 30 * kSec;
  d.length = 7 * kSec;  // the lead-out: 00:09:00
  mci.cd.insert('E', d);
  memory({">E:\\track02.cda/75BCD15", ">E:\\track01.cda/75BCD15"});
  play();
  loop.advance(1000);
  EXPECT_EQ(w.StatusBar1.panelText(1), "00:09:00");
  EXPECT_EQ(w.findControl("LabelCD_CLEN")->caption(), "00:04:00");
  runToIdle();
  EXPECT_EQ(mci.cd.played, (Names{"E: from 2", "E: from 1"})) << "the run advances after each track";
}

TEST_F(CdPlaybackTest, PausePositionSpinsWithinTheTrackAndResumeSeeksThere) {
  mci.cd.insert('E', DiscOf({60, 60}));
  memory({">E:\\track02.cda/75BCD15"});
  play();
  loop.advance(3000);
  ASSERT_EQ(mci.cd.played, (Names{"E: from 2"}));
  w.button("ButtonCD_PAUSE").click();
  const std::string origin = cd.cd.CdPausePos;
  EXPECT_TRUE(playback::MsfBefore("01:02:00", origin)) << origin;
  EXPECT_FALSE(w.button("ButtonCD_PAUSE").visible());
  EXPECT_TRUE(w.button("ButtonCD_RESUME").visible());
  w.button("SpinButton1Down").click();
  EXPECT_EQ(cd.cd.CdPausePos, "01:02:00") << "not before the track start";
  w.button("SpinButton3Down").click();
  EXPECT_EQ(cd.cd.CdPausePos, "01:02:00");
  w.button("SpinButton2Up").click();
  w.button("SpinButton3Up").click();
  EXPECT_EQ(cd.cd.CdPausePos, "01:03:01");
  EXPECT_EQ(w.StatusBar1.panelText(2), "01:03:01");
  for (int i = 0; i < 3; ++i) w.button("SpinButton1Up").click();
  EXPECT_EQ(cd.cd.CdPausePos, "02:02:00") << "not past the track end";
  w.button("ButtonCDPOSINI").click();
  EXPECT_EQ(cd.cd.CdPausePos, origin);
  loop.advance(5000);
  EXPECT_FALSE(idle()) << "a paused track holds the run";
  w.button("SpinButton2Up").click();
  w.button("ButtonCD_RESUME").click();
  EXPECT_TRUE(sent("seek zumikBGMCD to  " + playback::MsfAdd(origin, "00:01:00") + " wait"));
  EXPECT_EQ(mci.commands.back(), "play zumikBGMCD notify");
  loop.advance(1500);
  EXPECT_TRUE(playback::MsfBefore(playback::MsfAdd(origin, "00:01:00"), cd.cd.CdCurPos));
  EXPECT_TRUE(w.button("ButtonCD_PAUSE").visible());
  runToIdle();
}

TEST_F(CdPlaybackTest, AStopEndsAPausedTrackWithoutWaitingForResume) {
  mci.cd.insert('E', DiscOf({60}));
  memory({">E:\\track01.cda/75BCD15"});
  play();
  loop.advance(3000);
  w.button("ButtonCD_PAUSE").click();
  loop.advance(2000);
  ASSERT_FALSE(idle());
  w.button("Button5").click();
  loop.advance(1500);
  EXPECT_TRUE(idle());
  EXPECT_FALSE(mci.cd.isOpen("zumikBGMCD"));
  EXPECT_FALSE(w.findControl("PanelCD")->visible());
  EXPECT_TRUE(w.button("ButtonCD_PAUSE").visible()) << "the next track starts unpaused";
  EXPECT_FALSE(cd.cd.CdPaused);
}

TEST_F(CdPlaybackTest, TrackNamesComeFromTheCdPlayersFileWhenTurnedOn) {
  auto& ini = player.profile;
  ini.files["CDPLAYER.INI"]["75BCD15"] = {{"1", "Second"}, {"title", "Album"}, {"artist", "Band"}};
  EXPECT_EQ(cd.TrackNameOfEntry(">E:\\track02.cda/75BCD15"), "    ") << "names are off";
  w.S.settings.cdTrackNames = true;
  EXPECT_EQ(cd.TrackNameOfEntry(">E:\\track02.cda/75BCD15"), "Second  Album  Band");
  EXPECT_EQ(cd.TrackNameOfEntry(">E:\\track03.cda/75BCD15"), "  Album  Band") << "a missing key reads as empty";
  EXPECT_EQ(cd.TrackNameOfEntry(">E:\\track02.cda/"), "    ") << "no identity, no name";
  EXPECT_EQ(ini.readFiles.front(), "CDPLAYER.INI") << "no folder: the system looks in the Windows folder";
}

// The CD search and the disc test on the whole window, message boxes answered at once.
struct CdSearchTest : AnsweringPlayerTest {
  app::TZELCOR32ZUMIK* w = nullptr;
  CdSearchTest() {
    drives.add('E', platform::DriveType::CdRom);
    drives.add('F', platform::DriveType::CdRom);
  }
  app::TZELCOR32ZUMIK& run() {
    w = &start();
    w->Button9.click();  // the memory view
    return *w;
  }
  std::string test(char drive) { return w->CdFinder->DiscTest(drive); }
};

TEST_F(CdSearchTest, TheDiscTestGivesTheFirstReasonADiscFails) {
  const std::string tmsfPlay = "play zumikTESTCD from 1";
  struct Row {
    const char* reason;
    std::function<void(Disc&)> disc;
    std::string refused;
  };
  const Row rows[] = {
      {"Not Ready", [](Disc& d) { d = fakes::FakeCdAudio::Empty(); }, ""},
      {"CDがありません。", [](Disc& d) { d.media = false; }, ""},
      {"長さの取得に失敗しました・・・", [](Disc& d) { d.tracks.clear(); }, ""},
      {"トラック数の取得に失敗しました・・・", {}, "status zumikTESTCD number of tracks wait"},
      {"テスト再生に失敗しました・・・", {}, tmsfPlay},
      {"スタートトラックの取得に失敗しました・・・", {}, "status zumikTESTCD current track wait"},
      {"現在位置の取得に失敗しました・・・", {}, "status zumikTESTCD position wait"},
      {"音楽ＣＤ(CDDA)では、ありません。", [](Disc& d) { d.audio = false; }, ""},
      {"", {}, ""},
  };
  run();
  for (const Row& r : rows) {
    fakes::FakeCdAudio& device = mci.cd;
    device.clear();
    Disc d = DiscOf({5, 5});
    if (r.disc) r.disc(d);
    device.insert('E', d);
    if (!r.refused.empty()) device.refuse(r.refused);
    messages.clear();
    EXPECT_EQ(test('E'), r.reason);
    EXPECT_FALSE(device.isOpen("zumikTESTCD"));
    const bool notAudio = std::string(r.reason).find("CDDA") != std::string::npos;
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "暫くお待ち下さい・・・"), notAudio ? 1 : 0) << r.reason;
  }
  EXPECT_EQ(test('Q'), "CDが入っていません・・・") << "a drive that cannot be opened at all";
}

TEST_F(CdSearchTest, TheSearchFillsTheMemoryWritesTheReportAndItsEntriesPlay) {
  mci.cd.insert('E', DiscOf({3, 4}));
  mci.cd.insert('F', fakes::FakeCdAudio::Empty());
  fs.addFile("E:\\Track01.cda", std::string(44, 'c'));
  clock.set({2026, 12, 7, 10, 30, 5, 1});
  run();
  w->menu("PCD_ALL").click();
  EXPECT_EQ(w->ListBox2.items(), (Names{">E:\\track01.cda/75BCD15", ">E:\\track02.cda/75BCD15"}));
  EXPECT_EQ(w->ListBox2.itemIndex(), 0) << "the first entry is shown";
  EXPECT_EQ(w->StatusBar1.panelText(0), "E:\\");
  EXPECT_EQ(w->StatusBar2.panelText(1), "      44");
  EXPECT_FALSE(w->PanelOPEN.visible());
  auto report = base::LoadLines(fs, data + "CD$$$$.TXT");
  ASSERT_TRUE(report);
  EXPECT_EQ(*report, (Names{"ＣＤ番号：75BCD15  E:\\track01.cda  00:03:00", "ＣＤ番号：75BCD15  E:\\track02.cda  00:04:00",
                            "F: Not Ready", std::string(40, '-'), "2トラック あります。", " 26/12/07 月 10:30:05 "}));
  EXPECT_EQ(shell.runs.back(), "notepad.exe \"" + data + "CD$$$$.TXT\" ");
  EXPECT_EQ(messages.size(), 1u) << "F: is not ready";

  w->RadioGroup1.choose(0);
  w->CheckBox1.setChecked(false);
  mci.cd.played.clear();  // the disc test's own play
  w->Button2.click();
  for (int i = 0; i < 200 && (w->S.run.PlayRunActive || w->TimerPlayStart.enabled()); ++i) loop.advance(100);
  EXPECT_EQ(mci.cd.played, (Names{"E: from 1", "E: from 2"}));
}

TEST_F(CdSearchTest, OneDriveSearchRefusesANinthDriveAndADriveThatIsNoCd) {
  for (char c : std::string("GHIJKLM")) drives.add(c, platform::DriveType::CdRom);
  run();
  w->S.settings.folderPath = "M:\\";
  w->menu("PCD_1").click();
  w->S.settings.folderPath = "D:\\TEMPLZH";
  w->menu("PCD_1").click();
  EXPECT_EQ(messages, (Names{"「M:」は、ＷＩＮの仕様により、アクセス出来ません。\n別のＣＤドライブを選択して下さい。",
                             "「D:」は、ＣＤドライブでは、ありません・・・"}));
  EXPECT_EQ(w->ListBox2.count(), 0);
  for (auto& c : mci.commands) EXPECT_EQ(c.find("cdaudio!M:"), std::string::npos) << c;
}

}  // namespace

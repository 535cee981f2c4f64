// A CD-ROM drive with no disc (R:, mapped in the session's prefix by cd_drive.sh): the CD
// search writes the drive's reason into its report instead of hanging, and a memory that
// holds a CD track entry and a WAV plays the WAV after passing the CD entry over.
#include <algorithm>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "playback_fixture.h"

namespace e2e {
namespace {

using CdDrive = Playback;

TEST_F(CdDrive, SearchReportsTheEmptyDriveAndTheMemoryPlaysOnPastItsCdEntry) {
  ASSERT_EQ(GetDriveTypeW(L"R:\\"), static_cast<UINT>(DRIVE_CDROM)) << "the prefix has no CD-ROM drive R:";
  tune(L"a.wav", ToneWav(400));
  folder->writeFile(L"ZELCOR32_M000.LIM", ">R:\\track01.cda/75BCD15\r\n" + std::string(tunes.begin(), tunes.end()) +
                                              "\\a.wav\r\n");
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");  // the memory view
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);

  ChooseMenuCommand(main, ids::PCD_ALL);
  std::vector<std::string> report;
  EXPECT_TRUE(WaitUntil([&] { return !(report = folder->readLines(L"CD$$$$.TXT")).empty(); }, 40000))
      << "no report";
  ASSERT_GE(report.size(), 4u);
  EXPECT_EQ(report[0].rfind("R: ", 0), 0u) << report[0];
  EXPECT_EQ(report[report.size() - 3], std::string(40, '-'));
  EXPECT_EQ(report[report.size() - 2], "0トラック あります。");
  EXPECT_TRUE(WaitUntil([&] { return Responds(main) && !IsShown(FindControl(main, ids::PanelOPEN)); }, 20000))
      << "the search did not end";
  HWND notepad = WaitForTopWindow(L"Notepad", 0, 10000);
  ASSERT_NE(notepad, nullptr) << "the report did not open in Notepad";
  RequestClose(notepad);

  Click(FindControl(main, ids::Button2));
  const auto titles = titlesOfRun(main, 20000);
  // The CD entry shows its title while its disc is looked for, then gives way to the WAV.
  EXPECT_EQ(std::count(titles.begin(), titles.end(), Title(L"a.wav")), 1) << titles.size();
  EXPECT_EQ(titles.back(), kIdleTitle);
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(savedHistory(), (std::vector<std::string>{"a.wav"})) << "the CD entry was played";
}

}  // namespace
}  // namespace e2e

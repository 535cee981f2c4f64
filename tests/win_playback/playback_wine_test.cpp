// A continuous run over three short WAV files through the real MCI: the tunes follow each
// other on their completion messages, in order, with the window title naming each.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "memory/memory_lists.h"
#include "app/Zelcoru.h"
#include "hosted_player.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "playback/playback.h"

#include "test_sounds.h"

namespace {

// The real MCI, noting the window title whenever a tune is started.
class TitleRecordingMci : public platform::Mci {
 public:
  platform::win32::Win32Mci real;
  const app::TZELCOR32ZUMIK* window = nullptr;
  std::vector<std::string> opens, titlesAtPlay;
  platform::MciReply send(const std::string& command) override {
    if (command.rfind("Open ", 0) == 0) opens.push_back(command);
    if (command == "play Zumik notify" && window) titlesAtPlay.push_back(window->caption());
    return real.send(command);
  }
};

std::string tempFolder() {
  wchar_t buf[MAX_PATH];
  GetTempPathW(MAX_PATH, buf);
  std::wstring w = std::wstring(buf) + L"zelcor_playback_" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(w.c_str(), nullptr);
  return std::string(w.begin(), w.end()) + "\\";
}

TEST(WinePlaybackTest, ContinuousRunPlaysThreeWavesInOrderWithTheirTitles) {
  const std::string data = tempFolder();
  platform::win32::Win32FileSystem fs;
  const std::vector<std::string> names = {"one.wav", "two.wav", "three.wav"};
  for (auto& n : names) ASSERT_TRUE(fs.writeAtomic(data + n, testsounds::ToneWav(700)));

  TitleRecordingMci mci;
  wintest::HostedPlayer host(data, mci, mci.real);
  ASSERT_TRUE(host.start());
  app::TZELCOR32ZUMIK& window = *host.window;
  mci.window = &window;
  const ULONGLONG started = GetTickCount64();
  host.playFolder(names);
  host.runFor(30000, [&] { return mci.titlesAtPlay.size() == 3 && !window.S.PlayRunActive; });
  const ULONGLONG took = GetTickCount64() - started;

  EXPECT_EQ(mci.opens, (std::vector<std::string>{"Open \"" + data + "one.wav\" alias Zumik buffer 6",
                                                 "Open \"" + data + "two.wav\" alias Zumik buffer 6",
                                                 "Open \"" + data + "three.wav\" alias Zumik buffer 6"}));
  EXPECT_EQ(mci.titlesAtPlay, (std::vector<std::string>{"Zelcor32 one.wav (再生中)", "Zelcor32 two.wav (再生中)",
                                                       "Zelcor32 three.wav (再生中)"}));
  EXPECT_FALSE(window.S.PlayRunActive);
  EXPECT_EQ(window.caption(), "Zelcor32 B-G-M");
  EXPECT_EQ(window.Memory->HistoryEntries,
            (std::vector<std::string>{data + "one.wav", data + "two.wav", data + "three.wav"}));
  EXPECT_GE(took, 3 * 700u) << "each tune played to its end in real time";
  EXPECT_NE(mci.real.send("status Zumik mode").code, 0u) << "the channel is closed at the end";
  for (auto& n : names) {
    const std::string file = data + n;
    DeleteFileW(std::wstring(file.begin(), file.end()).c_str());
  }
}

}  // namespace

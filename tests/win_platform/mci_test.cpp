#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "temp_folder.h"

namespace {

// A mono 8-bit PCM WAV of `ms` milliseconds of a square wave.
std::string MakeWave(int ms) {
  const std::uint32_t rate = 8000;
  const std::uint32_t samples = rate * static_cast<std::uint32_t>(ms) / 1000;
  std::string wav;
  auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) wav += char((v >> (8 * i)) & 0xFF); };
  auto u16 = [&](std::uint16_t v) { wav += char(v & 0xFF); wav += char(v >> 8); };
  wav += "RIFF"; u32(36 + samples); wav += "WAVE";
  wav += "fmt "; u32(16); u16(1); u16(1); u32(rate); u32(rate); u16(1); u16(8);
  wav += "data"; u32(samples);
  for (std::uint32_t i = 0; i < samples; ++i) wav += char((i / 20) % 2 ? 0xA0 : 0x60);
  return wav;
}

TEST(Win32MciTest, OpensMeasuresPlaysAndClosesAWave) {
  wintest::TempFolder temp("zelcor_mci_表");
  platform::win32::Win32FileSystem fs;
  const std::string path = temp.path() + "音ソ.wav";
  ASSERT_TRUE(fs.writeAtomic(path, MakeWave(400)));

  platform::win32::Win32Mci mci;
  const auto open = mci.send("open \"" + path + "\" type waveaudio alias ZumikTest");
  ASSERT_EQ(open.code, 0u) << open.text;
  EXPECT_EQ(mci.send("set ZumikTest time format milliseconds").code, 0u);
  const auto length = mci.send("status ZumikTest length");
  EXPECT_EQ(length.code, 0u);
  EXPECT_EQ(length.text, "400");
  const DWORD start = GetTickCount();
  EXPECT_EQ(mci.send("play ZumikTest wait").code, 0u);
  EXPECT_GE(GetTickCount() - start, 300u);  // played in real time, not skipped
  EXPECT_EQ(mci.send("status ZumikTest mode").text, "stopped");
  EXPECT_EQ(mci.send("close ZumikTest").code, 0u);
  EXPECT_NE(mci.send("status ZumikTest length").code, 0u);  // the alias is gone
}

TEST(Win32MciTest, CompletionIsNotifiedToTheOwnersWindow) {
  wintest::TempFolder temp("zelcor_mci_notify");
  platform::win32::Win32FileSystem fs;
  const std::string path = temp.path() + "n.wav";
  ASSERT_TRUE(fs.writeAtomic(path, MakeWave(150)));
  HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);

  platform::win32::Win32Mci mci;
  mci.setNotifyWindow(window);
  ASSERT_EQ(mci.send("open \"" + path + "\" alias ZumikNotify").code, 0u);
  ASSERT_EQ(mci.send("play ZumikNotify notify").code, 0u);
  WPARAM flags = 0;
  const DWORD start = GetTickCount();
  while (!flags && GetTickCount() - start < 5000) {
    MSG msg;
    while (PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) {
      if (msg.message == MM_MCINOTIFY) flags = msg.wParam;
    }
    Sleep(10);
  }
  EXPECT_EQ(flags, static_cast<WPARAM>(MCI_NOTIFY_SUCCESSFUL));
  mci.send("close ZumikNotify");
  DestroyWindow(window);
}

}  // namespace

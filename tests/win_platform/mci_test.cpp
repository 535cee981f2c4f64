#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "temp_folder.h"

#include "test_sounds.h"

namespace {

TEST(Win32MciTest, OpensMeasuresPlaysAndClosesAWave) {
  wintest::TempFolder temp("zelcor_mci_表");
  platform::win32::Win32FileSystem fs;
  const std::string path = temp.path() + "音ソ.wav";
  ASSERT_TRUE(fs.writeAtomic(path, testsounds::ToneWav(400)));

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
  // The driver stays loaded after its last device closed, so no thread of its own outlives it.
  wchar_t driver[MAX_PATH] = {};
  DWORD bytes = sizeof driver;
  ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\MCI32", L"waveaudio",
                         RRF_RT_REG_SZ, nullptr, driver, &bytes),
            ERROR_SUCCESS);
  EXPECT_NE(GetModuleHandleW(driver), nullptr);
}

TEST(Win32MciTest, CompletionIsNotifiedToTheOwnersWindow) {
  wintest::TempFolder temp("zelcor_mci_notify");
  platform::win32::Win32FileSystem fs;
  const std::string path = temp.path() + "n.wav";
  ASSERT_TRUE(fs.writeAtomic(path, testsounds::ToneWav(150)));
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

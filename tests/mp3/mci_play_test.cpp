// Under Windows (and Wine): a converted file opens as a wave file through MCI,
// reports the source's length and plays to its end.
#include <windows.h>
#include <mmsystem.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "mp3/wav_to_mp3.h"
#include "test_signals.h"

namespace zelcor::mp3 {
namespace {

std::wstring Mci(const std::wstring& command, MCIERROR* code = nullptr) {
  wchar_t reply[256] = L"";
  const MCIERROR err = mciSendStringW(command.c_str(), reply, 256, nullptr);
  if (code) *code = err;
  return reply;
}

std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }

TEST(MciPlayback, ConvertedFilePlaysToItsEndWithTheSourceLength) {
  const double seconds = 3.0;
  const std::string dir = ::testing::TempDir();
  const std::string src = dir + "mp3_mci_source.wav", dst = dir + "mp3_mci_converted.wav";
  ASSERT_TRUE(testing::WriteFile(src, testing::WavImage(testing::Tune(44100, 2, seconds), 44100)));
  const ConversionResult r = ConvertWavFile(src, dst, DefaultTargetFormat());
  ASSERT_TRUE(r.ok) << r.error;

  MCIERROR err = 0;
  Mci(L"open \"" + Wide(dst) + L"\" type waveaudio alias tune", &err);
  ASSERT_EQ(err, 0u) << "MCI cannot open the converted file";
  // The wave driver is unloaded when its last device closes, while its own thread may still be
  // finishing: keep it loaded, as the player does, or the process can fault as it ends.
  HMODULE driver = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"mciwave.dll", &driver);
  Mci(L"set tune time format milliseconds", &err);
  EXPECT_EQ(err, 0u);
  const long length = std::stol(Mci(L"status tune length", &err));
  EXPECT_EQ(err, 0u);
  EXPECT_NEAR(length, seconds * 1000, 50);

  const ULONGLONG start = GetTickCount64();
  Mci(L"play tune wait", &err);
  const double played = (GetTickCount64() - start) / 1000.0;
  EXPECT_EQ(err, 0u);
  std::printf("[ MCI      ] length %ld ms, played for %.2f s\n", length, played);
  EXPECT_GT(played, seconds * 0.9) << "playback ended early";
  EXPECT_EQ(std::stol(Mci(L"status tune position")), length);
  EXPECT_EQ(Mci(L"status tune mode"), L"stopped");
  Mci(L"close tune");
}

}  // namespace
}  // namespace zelcor::mp3

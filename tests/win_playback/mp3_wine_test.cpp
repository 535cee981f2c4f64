// MP3 under Wine: through the media player component to its end, with pause and resume, and
// through the real MCI when "MP3" = 1; the conversion submenu as Windows opens it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/Zelcoru.h"
#include "core/control_ids.h"
#include "hosted_player.h"
#include "core/settings.h"
#include "fakes/fake_registry.h"
#include "memory/memory_lists.h"
#include "mp3/wav_to_mp3.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "platform/win32/media_player_win32.h"
#include "playback/playback.h"
#include "temp_folder.h"
#include "test_signals.h"
#include "tools/mp3_formats.h"
#include "ui/win32/menu_binding.h"

namespace {

// A 44.1 kHz stereo tone, alike in both channels, as plain MPEG frames (the data chunk of the
// encoder's RIFF image).
std::string MakeMp3(double seconds) {
  namespace sig = zelcor::mp3::testing;
  std::vector<std::uint8_t> riff;
  const auto tone = sig::Sine(44100, 1, seconds, 440, 0.25)[0];
  const auto wav = sig::WavImage({tone, tone}, 44100);
  if (!zelcor::mp3::EncodeWavImage(wav, zelcor::mp3::DefaultTargetFormat(), &riff).empty()) return {};
  const std::string image(riff.begin(), riff.end());
  const auto data = image.find("data", 12);
  return data == std::string::npos ? std::string() : image.substr(data + 8);
}

class OpenRecordingMci : public platform::Mci {
 public:
  platform::win32::Win32Mci real;
  std::vector<std::string> opens;
  platform::MciReply send(const std::string& command) override {
    if (command.rfind("Open ", 0) == 0) opens.push_back(command);
    return real.send(command);
  }
  void setNotifyTarget(std::uintptr_t window, std::function<void(unsigned)> deliver) override {
    real.setNotifyTarget(window, std::move(deliver));
  }
};

struct WineMp3Test : ::testing::Test {
  wintest::TempFolder temp{"zelcor_mp3"};
  const std::string tune = temp.path() + "tone.mp3";
  OpenRecordingMci mci;
  wintest::HostedPlayer host{temp.path(), mci};
  platform::win32::Win32FileSystem& fs = host.fs;
  fakes::FakeRegistry& reg = host.reg;
  std::unique_ptr<platform::win32::Win32MediaPlayer> component = platform::win32::Win32MediaPlayer::Create();
  std::unique_ptr<app::TZELCOR32ZUMIK>& window = host.window;

  void SetUp() override {
    const std::string mp3 = MakeMp3(1.5);
    ASSERT_GT(mp3.size(), 1000u);
    ASSERT_TRUE(fs.writeAtomic(tune, mp3));
  }

  void startAndPlay() {
    ASSERT_TRUE(host.start(component.get()));
    host.playFolder({"tone.mp3"});
  }
  ULONGLONG runFor(ULONGLONG timeoutMs, const std::function<bool()>& done) { return host.runFor(timeoutMs, done); }
  ui::Button& button(const char* name) { return *static_cast<ui::Button*>(window->findControl(name)); }
};

TEST_F(WineMp3Test, PlaysThroughTheComponentToItsEndWithPauseAndResume) {
  ASSERT_TRUE(component) << "the media player component could not be created";
  startAndPlay();
  runFor(5000, [&] { return window->Timer_MP3_LOOP.enabled(); });
  ASSERT_TRUE(window->Panel_MP3.visible());
  EXPECT_EQ(window->StatusBar1.panelText(1), "2") << "duration 1.5 s, rounded";
  EXPECT_EQ(window->caption(), "Zelcor32 tone.mp3 (再生中)");

  runFor(400, [] { return false; });
  button("Button_MP3_STOP").click();
  runFor(300, [] { return false; });
  const double pausedAt = *component->currentPosition();
  runFor(1500, [] { return false; });
  EXPECT_TRUE(window->S.run.PlayRunActive) << "a paused tune does not end";
  EXPECT_NEAR(*component->currentPosition(), pausedAt, 0.05);
  button("Button_MP3_PLAY").click();
  const ULONGLONG rest = runFor(10000, [&] { return !window->S.run.PlayRunActive; });

  EXPECT_FALSE(window->S.run.PlayRunActive);
  EXPECT_GE(rest + 50, static_cast<ULONGLONG>((1.5 - pausedAt) * 1000)) << "the rest played in real time";
  EXPECT_TRUE(mci.opens.empty()) << "MCI was used for the MP3";
  EXPECT_EQ(window->Memory->HistoryEntries, (std::vector<std::string>{tune}));
  EXPECT_EQ(window->caption(), "Zelcor32 B-G-M");
  EXPECT_FALSE(window->Panel_MP3.visible());
  window->close();
  runFor(3000, [&] { return window->closed(); });
}

TEST_F(WineMp3Test, WithMp3OffTheSameFilePlaysThroughMci) {
  reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "MP3", "1");
  startAndPlay();
  runFor(3000, [&] { return window->S.run.PlayRunActive; });
  const ULONGLONG took = runFor(10000, [&] { return !window->S.run.PlayRunActive; });
  EXPECT_EQ(mci.opens, (std::vector<std::string>{"Open \"" + tune + "\" alias Zumik"}));
  EXPECT_EQ(window->Memory->HistoryEntries, (std::vector<std::string>{tune}));
  EXPECT_GE(took, 1400u) << "played in real time to its end";
  EXPECT_FALSE(window->Timer_MP3_LOOP.enabled());
  window->close();
  runFor(3000, [&] { return window->closed(); });
}

TEST_F(WineMp3Test, TheOpeningConversionSubmenuShowsTheCurrentDefaultFormat) {
  ASSERT_TRUE(host.start());
  const HWND main = reinterpret_cast<HWND>(window->handle);
  ui::win32::MenuBinding shown(window->menu("PopupMenu2"), false, main);
  wchar_t text[128] = L"";
  HMENU sub = nullptr;
  int at = 0;
  for (; at < GetMenuItemCount(shown.handle()) && !sub; ++at)
    if (HMENU s = GetSubMenu(shown.handle(), at); s && GetMenuStringW(s, ids::P_MP3_SN, text, 128, MF_BYCOMMAND) > 0)
      sub = s;
  ASSERT_NE(sub, nullptr);
  tools::SetDefaultFormat(reg, "VOICE");  // changed while the player runs
  SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), MAKELPARAM(at - 1, FALSE));
  ASSERT_TRUE(IsMenu(sub)) << "the opening submenu was destroyed";
  GetMenuStringW(sub, ids::P_MP3_SN, text, 128, MF_BYCOMMAND);
  EXPECT_STREQ(text, L"変換サウンド名 ； VOICE (&H)");
  // Checks and enabled states of the shown items follow in place as well.
  window->menu("MP3_No_Memo").setChecked(true);
  window->menu("MP3_KIROKU").setEnabled(false);
  ASSERT_TRUE(IsMenu(sub));
  EXPECT_EQ(GetMenuState(sub, ids::MP3_No_Memo, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED), UINT{MF_CHECKED});
  EXPECT_EQ(GetMenuState(sub, ids::MP3_KIROKU, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED), UINT{MF_GRAYED});
  window->close();
  runFor(3000, [&] { return window->closed(); });
}

}  // namespace

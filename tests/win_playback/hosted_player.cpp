#include "hosted_player.h"

#include "core/settings.h"
#include "playback/playback.h"

namespace wintest {

HostedPlayer::HostedPlayer(const std::string& dataFolder, platform::Mci& mci, platform::win32::Win32Mci& real)
    : data(dataFolder), services{reg, fs, clock, shell, power, link, shellNs, mci, drives}, real_(real) {
  reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "Version", "20");
  reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "TEMPLZH", data);
}

bool HostedPlayer::start(platform::MediaPlayer* component) {
  window = std::make_unique<app::TZELCOR32ZUMIK>(application, services, data, std::vector<std::string>{});
  application.mainForm = window.get();
  if (component) window->Player().setMediaPlayer(component);
  window->onMessage = [this](unsigned msg, std::uintptr_t wp, std::intptr_t, std::intptr_t& result) {
    if (msg != MM_MCINOTIFY) return false;
    if (onCompletion) onCompletion(static_cast<unsigned>(wp));
    window->Player().MciNotify(static_cast<unsigned>(wp));
    result = 0;
    return true;
  };
  window->FormCreate();
  window->show();
  real_.setNotifyWindow(reinterpret_cast<HWND>(window->handle));
  runFor(10000, [&] { return window->S.run.InitDone == 99; });
  return window->S.run.InitDone == 99;
}

void HostedPlayer::playFolder(const std::vector<std::string>& names) {
  window->S.settings.folderPath = data;
  window->ListBox4.setItems(names);
  window->ListBox4.tag = 0;
  window->RadioGroup1.choose(0);
  window->CheckBox1.setChecked(false);
  window->S.settings.fileHistoryLimit = 16;
  window->Button2.click();
}

ULONGLONG HostedPlayer::runFor(ULONGLONG timeoutMs, const std::function<bool()>& done) {
  const ULONGLONG begin = GetTickCount64();
  loop.runUntil([&] { return done() || GetTickCount64() - begin > timeoutMs; });
  return GetTickCount64() - begin;
}

}  // namespace wintest

#include "hosted_player.h"

#include "core/settings.h"

namespace wintest {

HostedPlayer::HostedPlayer(const std::string& dataFolder, platform::Mci& mci)
    : data(dataFolder), services{reg, fs, clock, shell, power, link, shellNs, mci, drives, notifyArea, profile} {
  reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "Version", "20");
  reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "TEMPLZH", data);
}

bool HostedPlayer::start(platform::MediaPlayer* component) {
  // Completions are seen here first, then handled as the program handles them.
  app::MessageHandler none;
  window = app::ComposePlayer({application, services, data, {}, component, none});
  auto handled = window->onMessage;
  window->onMessage = [this, handled](unsigned msg, std::uintptr_t wp, std::intptr_t lp, std::intptr_t& result) {
    if (msg == platform::kMciNotifyMessage && onCompletion) onCompletion(static_cast<unsigned>(wp));
    return handled(msg, wp, lp, result);
  };
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

#pragma once
// The player as the program composes it, on the headless kit and the virtual clock, on a file
// system of the caller's choosing (real or fake) with fakes for every other service. Users link
// zelcor_app.
#include <memory>
#include <string>
#include <vector>

#include "app/compose.h"
#include "core/settings.h"
#include "dialogs/mk.h"
#include "fakes/fake_platform.h"
#include "fakes/lha_unlha.h"

namespace fakes {

class HeadlessPlayer : public FakePlatform {
 public:
  // Settings of the current version, with the data folder as the extraction folder.
  HeadlessPlayer(platform::FileSystem& fs, std::string dataFolder)
      : FakePlatform(fs), archiveLibrary(fs), data(std::move(dataFolder)) {
    set("Version", "20");
    set("TEMPLZH", data);
    drives.add('C', platform::DriveType::Fixed);
  }

  void set(const char* name, const std::string& value) {
    reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, name, value);
  }
  std::string get(const char* name) {
    return reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, name).value_or("<missing>");
  }

  // Composes the player and runs the deferred start-up.
  app::TZELCOR32ZUMIK& start(std::vector<std::string> params = {}) {
    window = app::ComposePlayer({application, services, data, std::move(params), nullptr, {}, &archiveLibrary});
    loop.advance(500);
    return *window;
  }
  bool started() const { return window && window->S.run.InitDone == 99; }

  // Every message box closes at once; its text is kept in messages.
  void closeBoxesKeepingTexts() {
    application.onModalShown = [this](ui::Form& f) {
      messages.push_back(static_cast<dialogs::TMKBox&>(f).MemoMsg.caption());
      f.close();
    };
  }

  LhaUnlhaLoader archiveLibrary;  // the project's own archive code, as the DLL runs it
  const std::string data;
  std::unique_ptr<app::TZELCOR32ZUMIK> window;
  std::vector<std::string> messages;
};

}  // namespace fakes

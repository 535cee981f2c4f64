#pragma once
// The main window on the headless kit and the virtual clock, on a file system of the caller's
// choosing (real or fake) with fakes for every other service. Message boxes are answered at
// once and their texts kept. Users link zelcor_app.
#include <memory>
#include <string>
#include <vector>

#include "app/Zelcoru.h"
#include "core/settings.h"
#include "dialogs/mk.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_drives.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_system.h"
#include "ui/headless_loop.h"

namespace fakes {

class HeadlessPlayer {
 public:
  HeadlessPlayer(platform::FileSystem& fs, std::string dataFolder)
      : services{reg, fs, clock, shell, power, link, shellNs, mci, drives}, data_(std::move(dataFolder)) {
    set("Version", "20");
    set("TEMPLZH", data_);
    drives.add('C', platform::DriveType::Fixed);
    application.onModalShown = [this](ui::Form& f) {
      messages.push_back(static_cast<dialogs::TMKBox&>(f).MemoMsg.caption());
      f.close();
    };
  }

  void set(const char* name, const std::string& value) {
    reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, name, value);
  }

  // Creates the window and runs the deferred start-up; null when it did not finish.
  app::TZELCOR32ZUMIK* start() {
    window = std::make_unique<app::TZELCOR32ZUMIK>(application, services, data_, std::vector<std::string>{});
    application.mainForm = window.get();
    window->FormCreate();
    window->show();
    loop.advance(500);
    return window->S.run.InitDone == 99 ? window.get() : nullptr;
  }

  ui::HeadlessLoop loop;
  ui::Application application{loop};
  FakeRegistry reg;
  FakeClock clock;
  FakeShell shell;
  FakePower power;
  FakeInstanceLink link;
  FakeShellNamespace shellNs;
  FakeMci mci{loop};
  FakeDrives drives;
  core::Services services;
  std::unique_ptr<app::TZELCOR32ZUMIK> window;
  std::vector<std::string> messages;

 private:
  std::string data_;
};

}  // namespace fakes

#pragma once
// A player on fakes and the virtual clock: data folder C:\ZELCOR\, Windows in C:\WINDOWS\.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DIR2SET.h"
#include "app/Zelcoru.h"
#include "core/settings.h"
#include "dialogs/mk.h"
#include "playback/playback.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_drives.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_system.h"
#include "test_support.h"
#include "ui/headless_loop.h"

struct PlayerTest : ::testing::Test {
  ui::HeadlessLoop loop;
  ui::Application application{loop};
  fakes::FakeRegistry reg;
  fakes::FakeFileSystem fs;
  fakes::FakeClock clock;
  fakes::FakeShell shell;
  fakes::FakePower power;
  fakes::FakeInstanceLink link;
  fakes::FakeShellNamespace shellNs;
  fakes::FakeMci mci{loop};
  fakes::FakeDrives drives;
  core::Services services{reg, fs, clock, shell, power, link, shellNs, mci, drives};
  std::unique_ptr<app::TZELCOR32ZUMIK> window;
  const std::string data = "C:\\ZELCOR\\";

  PlayerTest() {
    fs.addFolder("C:\\ZELCOR");
    fs.addFolder("C:\\WINDOWS\\MEDIA");
    fs.addFolder("D:\\TEMPLZH");
    drives.add('C', platform::DriveType::Fixed);
    drives.add('D', platform::DriveType::Fixed);
    set("Version", "20");
    set("TEMPLZH", "D:\\TEMPLZH");
  }

  void set(const char* name, const std::string& value) {
    reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, name, value);
  }
  std::string get(const char* name) {
    return reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, name).value_or("<missing>");
  }

  // Creates the window and runs the deferred start-up.
  app::TZELCOR32ZUMIK& start(std::vector<std::string> params = {}) {
    window = std::make_unique<app::TZELCOR32ZUMIK>(application, services, data, std::move(params));
    application.mainForm = window.get();
    window->onCloseQuery = [this](bool& can) { window->FormCloseQuery(can); };
    mci.notifyWindow = [this](unsigned flags) { window->Player().MciNotify(flags); };
    window->FormCreate();
    window->show();
    loop.advance(500);
    return *window;
  }
};

// A player whose message boxes are answered at once: each text is kept in messages (line ends
// as LF), a question is answered by answerYes, any other box by OK. Other modal forms go to
// onOtherForm.
struct AnsweringPlayerTest : PlayerTest {
  std::vector<std::string> messages;
  bool answerYes = true;
  std::function<void(ui::Form&)> onOtherForm;
  AnsweringPlayerTest() {
    application.onModalShown = [this](ui::Form& f) {
      if (f.windowClass() != "TMKBox") return onOtherForm(f);
      auto& box = static_cast<dialogs::TMKBox&>(f);
      std::string text = box.MemoMsg.caption();  // the memo shows line ends as CR LF
      std::erase(text, '\r');
      messages.push_back(text);
      if (box.Btn_Yes.visible())
        (answerYes ? box.Btn_Yes : box.Btn_No).click();
      else
        box.Btn_OK.click();
    };
  }
};

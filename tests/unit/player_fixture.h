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
#include "fakes/fake_file_system.h"
#include "fakes/headless_player.h"
#include "test_support.h"

struct PlayerTest : ::testing::Test {
  fakes::FakeFileSystem fs;
  fakes::HeadlessPlayer player{fs, "C:\\ZELCOR\\"};
  ui::HeadlessLoop& loop = player.loop;
  ui::Application& application = player.application;
  fakes::FakeRegistry& reg = player.reg;
  fakes::FakeClock& clock = player.clock;
  fakes::FakeShell& shell = player.shell;
  fakes::FakePower& power = player.power;
  fakes::FakeInstanceLink& link = player.link;
  fakes::FakeShellNamespace& shellNs = player.shellNs;
  fakes::FakeMci& mci = player.mci;
  fakes::FakeDrives& drives = player.drives;
  core::Services& services = player.services;
  std::unique_ptr<app::TZELCOR32ZUMIK>& window = player.window;
  const std::string& data = player.data;

  PlayerTest() {
    fs.addFolder("C:\\ZELCOR");
    fs.addFolder("C:\\WINDOWS\\MEDIA");
    fs.addFolder("D:\\TEMPLZH");
    drives.add('D', platform::DriveType::Fixed);
    set("TEMPLZH", "D:\\TEMPLZH");
  }

  void set(const char* name, const std::string& value) { player.set(name, value); }
  std::string get(const char* name) { return player.get(name); }

  // Composes the player and runs the deferred start-up.
  app::TZELCOR32ZUMIK& start(std::vector<std::string> params = {}) { return player.start(std::move(params)); }
};

// A player whose message boxes are answered at once: each text is kept in messages (line ends
// as LF), a question is answered by answerYes, any other box by OK. Other modal forms go to
// onOtherForm.
struct AnsweringPlayerTest : PlayerTest {
  std::vector<std::string> messages;
  bool answerYes = true;
  std::function<void(ui::Form&)> onOtherForm;
  AnsweringPlayerTest() {
    testing_support::AnswerBoxesAtOnce(application, messages, answerYes, [this](ui::Form& f) { onOtherForm(f); });
  }
};

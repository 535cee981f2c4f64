#pragma once
// Shared set-up of the end-to-end tests: an empty settings key before and after each test,
// a fresh data folder with its own copy of the player, and the steps most tests repeat.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player_folder.h"
#include "player_process.h"

namespace e2e {

class PlayerTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The values `make run` registers: settings version 20 and existing extraction and MP3 folders.
  void prepareAsMakeRun();
  std::unique_ptr<PlayerProcess> start(const std::vector<std::wstring>& args = {});
  // Starts the player and waits for its usable main window (fails the test if none in 5 s).
  HWND startUsable(std::unique_ptr<PlayerProcess>& player, const std::vector<std::wstring>& args = {});
  // Closes the main window; the exit code, or nothing if the process did not end in 10 s.
  std::optional<unsigned long> closeMain(HWND main, PlayerProcess& player);

  std::unique_ptr<PlayerFolder> folder;
};

// The program a shortcut file starts, empty when it cannot be read.
std::wstring LinkTarget(const std::wstring& link);

// The 42 settings names the player writes on closing that are missing from the registry.
std::vector<std::string> MissingSettings();

}  // namespace e2e

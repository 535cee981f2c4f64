#pragma once
// The one place the player is put together: the program entry and every test harness build
// it here, so what the tests run is what the program runs.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Zelcoru.h"
#include "platform/media_player.h"
#include "platform/unlha_library.h"

namespace app {

// A window-system message the caller handles itself (forwarded command lines, the end of the
// session); true when handled.
using MessageHandler = std::function<bool(TZELCOR32ZUMIK&, unsigned msg, std::uintptr_t wp, std::intptr_t lp,
                                          std::intptr_t& result)>;

struct PlayerParts {
  ui::Application& application;
  Services& services;
  std::string dataFolder;  // with its trailing "\"
  std::vector<std::string> params;
  platform::MediaPlayer* mp3Component = nullptr;  // none: MP3 goes to MCI like the rest
  MessageHandler systemMessages;
  platform::UnlhaLoader* archiveLibrary = nullptr;  // none: archives cannot be read
};

// Builds the main window and its subsystems, makes it the main form, wires closing and the
// MCI completions, runs window creation and shows it. The deferred start-up follows on the
// window's own timer.
std::unique_ptr<TZELCOR32ZUMIK> ComposePlayer(PlayerParts parts);

}  // namespace app

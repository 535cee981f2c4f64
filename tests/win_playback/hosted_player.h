#pragma once
// The player's main window in this process, on the real MCI, file system, clock and window
// system; the settings, shell, power, second-instance link and shell namespace are the
// recording fakes. For the Windows-side playback tests and the playback bench.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/compose.h"
#include "fakes/fake_notify_area.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_system.h"
#include "platform/media_player.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/drives_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_loop.h"

namespace wintest {

class HostedPlayer {
 public:
  // Settings of a current version, with dataFolder (trailing backslash) as the data and the
  // extraction folder. mci is what the player sends through; it reports completions to the
  // window.
  HostedPlayer(const std::string& dataFolder, platform::Mci& mci);

  // Creates and shows the window, with the media player component for MP3 when one is given,
  // and runs the deferred start-up; false when it has not finished within 10 s.
  bool start(platform::MediaPlayer* component = nullptr);
  // Plays the named files of the data folder once, in order (continuous, not endless).
  void playFolder(const std::vector<std::string>& names);
  // Runs the loop until done() holds or timeoutMs has passed; the time it took.
  ULONGLONG runFor(ULONGLONG timeoutMs, const std::function<bool()>& done);

  // Called with each completion message's flags before the player handles it.
  std::function<void(unsigned flags)> onCompletion;

  const std::string data;
  fakes::FakeRegistry reg;
  platform::win32::Win32FileSystem fs;
  platform::win32::Win32Clock clock;
  fakes::FakeShell shell;
  fakes::FakePower power;
  fakes::FakeInstanceLink link;
  fakes::FakeShellNamespace shellNs;
  platform::win32::Win32Drives drives;
  fakes::FakeNotifyArea notifyArea;
  fakes::FakeProfileStrings profile;
  core::Services services;
  ui::win32::Win32Loop loop;
  ui::win32::Win32Backend backend{loop};
  ui::Application application{loop, &backend};
  std::unique_ptr<app::TZELCOR32ZUMIK> window;
};

}  // namespace wintest

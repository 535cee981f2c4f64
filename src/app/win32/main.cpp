// Program entry: decide what this start becomes, then run the window it creates.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/compose.h"
#include "app/data_folder.h"
#include "app/setup_window.h"
#include "app/startup.h"
#include "base/path.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/crash_log.h"
#include "platform/win32/drives_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/mci_win32.h"
#include "platform/win32/notify_area_win32.h"
#include "platform/win32/media_player_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_namespace_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/text.h"
#include "platform/win32/unlha_library_win32.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_loop.h"

namespace {

using platform::win32::FromWide;

std::vector<std::string> commandLineParameters() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> params;
  for (int i = 1; i < argc; ++i) params.push_back(FromWide(argv[i]));
  LocalFree(argv);
  return params;
}

std::string exePath() {
  std::wstring buf(32768, L'\0');
  DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
  buf.resize(n);
  return FromWide(buf);
}

// Messages of the window system that the portable window handles in its own terms.
bool mainWindowMessage(app::TZELCOR32ZUMIK& w, unsigned msg, std::uintptr_t wp, std::intptr_t lp, std::intptr_t& result) {
  switch (msg) {
    case platform::win32::Win32InstanceLink::kForwardMessage: {
      wchar_t name[258] = {};
      if (wp != 0) GlobalGetAtomNameW(static_cast<ATOM>(wp), name, 258);
      w.ForwardedCommandLine(FromWide(name));
      result = 0;
      return true;
    }
    case WM_COPYDATA:
      if (auto text = platform::win32::Win32InstanceLink::ForwardedCopy(lp)) {
        w.ForwardedCommandLine(*text);
        result = TRUE;
        return true;
      }
      return false;
    case WM_QUERYENDSESSION:
      result = TRUE;
      return true;
    case WM_ENDSESSION:
      if (wp) w.EndSession();
      result = 0;
      return true;
    default:
      return false;
  }
}

void bringForward(app::TZELCOR32ZUMIK& w) {
  HWND h = reinterpret_cast<HWND>(w.handle);
  if (!IsIconic(h)) SendMessageW(h, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ShowWindow(h, SW_RESTORE);
  SetForegroundWindow(h);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  platform::win32::Win32Registry reg;
  platform::win32::Win32FileSystem fs;
  platform::win32::Win32Clock clock;
  platform::win32::Win32Shell shell;
  platform::win32::Win32Power power;
  platform::win32::Win32InstanceLink link;
  platform::win32::Win32ShellNamespace shellNs;
  platform::win32::Win32Mci mci;
  platform::win32::Win32Drives drives;
  platform::win32::Win32UnlhaLoader unlha;
  platform::win32::Win32NotifyArea notifyArea;
  platform::win32::Win32ProfileStrings profile;
  core::Services services{reg, fs, clock, shell, power, link, shellNs, mci, drives, notifyArea, profile};

  ui::win32::Win32Loop loop;
  ui::win32::Win32Backend backend(loop);
  ui::Application application(loop, &backend);
  application.setTitle(app::kAppTitle);

  const std::string exe = exePath();
  const std::string dataFolder = app::DataFolderOf(exe);
  platform::win32::InstallCrashLog(platform::win32::ToWide(dataFolder + app::kCrashLogName));
  const std::string chosenDataFolder = app::RegisteredDataPath(reg, fs, shellNs);
  const std::vector<std::string> params = commandLineParameters();
  const app::StartDecision start = app::DecideStart(params, base::ExtractFileName(exe), reg, link);

  switch (start.kind) {
    case app::StartKind::Forwarded:
    case app::StartKind::SetupRunning:
      return 0;
    case app::StartKind::Setup:
      app::RunSetupWindow(application, start.setupMode, {services, exe, params, dataFolder, chosenDataFolder});
      return 0;
    case app::StartKind::Player:
      break;
  }
  const auto mediaPlayer = platform::win32::Win32MediaPlayer::Create();
  const auto window =
      app::ComposePlayer({application, services, dataFolder, params, mediaPlayer.get(), mainWindowMessage, &unlha});
  unlha.setOwner(window->handle);
  window->bringForward = [w = window.get()] { bringForward(*w); };
  loop.runUntil([&application] { return application.terminated(); });
  return 0;
}

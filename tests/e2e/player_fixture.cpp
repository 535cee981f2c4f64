#include "player_fixture.h"

#include <objbase.h>
#include <shlobj.h>

#include "core/settings.h"
#include "platform/win32/text.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {

void PlayerTest::SetUp() {
  SettingsKey::clear();
  folder = std::make_unique<PlayerFolder>();
}

void PlayerTest::TearDown() {
  SettingsKey::clear();
  // A player still running holds files in the folder: the processes end before it goes.
  folder.reset();
}

void PlayerTest::prepareAsMakeRun() {
  SettingsKey::set(L"Version", L"20");
  SettingsKey::set(L"TEMPLZH", folder->makeFolder(L"extract"));
  SettingsKey::set(L"SND_DIR", folder->makeFolder(L"mp3"));
}

std::unique_ptr<PlayerProcess> PlayerTest::start(const std::vector<std::wstring>& args) {
  return std::make_unique<PlayerProcess>(folder->exe(), args);
}

HWND PlayerTest::startUsable(std::unique_ptr<PlayerProcess>& player, const std::vector<std::wstring>& args) {
  player = start(args);
  HWND main = WaitForUsableMainWindow(player->id(), 5000);
  EXPECT_NE(main, nullptr) << "no usable main window within 5 s";
  return main;
}

std::optional<unsigned long> PlayerTest::closeMain(HWND main, PlayerProcess& player) {
  RequestClose(main);
  return player.waitExit(10000);
}

std::vector<std::string> MissingSettings() {
  std::vector<std::string> missing;
  for (const auto& [name, text] : core::StoredSettingTexts({}))
    if (!SettingsKey::get(platform::win32::ToWide(name))) missing.push_back(name);
  return missing;
}

std::wstring LinkTarget(const std::wstring& link) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::wstring target;
  IShellLinkW* shellLink = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shellLink)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      wchar_t path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
          SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
        target = path;
      file->Release();
    }
    shellLink->Release();
  }
  CoUninitialize();
  return target;
}

}  // namespace e2e

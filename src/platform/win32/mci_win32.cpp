#include "platform/win32/mci_win32.h"

#include <mmsystem.h>

#include <string>
#include <vector>

#include "platform/win32/registry_win32.h"
#include "platform/win32/text.h"

namespace platform::win32 {

namespace {

// The drivers the system names for each device type ("waveaudio", "sequencer", "cdaudio", ...).
std::vector<std::wstring> DeviceDrivers() {
  const std::string key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\MCI32";
  Win32Registry reg;
  std::vector<std::wstring> drivers;
  for (const std::string& type : reg.valueNames(Hive::LocalMachine, key))
    if (auto driver = reg.readString(Hive::LocalMachine, key, type); driver && !driver->empty())
      drivers.push_back(ToWide(*driver));
  return drivers;
}

}  // namespace

// A device's driver is unloaded when its last device closes, and a "play ... notify" runs on a
// thread of the driver's own that may still be finishing when the tune is closed and the next
// opened. Under load that thread was seen to run on in the unloaded driver and crash the player.
// So a driver, once an open has loaded it, is pinned for the life of the program.
Win32Mci::Win32Mci() : unpinned_(DeviceDrivers()) {}

void Win32Mci::pinLoadedDrivers() {
  for (auto it = unpinned_.begin(); it != unpinned_.end();) {
    HMODULE module = nullptr;
    if (GetModuleHandleW(it->c_str()) && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, it->c_str(), &module))
      it = unpinned_.erase(it);
    else
      ++it;
  }
}

MciReply Win32Mci::send(const std::string& command) {
  wchar_t reply[512] = {};
  MciReply result;
  result.code = mciSendStringW(ToWide(command).c_str(), reply, 512, notifyWindow_);
  result.text = FromWide(reply);
  if (result.code == 0 && !unpinned_.empty() && _strnicmp(command.c_str(), "open ", 5) == 0) pinLoadedDrivers();
  return result;
}

}  // namespace platform::win32

#pragma once
// Smaller operating-system services: processes, sounds, the clipboard, shutdown and the
// link to a running copy of the player.
#include <cstdint>
#include <string>

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Starts a program with a command line (as WinExec would); false when it could not start.
  virtual bool run(const std::string& commandLine) = 0;
  virtual void beepExclamation() = 0;
  virtual bool setClipboardText(const std::string& text) = 0;
  // The running program's own path.
  virtual std::string programPath() = 0;
  // Writes a shortcut file (".lnk") at link that starts target; false when it could not.
  virtual bool createShortcut(const std::string& link, const std::string& target, const std::string& description) = 0;
};

struct SystemResult {
  bool ok = false;
  std::uint32_t lastError = 0;
};

class Power {
 public:
  virtual ~Power() = default;
  // Enables the shutdown privilege of this process.
  virtual SystemResult enableShutdownPrivilege() = 0;
  // ExitWindowsEx with the given flags (1 shut down, 8 power off).
  virtual SystemResult exitWindows(std::uint32_t flags) = 0;
};

// Finding another running copy by window class and handing it a command line.
class InstanceLink {
 public:
  virtual ~InstanceLink() = default;
  virtual bool windowExists(const std::string& windowClass) = 0;
  // Sends text (CP932) to the window of that class, synchronously: as a global atom with
  // message 0x401 when it fits one (an empty text as atom 0), otherwise as WM_COPYDATA.
  virtual bool forward(const std::string& windowClass, const std::string& text) = 0;
};

// Reading settings files as the system does: a file named without a folder is looked for in
// the Windows folder; a missing file, section or key reads as empty.
class ProfileStrings {
 public:
  virtual ~ProfileStrings() = default;
  virtual std::string read(const std::string& file, const std::string& section, const std::string& key) = 0;
};

}  // namespace platform

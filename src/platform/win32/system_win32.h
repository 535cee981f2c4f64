#pragma once
// Processes, sounds, clipboard, shutdown and the link to a running copy.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/system.h"

namespace platform::win32 {

class Win32Shell : public Shell {
 public:
  bool run(const std::string& commandLine) override;
  void beepExclamation() override;
  bool setClipboardText(const std::string& text) override;
  std::string programPath() override;
  bool createShortcut(const std::string& link, const std::string& target, const std::string& description) override;
};

class Win32ProfileStrings : public ProfileStrings {
 public:
  std::string read(const std::string& file, const std::string& section, const std::string& key) override;
};

class Win32Power : public Power {
 public:
  SystemResult enableShutdownPrivilege() override;
  SystemResult exitWindows(std::uint32_t flags) override;
};

class Win32InstanceLink : public InstanceLink {
 public:
  static constexpr unsigned kForwardMessage = 0x401;
  // The WM_COPYDATA tag of a command line too long for an atom.
  static constexpr std::uintptr_t kForwardCopyTag = 0x5A43'0401;
  bool windowExists(const std::string& windowClass) override;
  bool forward(const std::string& windowClass, const std::string& text) override;
  // The command line a WM_COPYDATA from forward carries (lParam is its COPYDATASTRUCT);
  // nothing when the copy is of another kind.
  static std::optional<std::string> ForwardedCopy(std::intptr_t copyData);
};

}  // namespace platform::win32

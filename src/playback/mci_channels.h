#pragma once
// The three MCI channels of the player and their send and close routines. Every send
// returns the MCI result (0 = success) and -1 without touching MCI once the player shuts down.
#include <functional>
#include <string>

#include "platform/mci.h"

namespace playback {

constexpr const char* kMainAlias = "Zumik";
constexpr const char* kCdAlias = "zumikBGMCD";
constexpr const char* kTestAlias = "zumikTESTCD";

class MciChannels {
 public:
  // shutDown is read at every send; pump lets pending window messages run.
  MciChannels(platform::Mci& mci, const bool& shutDown, std::function<void()> pump)
      : mci_(mci), shutDown_(shutDown), pump_(std::move(pump)) {}

  // An empty command resends the channel's command buffer as it stands, without a suffix
  // (the open command is built in the buffer first).
  long SendMainWait(const std::string& command);
  long SendMainNotify(const std::string& command);
  long SendCdWait(const std::string& command);
  long SendCdNotify(const std::string& command);
  long SendTestWait(const std::string& command);
  long SendTestRaw(const std::string& command);

  void CloseMain();
  void CloseCd();
  void CloseTest();

  // Sent as is, no suffix, reply kept (the position tick).
  long SendMainDirect(const std::string& command);

  std::string MainBuffer;
  std::string CdBuffer;
  std::string TestBuffer;
  std::string MainReply;
  std::string CdReply;
  std::string TestReply;

 private:
  long sendOn(std::string& buffer, std::string& reply, const std::string& command, const char* suffix);
  void closeDirect(const char* stopCommand, const char* closeCommand);

  platform::Mci& mci_;
  const bool& shutDown_;
  std::function<void()> pump_;
};

}  // namespace playback

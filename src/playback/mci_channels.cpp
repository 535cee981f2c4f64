#include "playback/mci_channels.h"

namespace playback {

namespace {
// The reply buffer every channel hands MCI.
constexpr std::size_t kReplyChars = 300;
}  // namespace

long MciChannels::sendOn(std::string& buffer, std::string& reply, const std::string& command, const char* suffix) {
  if (shutDown_) return -1;
  if (!command.empty()) buffer = command + suffix;
  platform::MciReply r = mci_.send(buffer);
  reply = r.text.size() > kReplyChars - 1 ? r.text.substr(0, kReplyChars - 1) : r.text;
  return static_cast<long>(r.code);
}

long MciChannels::SendMainWait(const std::string& c) { return sendOn(MainBuffer, MainReply, c, " wait"); }
long MciChannels::SendMainNotify(const std::string& c) { return sendOn(MainBuffer, MainReply, c, " notify"); }

long MciChannels::SendCdWait(const std::string& c) {
  long r = sendOn(CdBuffer, CdReply, c, " wait");
  if (!shutDown_) pump_();
  return r;
}

long MciChannels::SendCdNotify(const std::string& c) {
  long r = sendOn(CdBuffer, CdReply, c, " notify");
  if (!shutDown_) pump_();
  return r;
}

long MciChannels::SendTestWait(const std::string& c) {
  long r = sendOn(TestBuffer, TestReply, c, " wait");
  if (!shutDown_) pump_();
  return r;
}

long MciChannels::SendTestRaw(const std::string& c) {
  long r = sendOn(TestBuffer, TestReply, c, "");
  if (!shutDown_) pump_();
  return r;
}

long MciChannels::SendMainDirect(const std::string& command) {
  if (shutDown_) return -1;
  platform::MciReply r = mci_.send(command);
  MainReply = r.text;
  return static_cast<long>(r.code);
}

void MciChannels::closeDirect(const char* stopCommand, const char* closeCommand) {
  // Closing happens during shutdown too: these go straight to MCI, errors ignored.
  mci_.send(stopCommand);
  mci_.send(closeCommand);
}

void MciChannels::CloseMain() { closeDirect("stop Zumik wait", "Close Zumik wait"); }
void MciChannels::CloseCd() { closeDirect("stop zumikBGMCD wait", "close zumikBGMCD wait"); }
void MciChannels::CloseTest() { closeDirect("stop zumikTESTCD wait", "close zumikTESTCD wait"); }

}  // namespace playback

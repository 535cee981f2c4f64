#include "platform/win32/mci_win32.h"

#include <mmsystem.h>

#include "platform/win32/text.h"

namespace platform::win32 {

MciReply Win32Mci::send(const std::string& command) {
  wchar_t reply[512] = {};
  MciReply result;
  result.code = mciSendStringW(ToWide(command).c_str(), reply, 512, notifyWindow_);
  result.text = FromWide(reply);
  return result;
}

}  // namespace platform::win32

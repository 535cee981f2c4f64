#pragma once
// The notification area as a record of what the shell was told; tests play the shell's
// callbacks through listener.
#include <vector>

#include "platform/notify_area.h"

namespace fakes {

class FakeNotifyArea : public platform::NotifyArea {
 public:
  struct Call {
    platform::NotifyOp op;
    platform::NotifyIconData data;
  };
  std::vector<Call> calls;
  platform::NotifyListener* listener = nullptr;
  int windowsMade = 0;
  int iconsHeld = 0;  // copies not yet released

  std::uintptr_t notifyWindow(std::uint32_t, platform::NotifyListener& l) override {
    if (!listener) ++windowsMade;
    listener = &l;
    return 0x466000;
  }
  bool notify(platform::NotifyOp op, const platform::NotifyIconData& data) override {
    calls.push_back({op, data});
    return true;
  }
  std::uintptr_t copyIcon(std::uintptr_t icon) override {
    if (icon) ++iconsHeld;
    return icon;
  }
  void destroyIcon(std::uintptr_t icon) override {
    if (icon) --iconsHeld;
  }
  std::uintptr_t windowIcon(std::uintptr_t) override { return 0x1C0; }
};

}  // namespace fakes

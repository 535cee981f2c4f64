#pragma once
// The platform services every part of the player reaches the system through.
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/mci.h"
#include "platform/notify_area.h"
#include "platform/registry.h"
#include "platform/shell_namespace.h"
#include "platform/system.h"

namespace core {

struct Services {
  platform::Registry& reg;
  platform::FileSystem& fs;
  platform::Clock& clock;
  platform::Shell& shell;
  platform::Power& power;
  platform::InstanceLink& link;
  platform::ShellNamespace& shellNs;
  platform::Mci& mci;
  platform::Drives& drives;
  platform::NotifyArea& notifyArea;
  platform::ProfileStrings& profile;
};

}  // namespace core

#pragma once
// Every platform service as a fake, on the headless kit and the virtual clock, with the file
// system of the caller's choosing (real or fake). The player harness and the subsystem
// fixtures build on it.
#include "core/services.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_drives.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_mci.h"
#include "fakes/fake_notify_area.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_namespace.h"
#include "fakes/fake_system.h"
#include "ui/headless_loop.h"

namespace fakes {

struct FakePlatform {
  explicit FakePlatform(platform::FileSystem& fs) : services{reg, fs, clock, shell, power, link, shellNs, mci, drives, notifyArea, profile} {
    shell.files = &fs;
  }

  ui::HeadlessLoop loop;
  ui::Application application{loop};
  FakeRegistry reg;
  FakeClock clock;
  FakeShell shell;
  FakePower power;
  FakeInstanceLink link;
  FakeShellNamespace shellNs;
  FakeMci mci{loop};
  FakeDrives drives;
  FakeNotifyArea notifyArea;
  FakeProfileStrings profile;
  core::Services services;
};

// The same on a fake file system of its own.
struct OwnFakeFileSystem {
  FakeFileSystem fs;
};
struct FakeWorld : OwnFakeFileSystem, FakePlatform {
  FakeWorld() : FakePlatform(fs) {}
};

}  // namespace fakes

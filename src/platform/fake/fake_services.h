#pragma once

#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_file_system.h"
#include "platform/fake/fake_locale.h"
#include "platform/fake/fake_settings_store.h"
#include "platform/fake/fake_shell.h"
#include "platform/fake/fake_system_info.h"
#include "platform/services.h"

namespace platform::fake {

// The seven in-memory services, wired together once for every test and benchmark: the shell
// checks programs named by a full path against the fake file system, as the real shell
// checks them against the disk.
struct FakeServices {
  FakeServices() = default;
  FakeServices(const FakeServices&) = delete;
  FakeServices& operator=(const FakeServices&) = delete;

  FakeFileSystem fileSystem;
  FakeSettingsStore settings;
  FakeShell shell{fileSystem};
  FakeSystemInfo system;
  FakeClipboard clipboard;
  FakeClock clock;
  FakeLocale locale;
  Services services{fileSystem, settings, shell, system, clipboard, clock, locale};
};

}  // namespace platform::fake

#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/locale.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/system_info.h"

namespace platform {

// The operating-system services the program uses, owned elsewhere (the App, or a test).
struct Services {
  FileSystem& fileSystem;
  SettingsStore& settings;
  Shell& shell;
  SystemInfo& system;
  Clipboard& clipboard;
  Clock& clock;
  Locale& locale;
};

}  // namespace platform

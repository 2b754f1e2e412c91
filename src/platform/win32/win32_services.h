#pragma once

#include "platform/services.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"

namespace platform::win32 {

// The seven services over the real system, wired together once for the program, the tests
// that run under Wine and the Wine test programs.
struct Win32Services {
  Win32Services() = default;
  Win32Services(const Win32Services&) = delete;
  Win32Services& operator=(const Win32Services&) = delete;

  Win32FileSystem fileSystem;
  Win32SettingsStore settings;
  Win32Shell shell;
  Win32SystemInfo system;
  Win32Clipboard clipboard;
  Win32Clock clock;
  Win32Locale locale;
  Services services{fileSystem, settings, shell, system, clipboard, clock, locale};
};

}  // namespace platform::win32

// The entry point of tornavane.exe: the real operating-system services, the Win32 back end,
// the program object; then the start-up procedure and the message loop until the main window
// closes.
#include "app/app.h"
#include "app/startup.h"
#include "core/app_title.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_settings_store.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_system_info.h"
#include "ui/context.h"
#include "ui/win32/win32_backend.h"

namespace {

ui::AppInfo MakeAppInfo(platform::SystemInfo& system) {
  platform::ProgramVersion version = system.Version();
  return ui::AppInfo{system.ProgramFolder(), std::string(core::kAppTitle), "tornavane", version.major, version.minor,
                     version.revision};
}

}  // namespace

int main() {
  platform::win32::Win32FileSystem fileSystem;
  platform::win32::Win32SettingsStore settings;
  platform::win32::Win32Shell shell;
  platform::win32::Win32SystemInfo system;
  platform::win32::Win32Clipboard clipboard;
  platform::win32::Win32Clock clock;
  platform::win32::Win32Locale locale;
  platform::Services services{fileSystem, settings, shell, system, clipboard, clock, locale};

  ui::win32::Win32Backend backend;
  ui::Context ctx(backend, services, MakeAppInfo(system));
  app::App app(ctx);
  try {
    core::Main(app);
    backend.Run();
  } catch (const ui::ProgramEnd&) {
    // The program ended during start-up (the root-folder check) or from a handler.
  }
  return 0;
}

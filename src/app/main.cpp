// The entry point of tornavane.exe: the real operating-system services, the Win32 back end,
// the program object; then the start-up procedure and the message loop until the main window
// closes.
#include "app/app.h"
#include "app/startup.h"
#include "core/app_title.h"
#include "platform/win32/win32_services.h"
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
  platform::win32::Win32Services os;
  ui::win32::Win32Backend backend;
  ui::Context ctx(backend, os.services, MakeAppInfo(os.system));
  app::App app(ctx);
  try {
    core::Main(app);
    backend.Run();
  } catch (const ui::ProgramEnd&) {
    // The program ended during start-up (the root-folder check) or from a handler.
  }
  return 0;
}

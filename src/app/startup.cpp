#include "app/startup.h"

#include <functional>

#include "app/app.h"
#include "core/app_title.h"
#include "core/store_bindings.h"
#include "core/text_file.h"
#include "core/working_set.h"
#include "mainwindow/frm_main.h"
#include "options/frm_tips.h"

namespace app {

namespace {

// The classic numbers of a window component that cannot be created.
constexpr int kComponentNotRegistered = 339;
constexpr int kCannotCreateObject = 429;

void Report(app::App& app, const runtime::Error& error) {
  std::string text = IsMissingComponent(error) ? MissingComponentMessage() : SystemIssueMessage(error);
  app.Ctx().MsgBox({text, std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kNone});
}

// Runs one start-up step; a failure is reported and start-up goes on.
void StartupStep(app::App& app, const std::function<void()>& step) {
  try {
    step();
  } catch (const runtime::Error& error) {
    Report(app, error);
  }
}

}  // namespace

bool IsMissingComponent(const runtime::Error& error) {
  return error.Number() == kComponentNotRegistered || error.Number() == kCannotCreateObject;
}

std::string MissingComponentMessage() {
  return std::string("Necessary Component Not installed.\r\nPlease run the Installer from\r\n") + kInstallerLocation +
         "\r\n\r\nAborting";
}

std::string SystemIssueMessage(const runtime::Error& error) {
  return "System Issue #" + std::to_string(error.Number()) + "\r\n" + error.Description() +
         "\r\n0\r\n\r\n0\r\n\r\nPlease contact " + std::string(core::kSupportEmail) + ".";
}

void Main(app::App& app) {
  platform::Services& services = app.Services();
  const ui::AppInfo& info = app.Ctx().App();
  StartupStep(app, [&] {
    app.AppVersion =
        std::to_string(info.major) + "." + std::to_string(info.minor) + "." + std::to_string(info.revision);
  });
  StartupStep(app,
              [&] { services.settings.Write(std::string(core::kStoreApp), "Startup", "Version", app.AppVersion); });
  StartupStep(app, [&] { app.frmMain().SetCaption("Tornavane v" + app.AppVersion); });
  // A save or a build ended with the program leaves its temporary file beside its target.
  core::RemoveLeftoverTemps(services.fileSystem, core::DataFolder(services.system.ProgramFolder()));
  StartupStep(app, [&] { app.frmMain().Show(ui::ShowMode::kModeless); });
  StartupStep(app, [&] {
    const std::string& script = app.frmMain().settings.SCROutputPath;
    if (!script.empty()) core::RemoveLeftoverTemp(services.fileSystem, script);
  });
  StartupStep(app, [&] {
    if (app.frmMain().settings.TipsShow == 1) app.frmTips().Show(ui::ShowMode::kModal, nullptr);
  });
  StartupStep(app, [&] {
    services.settings.Write(std::string(core::kStoreApp), "Paths", "Application Path",
                            services.system.ProgramFolder() + "\\");
  });
}

}  // namespace app

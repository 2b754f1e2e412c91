#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/startup.h"
#include "mainwindow/frm_main.h"
#include "options/frm_tips.h"
#include "platform/fake/fake_clock.h"
#include "platform/services.h"
#include "ui/context.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/user.h"

namespace test {

// One run of the program, from its start to its end, over fakes that outlive it: its own
// back end, context, program object and scripted user. Two runs over the same fakes are a
// restart: what the first stored, the second reads.
class ProgramRun {
 public:
  ProgramRun(platform::Services& services, platform::fake::FakeClock& clock)
      : backend(clock), ctx(backend, services, Info(services.system)), app(ctx), user(ctx, backend) {
    backend.onFailure = [](const std::string& what) { ADD_FAILURE() << what; };
  }
  ~ProgramRun() {
    for (const std::string& unused : backend.Unused()) ADD_FAILURE() << unused;
    backend.onFailure = nullptr;
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  // Starts the program as Main does; with the tip of the day on, the user closes it.
  void Start(bool tipShown = true) {
    if (tipShown) backend.OnModal<options::frmTips>([this](options::frmTips& tips) { user.Click(tips.cmdClose); });
    try {
      core::Main(app);
    } catch (const ui::ProgramEnd&) {
    }
  }
  mainwindow::frmMain& Main() { return app.frmMain(); }
  // The close box of the main window.
  void Close() { user.Close(app.frmMain()); }

  ui::headless::HeadlessBackend backend;
  ui::Context ctx;
  app::App app;
  ui::headless::User user;

 private:
  static ui::AppInfo Info(platform::SystemInfo& system) {
    platform::ProgramVersion version = system.Version();
    return ui::AppInfo{system.ProgramFolder(), "Tornavane for AutoCAD", "tornavane",
                       version.major,          version.minor,           version.revision};
  }
};

}  // namespace test

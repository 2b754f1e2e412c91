#pragma once

#include <string>

#include "core/load_steps.h"

namespace app {
class App;
}
namespace mainwindow {
class frmMain;
}

namespace core {

// Reads every stored setting into the main window's fields and pushes each into its control
// (loading the options dialog and the user tag manager hidden on their first push).
void SettingsRun(mainwindow::frmMain& main, app::App& app, LoadSteps& steps, const std::string& programFolder);

}  // namespace core

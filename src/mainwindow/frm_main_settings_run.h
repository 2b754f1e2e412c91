#pragma once

#include <string>

#include "core/load_steps.h"

namespace app {
class App;
}
namespace mainwindow {

class frmMain;

// Reads every stored setting into the settings fields and pushes each into its control
// (loading the options dialog and the user tag manager hidden on their first push).
void SettingsRun(frmMain& main, app::App& app, core::LoadSteps& steps, const std::string& programFolder);

}  // namespace mainwindow

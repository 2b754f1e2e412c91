#pragma once

#include <string>

#include "runtime/error.h"

namespace app {
class App;
}

namespace core {

// Where the missing-component message sends the user, and the address of the unexpected
// start-up error message.
inline constexpr const char* kInstallerLocation = "https://tornavane.example/download";

// The program's start: records the version, loads the main window (its load reads every
// setting and restores the last working set), shows it, shows the tip of the day when it is
// on, and records the program folder. A failing step is reported and start-up goes on with
// the next one. When the load ends the program (the root-folder check) this ends by
// ui::ProgramEnd.
void Main(app::App& app);

// The texts of the two start-up failure messages.
std::string MissingComponentMessage();
std::string SystemIssueMessage(const runtime::Error& error);
// Whether an error means a part of the window system the main window needs is missing.
bool IsMissingComponent(const runtime::Error& error);

}  // namespace core

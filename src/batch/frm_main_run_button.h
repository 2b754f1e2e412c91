#pragma once

#include <string>
#include <string_view>

namespace app {
class App;
}
namespace ui {
class Context;
}

// "Create && &RUN Batch Script": the build, then AutoCAD started on the batch script.
namespace batch {

// "Setup Issue": the AutoCAD program is not set or not found; the caller then offers the
// options dialog.
void ShowSetupIssue(ui::Context& ctx);

// The command line that starts AutoCAD on a batch script: the program in quotes, the
// switches as typed when there are any, " /b " and the script in quotes.
std::string AutoCADCommandLine(std::string_view program, std::string_view switches, std::string_view script);

// Where the check that AutoCAD is installed looks: the program's folder and its base name
// with ".EXE", both in upper case (whatever extension the program path has).
struct ProgramToFind {
  std::string folder;
  std::string name;
};
ProgramToFind AutoCADProgramToFind(std::string_view program);
// True when the file the check looks for is there.
bool ProgramPresent(app::App& app, const ProgramToFind& program);

// One press of the run button. The caller holds the busy guard.
void PressRunButton(app::App& app);

}  // namespace batch

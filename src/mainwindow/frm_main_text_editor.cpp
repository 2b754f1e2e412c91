// Opening files in the external text editor the options name.
#include "app/app.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"

namespace mainwindow {

namespace {

constexpr int kShowNormal = 1;

}  // namespace

void frmMain::mnuViewBatchScript_Click() {
  ViewBatchScript();
}

void frmMain::ViewBatchScript() {
  OpenInTextEditor(settings.SCROutputPath);
}

// The command is the editor as the options hold it (it may carry switches), a blank and the
// path, quoted when it holds a blank. Without an editor the user is sent to the options, which
// open beside the main window.
void frmMain::OpenInTextEditor(const std::string& path) {
  if (settings.TextEditor.empty()) {
    Ctx().MsgBox({"Please select menu 'Tools -> Options' and setup a text editor", "Tornavane"});
    app_.frmOptions().Show();
    return;
  }
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                      settings.TextEditor + " " + core::QuoteProgramPath(path), kShowNormal);
}

}  // namespace mainwindow

#pragma once

#include <string>
#include <string_view>

#include "ui/ui.h"

namespace app {
class App;
}

namespace wizards {

// The command line that starts AutoCAD on the shipped reset script: the program path as set,
// " /b " and the script, each in double quotes. The options' switches are not added.
std::string ResetCommandLine(std::string_view program, std::string_view programFolder);
// The command line that opens the reset script in Notepad, whatever editor the options name;
// the path is quoted when it holds a blank.
std::string ResetEditCommandLine(std::string_view programFolder);

// Starts AutoCAD on the reset script ("reset.scr" in DATA), which puts AutoCAD's system
// variables back and ends AutoCAD; or opens that script in Notepad. Writes nothing into the
// user script.
class frmResetAcadSysVars : public ui::Form {
 public:
  explicit frmResetAcadSysVars(app::App& app);

  ui::Label Label1{this, "Label1"};
  ui::CommandButton cmdReset{this, "cmdReset"};
  ui::CommandButton cmdEdit{this, "cmdEdit"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void cmdReset_Click();
  void cmdEdit_Click();
  void cmdCancel_Click();

 private:
  // "Setup Issue", then the options dialog, modal over this window, to set the program.
  void ReportSetupIssue();

  app::App& app_;
};

}  // namespace wizards

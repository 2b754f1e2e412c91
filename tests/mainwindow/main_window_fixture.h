#pragma once

#include <string>

#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"

namespace test {

// The program with its main window shown, over a program folder that holds the script
// folders the window lists.
class MainWindowFixture : public ProgramFixture {
 protected:
  MainWindowFixture() {
    fileSystem.AddFolder(Program("SCRIPTS"));
    fileSystem.AddFolder(Program("SCRIPTS-SIMPLE"));
  }

  static std::string Program(const std::string& rest) { return std::string(kProgramFolder) + "\\" + rest; }

  mainwindow::frmMain& Main() {
    mainwindow::frmMain& main = app.frmMain();
    if (!main.Visible()) main.Show();
    return main;
  }
};

}  // namespace test

#pragma once

#include <optional>
#include <string>

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "support/program_fixture.h"

namespace test {

// The program with its main window loaded, and short ways to the options dialog and the
// stored settings.
class OptionsFixture : public ProgramFixture {
 protected:
  static constexpr const char* kSettingsApp = "TornavanePowerTool";

  // The program folder as installed: its user scripts folder ships with it.
  OptionsFixture() { fileSystem.AddFolder(std::string(kProgramFolder) + "\\SCRIPTS"); }

  mainwindow::frmMain& Main() { return app.frmMain(); }
  options::frmOptions& Dialog() { return app.frmOptions(); }

  // What the close box does: the dialog is dropped and the next touch loads it again.
  void CloseDialog() {
    Main();
    Dialog().Close();
    ctx.CollectRetired();
  }
  // A fresh dialog, loaded from the main window's fields as they are now.
  options::frmOptions& ReloadedDialog() {
    CloseDialog();
    return Dialog();
  }

  std::optional<std::string> Stored(const std::string& section, const std::string& key) {
    return settings.Read(kSettingsApp, section, key);
  }

  // Opens the dialog modally from the "&Options" menu and runs the user's script in it.
  void OpenFromMenu(std::function<void(options::frmOptions&)> script) {
    OnModal<options::frmOptions>(std::move(script));
    Main().Show();
    user.ChooseMenu(Main().mnuViewOptions);
  }
};

}  // namespace test

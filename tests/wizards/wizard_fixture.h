#pragma once

#include <functional>
#include <string>

#include "mainwindow/main_window_fixture.h"
#include "ui/menu_item.h"

namespace test {

// The program with its main window shown, and the ways a user opens and finishes a wizard.
class WizardFixture : public MainWindowFixture {
 protected:
  static constexpr const char* kDoneText =
      "The Wizard has created the user-script.\r\n\r\nYou can now use this script to create a BATCH script.\r\n"
      "1)  Add your drawings to the queue and press CREATE.";
  static constexpr const char* kWarningText =
      "Continuing will overwrite any currently displayed script\r\nin the Tornavane user-script editor....\r\n\r\n"
      "Continue?\r\n";

  // Chooses the menu entry and runs the user's script in the window it opens modally.
  template <class T>
  void Open(ui::MenuItem& entry, std::function<void(T&)> script) {
    Main();
    OnModal<T>(std::move(script));
    user.ChooseMenu(entry);
  }
  void ExpectDone() { ExpectMessage("Done", kDoneText).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kExclamation); }
  void ExpectWarning(ui::MsgAnswer answer) {
    ExpectMessage("Warning", kWarningText)
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .DefaultButton(1)
        .Answer(answer);
  }
  std::string UserScript() { return Main().Text1.Text(); }
};

}  // namespace test

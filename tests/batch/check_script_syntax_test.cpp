#include <gtest/gtest.h>

#include <cstdint>

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"

namespace {

class CheckScriptSyntaxTest : public test::ProgramFixture {
 protected:
  mainwindow::frmMain& Main() { return app.frmMain(); }

  void SetWarnings(std::int16_t value) {
    Main().settings.WarnSpaceInBlank = value;
    Main().settings.WarnLineEndsWithSpace = value;
    Main().settings.WarnDoubleSpace = value;
    Main().settings.WarnBlankLine = value;
    Main().settings.WarnLTLisp = value;
  }
  void CleanBoxes() {
    Main().tbPreBatch.SetText("_SDI 1");
    Main().tbPreUserScript.SetText("ZOOM E");
    Main().tbPostUserScript.SetText("");
    Main().tbPostBatch.SetText("_SDI 0");
  }
};

TEST_F(CheckScriptSyntaxTest, WarnsAboutTheScriptAndTheBoxesOfTheMainWindow) {
  SetWarnings(1);
  Main().settings.LT = 0;
  CleanBoxes();
  Main().Text1.SetText("ZOOM  E");
  Main().tbPostBatch.SetText("_SDI 0\r\n");
  ExpectMessage("(Only a Warning - Script will still be created)",
                "\r\nOne of the lines of your script contains a DOUBLE SPACE.\r\nIf this is intentional, no problem...")
      .Icon(ui::MsgIcon::kExclamation)
      .Buttons(ui::MsgButtons::kOk);
  ExpectMessage("(Only a Warning - Script will still be created)",
                "\r\nYour POSTBATCH command (on the SETTINGS TAB) seems to end with a SPACE or a CARRIAGE RETURN.\r\n"
                "Please correct this and recreate your Batch Script.");
  ExpectMessage("Tornavane",
                "\r\nYou can disable 'Script Syntax Warnings' in the 'Tools -> Options' menu,\r\n"
                "(found under the 'Prefs' Tab).");

  AsEvent([this] { Main().mnuCheckScriptSyntax_Click(); });
}

TEST_F(CheckScriptSyntaxTest, ReadsTheLtSwitchOfTheSettings) {
  SetWarnings(1);
  CleanBoxes();
  Main().Text1.SetText("(command \"ZOOM\" \"E\")");
  Main().settings.LT = 1;
  ExpectMessage("(Only a Warning - Script will still be created)",
                "\r\nOne of the lines of your script may contain LISP commands,\r\nyet you have the LT option "
                "enabled.\r\n\r\n(AutoCAD LT doesn't support lisp).\r\n\r\nIf this is intentional, no problem...");
  ExpectMessage("Tornavane",
                "\r\nYou can disable 'Script Syntax Warnings' in the 'Tools -> Options' menu,\r\n"
                "(found under the 'Prefs' Tab).");

  AsEvent([this] { Main().CheckScriptSyntax(); });
}

TEST_F(CheckScriptSyntaxTest, ShowsNothingWhenEverySwitchIsOffAndTheBoxesAreClean) {
  SetWarnings(0);
  CleanBoxes();
  Main().Text1.SetText("ZOOM  E\r\n\r\n \r\n(x)");
  Main().settings.LT = 1;

  AsEvent([this] { Main().mnuCheckScriptSyntax_Click(); });

  EXPECT_TRUE(backend.Messages().empty());
}

}  // namespace

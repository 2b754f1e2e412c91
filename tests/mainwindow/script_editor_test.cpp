#include <gtest/gtest.h>

#include <string>

#include "core/store_bindings.h"
#include "mainwindow/frm_code_selector.h"
#include "mainwindow/frm_scr_edit.h"
#include "mainwindow/main_window_fixture.h"
#include "tags/frm_var_setup.h"

namespace {

using mainwindow::frmCodeSelector;
using mainwindow::frmSCREdit;

class ScriptEditor : public test::MainWindowFixture {
 protected:
  std::string Stored(const char* key) {
    return settings.Read(std::string(core::kStoreApp), "Startup", key).value_or("<none>");
  }
  void Store(const char* key, const char* value) {
    settings.Write(std::string(core::kStoreApp), "Startup", key, value);
  }
  // Opens the editor over the main window's script and runs the script inside it.
  void Edit(const std::function<void(frmSCREdit&)>& script) {
    OnModal<frmSCREdit>(script);
    user.Click(Main().cmdSCREditOpen);
  }
};

TEST_F(ScriptEditor, FirstOpeningPlacesItAtTheDefaultsAndFillsTheLists) {
  Main().Text1.SetText("ZOOM E");
  Edit([&](frmSCREdit& f) {
    EXPECT_EQ(f.Bounds(), (ui::Rect{200, 200, 11250, 8835}));
    EXPECT_EQ(f.txtSCREdit.Text(), "ZOOM E");
    EXPECT_EQ(f.Caption(), " Script Editor");
    EXPECT_EQ(f.BorderStyle(), ui::BorderStyle::kSizable);
    EXPECT_FALSE(f.HasMinimizeBox());
    EXPECT_FALSE(f.HasMaximizeBox());
    EXPECT_EQ(f.cmbDynamicTags.ListCount(), 33);
    EXPECT_EQ(f.cmbDynamicTags.List(32), "$COMPUTER$");
    EXPECT_EQ(f.Combo1.ListCount(), 50);
    EXPECT_EQ(f.Combo1.List(49), "$TAG50$");
    EXPECT_EQ(f.cmbProjectTags.ListCount(), 40);
    EXPECT_EQ(f.cmbProjectTags.List(39), "$PROJECTTAG40$");
    EXPECT_EQ(f.cmbMeta.ListCount(), 18);
    EXPECT_EQ(f.cmbMeta.List(6), ";SAVEAS.PREFIX=\"\"");
    EXPECT_EQ(f.DefaultButton(), nullptr);
    EXPECT_EQ(f.CancelButton(), nullptr);
    EXPECT_TRUE(f.txtSCREdit.HasFocus());
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, StoredGeometryThatCannotBeUsedFallsBackToTheDefaults) {
  const ui::Rect screen{0, 0, 28800, 15600};
  struct Case {
    const char* left;
    const char* top;
    const char* width;
    const char* height;
    mainwindow::EditorBounds bounds;
  };
  const Case cases[] = {
      {"300", "400", "12000", "9000", {300, 400, 12000, 9000}},
      {" 300.4 ", "400", "12000", "9000", {300, 400, 12000, 9000}},
      {"abc", "400", "12000", "9000", {}},
      {"300", "400", "12000", "", {}},
      {"40000", "400", "12000", "9000", {}},
      {"-13000", "-10000", "12000", "9000", {}},
      {"-11000", "-8000", "12000", "9000", {-11000, -8000, 12000, 9000}},
  };
  for (const Case& c : cases) {
    const mainwindow::EditorBounds b = mainwindow::StoredEditorBounds(c.left, c.top, c.width, c.height, screen);
    EXPECT_EQ((ui::Rect{b.left, b.top, b.width, b.height}),
              (ui::Rect{c.bounds.left, c.bounds.top, c.bounds.width, c.bounds.height}))
        << c.left << "," << c.top << "," << c.width << "," << c.height;
  }

  Store("SCREditLeft", "abc");
  Edit([&](frmSCREdit& f) {
    EXPECT_EQ(f.Bounds(), (ui::Rect{200, 200, 11250, 8835}));
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, ResizeKeepsTheMinimumAndMovesTheControls) {
  Edit([&](frmSCREdit& f) {
    user.Resize(f, 10000, 9000);
    EXPECT_EQ(f.Width(), 11250);
    EXPECT_EQ(f.txtSCREdit.Width(), 10950);
    EXPECT_EQ(f.cmdSCROk.Left(), 11250 - 1830);
    EXPECT_EQ(f.cmdSCRCancel.Left(), 11250 - 3020);

    user.Resize(f, 12000, 6500);
    EXPECT_EQ(f.Height(), 6620);
    EXPECT_EQ(f.txtSCREdit.Height(), 6620 - 2900);
    EXPECT_EQ(f.frameSnR.Top(), 6620 - 2700);
    EXPECT_EQ(f.cmdSCROk.Top(), 6620 - 1000);
    EXPECT_EQ(f.txtSCREdit.Width(), 11700);

    user.Resize(f, 12000, 6600);
    EXPECT_EQ(f.Height(), 6600);
    EXPECT_EQ(f.Frame1.Top(), 3900);
    EXPECT_EQ(f.cmdSCRCancel.Top(), 5600);

    // A dialog the editor opens deactivates it, which stores the geometry its return restores.
    OnModal<tags::frmVARSetup>([&](tags::frmVARSetup& setup) {
      EXPECT_EQ(Stored("SCREditWidth"), "12000");
      EXPECT_EQ(Stored("SCREditHeight"), "6600");
      EXPECT_EQ(Stored("SCREditLeft"), "200");
      setup.Hide();
    });
    user.Click(f.cmdSETUPVARS);
    EXPECT_EQ(f.Bounds(), (ui::Rect{200, 200, 12000, 6600}));
    user.Click(f.cmdSCRCancel);
  });
  // The next opening comes back at the size left.
  Edit([&](frmSCREdit& f) {
    EXPECT_EQ(f.Width(), 12000);
    EXPECT_EQ(f.Height(), 6600);
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, OpenerPositionGivesWayToTheActivation) {
  Store("SCREditLeft", "500");
  Store("SCREditTop", "600");
  Edit([&](frmSCREdit& f) {
    EXPECT_EQ(f.Left(), 500);
    EXPECT_EQ(f.Top(), 600);
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, InsertListsReplaceTheSelectionWithoutAnUndoStep) {
  Main().Text1.SetText("ZOOM E\r\nQSAVE");
  Edit([&](frmSCREdit& f) {
    user.Select(f.txtSCREdit, 0, 6);
    user.ClickItem(f.cmbMeta, 5);
    EXPECT_EQ(f.txtSCREdit.Text(), ";SAVEAS=TRUE\r\n\r\nQSAVE");
    EXPECT_EQ(f.txtSCREdit.SelStart(), 14);
    EXPECT_FALSE(f.txtSCREdit.CanUndo());
    EXPECT_TRUE(f.txtSCREdit.HasFocus());

    user.Select(f.txtSCREdit, 17, 0);
    user.ClickItem(f.cmbDynamicTags, 13);
    EXPECT_EQ(f.txtSCREdit.Text(), ";SAVEAS=TRUE\r\n\r\nQ$FILENAME$SAVE");
    user.ClickItem(f.Combo1, 1);
    user.ClickItem(f.cmbProjectTags, 0);
    EXPECT_EQ(f.txtSCREdit.Text(), ";SAVEAS=TRUE\r\n\r\nQ$FILENAME$$TAG2$$PROJECTTAG1$SAVE");
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, ArrowStepsInsertNothingUntilEnterCommits) {
  Edit([&](frmSCREdit& f) {
    // An arrow key reaches the list, which then moves its choice, as a real one does.
    user.PressKey(f.cmbMeta, ui::kKeyDown);
    f.cmbMeta.SetListIndex(0);
    user.PressKey(f.cmbMeta, ui::kKeyDown);
    f.cmbMeta.SetListIndex(1);
    EXPECT_EQ(f.txtSCREdit.Text(), "");
    user.PressKey(f.cmbMeta, ui::kKeyReturn);
    EXPECT_EQ(f.txtSCREdit.Text(), ";TESTRUN=TRUE\r\n");
    // Typing into the list's edit field inserts nothing.
    user.Fill(f.cmbDynamicTags, "$DATE$");
    EXPECT_EQ(f.txtSCREdit.Text(), ";TESTRUN=TRUE\r\n");
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, OkHandsTheTextBackAndCancelKeepsText1) {
  mainwindow::frmMain& main = Main();
  main.Text1.SetText("ZOOM E");
  Edit([&](frmSCREdit& f) {
    user.Type(f.txtSCREdit, "\r\nQSAVE");
    user.Click(f.cmdSCRCancel);
  });
  EXPECT_EQ(main.Text1.Text(), "ZOOM E");
  Edit([&](frmSCREdit& f) {
    EXPECT_EQ(f.txtSCREdit.Text(), "ZOOM E");
    user.Type(f.txtSCREdit, "LINE ");
    user.Click(f.cmdSCROk);
  });
  EXPECT_EQ(main.Text1.Text(), "LINE ZOOM E");
  EXPECT_EQ(main.settings.SCRChanged, core::kTrue);
  EXPECT_FALSE(app.frmSCREdit().Visible());
}

TEST_F(ScriptEditor, SearchAndReplaceOverTheWholeText) {
  Main().Text1.SetText("Zoom zoom ZOOM");
  Edit([&](frmSCREdit& f) {
    user.Fill(f.tbSearch, "zoom");
    user.Fill(f.tbReplace, "ZOOM");
    user.Click(f.chkCase);
    user.Click(f.cmdSearchAndReplace);
    EXPECT_EQ(f.txtSCREdit.Text(), "Zoom ZOOM ZOOM");
    user.Click(f.chkCase);
    user.Click(f.cmdSearchAndReplace);
    EXPECT_EQ(f.txtSCREdit.Text(), "ZOOM ZOOM ZOOM");
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(ScriptEditor, LoadLispFollowsLtOnEveryActivation) {
  mainwindow::frmMain& main = Main();
  main.settings.LT = 1;
  Edit([&](frmSCREdit& f) {
    EXPECT_FALSE(f.cmdLoadLisp.Enabled());
    EXPECT_TRUE(f.cmdLoadVBA.Enabled());
    main.settings.LT = 0;
    OnModal<tags::frmVARSetup>([&](tags::frmVARSetup& setup) { setup.Hide(); });
    user.Click(f.cmdSETUPVARS);
    EXPECT_TRUE(f.cmdLoadLisp.Enabled());
    EXPECT_TRUE(f.txtSCREdit.HasFocus());
    user.Click(f.cmdSCRCancel);
  });
}

class CodePickers : public ScriptEditor {
 protected:
  CodePickers() {
    fileSystem.AddFile("C:\\Tools\\Lisp\\mylib.lsp", "");
    fileSystem.AddFile("C:\\Tools\\Lisp\\other.LSP", "");
    fileSystem.AddFile("C:\\Macros\\tools.dvb", "");
  }
  void Pick(frmCodeSelector& picker, const char* folder, const char* file) {
    picker.Dir1.SetPath(folder);
    EXPECT_FALSE(picker.cmdOK.Enabled());
    for (int i = 0; i < picker.File1.ListCount(); ++i) {
      if (picker.File1.List(i) == file) user.ClickItem(picker.File1, i);
    }
    EXPECT_TRUE(picker.cmdOK.Enabled());
    user.Click(picker.cmdOK);
  }
};

TEST_F(CodePickers, LispAndVbaLinesGoAtTheEnd) {
  Main().Text1.SetText("ZOOM");
  Edit([&](frmSCREdit& f) {
    OnModal<frmCodeSelector>([&](frmCodeSelector& p) {
      EXPECT_EQ(p.Caption(), " Select .LSP File");
      EXPECT_EQ(p.File1.Pattern(), "*.lsp");
      Pick(p, "C:\\Tools\\Lisp", "mylib.lsp");
    });
    user.Click(f.cmdLoadLisp);
    EXPECT_EQ(f.txtSCREdit.Text(), "ZOOM(LOAD \"C:/TOOLS/LISP/MYLIB.LSP\")\r\n");
    EXPECT_TRUE(f.txtSCREdit.HasFocus());

    OnModal<frmCodeSelector>([&](frmCodeSelector& p) {
      EXPECT_EQ(p.Caption(), "Select VBA Routine");
      Pick(p, "C:\\Macros", "tools.dvb");
    });
    user.Click(f.cmdLoadVBA);
    EXPECT_EQ(f.txtSCREdit.Text(),
              "ZOOM(LOAD \"C:/TOOLS/LISP/MYLIB.LSP\")\r\n"
              ";REPLACE \"YOURMODULE.YOURMACRO\" WITH THE APPROPRIATE SUBROUTINE CALL\r\n"
              "(COMMAND \"-VBARUN\" \"C:\\\\MACROS\\\\TOOLS.DVB!YOURMODULE.YOURMACRO\")\r\n");

    // A second opening shows the folder and file chosen before, "&Ok" still enabled.
    OnModal<frmCodeSelector>([&](frmCodeSelector& p) {
      EXPECT_EQ(p.Dir1.Path(), "C:\\Tools\\Lisp");
      EXPECT_EQ(p.File1.FileName(), "mylib.lsp");
      EXPECT_TRUE(p.cmdOK.Enabled());
      user.Click(p.cmdCancel);
    });
    user.Click(f.cmdLoadLisp);
    user.Click(f.cmdSCRCancel);
  });
}

TEST_F(CodePickers, ADriveThatDoesNotAnswerGoesBackToThePreviousDrive) {
  fileSystem.AddDrive("E:", "", false);
  frmCodeSelector& picker = app.frmLispSelector();
  picker.Show();
  picker.Dir1.SetPath("C:\\Tools\\Lisp");
  ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
  user.ChooseDrive(picker.Drive1, "e:");
  EXPECT_EQ(picker.Drive1.Drive().substr(0, 2), "c:");
  EXPECT_EQ(picker.Dir1.Path(), "C:\\Tools\\Lisp");
  EXPECT_EQ(picker.File1.ListCount(), 2);
}

}  // namespace

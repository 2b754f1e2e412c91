#include <gtest/gtest.h>

#include <string>

#include "mainwindow/frm_capture.h"
#include "mainwindow/frm_scr_browser.h"
#include "mainwindow/frm_settings.h"
#include "mainwindow/main_window_fixture.h"
#include "runtime/error.h"

namespace {

using mainwindow::frmcapture;
using mainwindow::frmScrBrowser;
using mainwindow::frmSettings;

class BatchFlowDialog : public test::MainWindowFixture {};

TEST_F(BatchFlowDialog, OkCopiesTheFourTextsBackAndCancelKeepsThem) {
  mainwindow::frmMain& main = Main();
  main.tbPreBatch.SetText("_SDI 1");
  main.tbPreUserScript.SetText("ZOOM E\r\nREGEN\r\nLAYER");
  main.tbPostUserScript.SetText("");
  main.tbPostBatch.SetText("_SDI 0");
  user.ChooseTab(main.SSTab1, 1);
  OnModal<frmSettings>([&](frmSettings& f) {
    EXPECT_EQ(f.tbPreUserScript.Text(), "ZOOM E\r\nREGEN\r\nLAYER");
    user.Fill(f.tbPreBatch, "X");
    user.Fill(f.tbPostBatch, "Y");
    user.Click(f.cmdCancel);
  });
  user.Click(main.cmdSettingsEditor);
  EXPECT_EQ(main.tbPreBatch.Text(), "_SDI 1");
  EXPECT_EQ(main.tbPostBatch.Text(), "_SDI 0");

  OnModal<frmSettings>([&](frmSettings& f) {
    EXPECT_EQ(f.tbPreBatch.Text(), "_SDI 1");
    user.Fill(f.tbPostUserScript, "QSAVE\r\nCLOSE\r\nY");
    // Switching to another program and back keeps the edits.
    f.Deactivated();
    f.Activated();
    EXPECT_EQ(f.tbPostUserScript.Text(), "QSAVE\r\nCLOSE\r\nY");
    user.Click(f.cmdOK);
  });
  user.Click(main.cmdSettingsEditor);
  EXPECT_EQ(main.tbPreBatch.Text(), "_SDI 1");
  EXPECT_EQ(main.tbPreUserScript.Text(), "ZOOM E\r\nREGEN\r\nLAYER");
  EXPECT_EQ(main.tbPostUserScript.Text(), "QSAVE\r\nCLOSE\r\nY");
  EXPECT_EQ(main.tbPostBatch.Text(), "_SDI 0");
}

class CommandCaptureWindow : public test::MainWindowFixture {
 protected:
  void Capture(const std::function<void(frmcapture&)>& script) {
    OnModal<frmcapture>(script);
    user.ChooseMenu(Main().mnuCommandCapture);
  }
};

TEST_F(CommandCaptureWindow, PasteCaptureAndHandOverWithoutAsking) {
  mainwindow::frmMain& main = Main();
  main.Text1.SetText("OLD");
  main.Text2.SetText("old");
  clipboard.text = "Command: LINE\r\n\r\n\r\nSpecify first point: 0,0";
  const std::string captured =
      ";BEGIN SCRIPT\r\n;Command: LINE\r\nLINE\r\n;Specify first point: 0,0\r\n0,0\r\n;END SCRIPT";
  Capture([&](frmcapture& f) {
    EXPECT_EQ(f.Caption(), "Tornavane Command Capture");
    EXPECT_FALSE(f.cmdParseScr.Enabled());
    EXPECT_FALSE(f.cmdCopyToTornavane.Enabled());
    user.Click(f.cmdPastefromClip);
    EXPECT_EQ(f.Text1.Text(), "Command: LINE\r\n\r\nSpecify first point: 0,0");
    user.Click(f.cmdParseScr);
    EXPECT_EQ(f.Text2.Text(), captured);
    user.Click(f.cmdParseScr);
    EXPECT_EQ(f.Text2.Text(), captured);
    EXPECT_EQ(fileSystem.Contents(Program("temp.tmp")), "Command: LINE\r\n\r\nSpecify first point: 0,0\r\n");
    user.Click(f.cmdCopyToTornavane);
  });
  EXPECT_EQ(main.Text1.Text(), captured);
  EXPECT_EQ(main.Text2.Text(), "");
  // The next opening starts with an empty output and both actions disabled, input kept.
  Capture([&](frmcapture& f) {
    EXPECT_EQ(f.Text1.Text(), "Command: LINE\r\n\r\nSpecify first point: 0,0");
    EXPECT_EQ(f.Text2.Text(), "");
    EXPECT_FALSE(f.cmdParseScr.Enabled());
    EXPECT_FALSE(f.cmdCopyToTornavane.Enabled());
    user.Close(f);
  });
}

TEST_F(CommandCaptureWindow, ReadOnlyProgramFolderStillCapturesAndClearRestoresTheHelp) {
  fileSystem.FailOn(Program("temp.tmp"), runtime::kPermissionDenied);
  Capture([&](frmcapture& f) {
    const std::string help = f.Text1.Text();
    EXPECT_NE(help.find("F2"), std::string::npos);
    user.Fill(f.Text1, "Command: QSAVE");
    clipboard.text = "";
    user.Click(f.cmdPastefromClip);
    EXPECT_EQ(f.Text1.Text(), "");
    EXPECT_TRUE(f.cmdParseScr.Enabled());
    user.Fill(f.Text1, "Command: QSAVE");
    user.Click(f.cmdParseScr);
    EXPECT_EQ(f.Text2.Text(), ";BEGIN SCRIPT\r\n;Command: QSAVE\r\nQSAVE\r\n;END SCRIPT");
    user.Click(f.cmdClear);
    EXPECT_EQ(f.Text1.Text(), help);
    EXPECT_EQ(f.Text2.Text(), "");
    EXPECT_FALSE(f.cmdParseScr.Enabled());
    EXPECT_FALSE(f.cmdCopyToTornavane.Enabled());
    user.Close(f);
  });
}

class ScriptBrowser : public test::MainWindowFixture {
 protected:
  ScriptBrowser() {
    fileSystem.AddFile("C:\\Scripts\\PURGE.scr", "PURGE A\r\n");
    fileSystem.AddFile("C:\\Scripts\\Sub\\plot.SCR", "PLOT");
    fileSystem.AddFile("C:\\Scripts\\Sub\\notes.txt", "x");
  }
  void Browse(const std::function<void(frmScrBrowser&)>& script) {
    OnModal<frmScrBrowser>(script);
    user.ChooseMenu(Main().mnuScriptBrowser);
  }
  static int IndexOf(const ui::ListControl& list, const std::string& text) {
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == text) return i;
    }
    return -1;
  }
};

TEST_F(ScriptBrowser, TwoScansListEveryFileTwice) {
  Browse([&](frmScrBrowser& f) {
    f.DirScrBrowse.SetPath("C:\\Scripts");
    for (int scan = 0; scan < 2; ++scan) {
      ExpectMessage("Scan Complete", "2 Files Added to Queue.");
      user.Click(f.cmdGetSubScripts);
    }
    ASSERT_EQ(f.lstSCRPath.ListCount(), 4);
    EXPECT_EQ(f.lstSCRPath.List(2), f.lstSCRPath.List(0));
    EXPECT_GE(IndexOf(f.lstSCRPath, "C:\\Scripts\\Sub\\plot.SCR"), 0);
    user.Close(f);
  });
}

TEST_F(ScriptBrowser, PreviewFromTheScanListNamesTheScriptAfterThatFile) {
  mainwindow::frmMain& main = Main();
  Browse([&](frmScrBrowser& f) {
    EXPECT_EQ(f.tbScriptBrowse.Text(), "");
    EXPECT_FALSE(f.cmdCopyToTornavane.Enabled());
    f.DirScrBrowse.SetPath("C:\\Scripts");
    ExpectMessage("Scan Complete", "2 Files Added to Queue.");
    user.Click(f.cmdGetSubScripts);
    user.ClickItem(f.lstSCRPath, IndexOf(f.lstSCRPath, "C:\\Scripts\\PURGE.scr"));
    EXPECT_EQ(f.tbScriptBrowse.Text(), "PURGE A");
    user.Click(f.cmdCopyToTornavane);
  });
  EXPECT_EQ(main.Text1.Text(), "PURGE A");
  EXPECT_EQ(main.Text2.Text(), "PURGE");

  // A file without a final line end keeps its whole text; the file list names it too.
  Browse([&](frmScrBrowser& f) {
    f.DirScrBrowse.SetPath("C:\\Scripts\\Sub");
    user.ClickItem(f.FSelScrBrowse, IndexOf(f.FSelScrBrowse, "plot.SCR"));
    EXPECT_EQ(f.tbScriptBrowse.Text(), "PLOT");
    ExpectMessage("Overwrite?", "Are you sure you want to overwrite the existing script in Tornavane?")
        .Answer(ui::MsgAnswer::kYes);
    user.Click(f.cmdCopyToTornavane);
  });
  EXPECT_EQ(main.Text1.Text(), "PLOT");
  EXPECT_EQ(main.Text2.Text(), "plot");
}

TEST_F(ScriptBrowser, NoKeepsScriptNameAndWindow) {
  mainwindow::frmMain& main = Main();
  main.Text1.SetText("ZOOM E");
  main.Text2.SetText("zoom");
  Browse([&](frmScrBrowser& f) {
    f.DirScrBrowse.SetPath("C:\\Scripts");
    user.ClickItem(f.FSelScrBrowse, IndexOf(f.FSelScrBrowse, "PURGE.scr"));
    ExpectMessage("Overwrite?", "Are you sure you want to overwrite the existing script in Tornavane?")
        .Answer(ui::MsgAnswer::kNo);
    user.Click(f.cmdCopyToTornavane);
    EXPECT_TRUE(f.Visible());
    // A file that cannot be read leaves the preview as it was.
    fileSystem.FailOn("C:\\Scripts\\PURGE.scr", runtime::kPermissionDenied);
    user.ClickItem(f.FSelScrBrowse, IndexOf(f.FSelScrBrowse, "PURGE.scr"));
    EXPECT_EQ(f.tbScriptBrowse.Text(), "PURGE A");
    user.Close(f);
  });
  EXPECT_EQ(main.Text1.Text(), "ZOOM E");
  EXPECT_EQ(main.Text2.Text(), "zoom");
}

TEST_F(ScriptBrowser, CloseBoxDuringAScanStopsItAndClosesAfterwards) {
  Browse([&](frmScrBrowser& f) {
    f.DirScrBrowse.SetPath("C:\\Scripts");
    AtPump(3, [&] {
      EXPECT_TRUE(f.Scanning());
      EXPECT_FALSE(f.cmdGetSubScripts.Enabled());
      EXPECT_FALSE(f.cmdCopyToTornavane.Enabled());
      user.Close(f);
      EXPECT_TRUE(f.Visible());
    });
    user.Click(f.cmdGetSubScripts);
  });
  // The next opening is a fresh window.
  Browse([&](frmScrBrowser& f) {
    EXPECT_EQ(f.lstSCRPath.ListCount(), 0);
    user.Close(f);
  });
}

TEST_F(ScriptBrowser, BrowseButtonStartsAtTheDrawingFolder) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Scripts\\Sub");
  OnModal<frmScrBrowser>([&](frmScrBrowser& f) {
    EXPECT_EQ(f.DirScrBrowse.Path(), "C:\\Scripts\\Sub");
    EXPECT_EQ(f.FSelScrBrowse.ListCount(), 1);
    user.Close(f);
  });
  user.Click(main.cmdBrowse);
}

}  // namespace

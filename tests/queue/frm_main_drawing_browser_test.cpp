#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filetools/frm_wdp_prompt.h"
#include "mainwindow/main_window_fixture.h"
#include "queue/frm_dwg_preview.h"
#include "runtime/text.h"

namespace {

class DrawingBrowser : public test::MainWindowFixture {
 protected:
  DrawingBrowser() {
    fileSystem.AddFolder("C:\\Jobs");
    fileSystem.AddFile("C:\\Jobs\\A-101.dwg", "AC1018");
    fileSystem.AddFile("C:\\Jobs\\A-102.dwg", "AC1018");
    fileSystem.AddFile("C:\\Jobs\\B-201.dwg", "AC1018");
    fileSystem.AddFile("C:\\Jobs\\notes.txt", "n");
    fileSystem.AddFolder("C:\\One");
    fileSystem.AddFile("C:\\One\\Only.dwg", "AC1018");
    fileSystem.AddFolder("C:\\Empty");
  }
};

TEST_F(DrawingBrowser, DriveThatDoesNotAnswerFallsBackToDriveC) {
  fileSystem.AddDrive("E:", "", false);
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
  user.ChooseDrive(main.Drive1, "e:");
  EXPECT_EQ(main.Drive1.Drive().substr(0, 2), "c:");
  EXPECT_EQ(main.Dir1.Path().substr(0, 3), "C:\\");
  EXPECT_EQ(main.File1.Path(), main.Dir1.Path());
  EXPECT_EQ(ctx.ScreenPointer(), ui::Pointer::kDefault);
}

TEST_F(DrawingBrowser, FolderChangeMovesTheFileListAndTheQueueControls) {
  mainwindow::frmMain& main = Main();
  main.tbDWGFilter.SetText("*.dwg");
  main.Dir1.SetPath("C:\\Jobs");
  EXPECT_EQ(main.File1.Path(), "C:\\Jobs");
  EXPECT_EQ(main.File1.ListCount(), 3);
  EXPECT_TRUE(main.cmdAddAll.Enabled());

  main.Dir1.SetPath("C:\\Empty");
  EXPECT_EQ(main.File1.ListCount(), 0);
  EXPECT_FALSE(main.cmdAddAll.Enabled());
  EXPECT_FALSE(main.cmdAddDwg.Enabled());
}

TEST_F(DrawingBrowser, ScriptListFollowsTheFolderOnlyWhileAskedTo) {
  mainwindow::frmMain& main = Main();
  main.File2.SetPath(Program("SCRIPTS"));
  main.Dir1.SetPath("C:\\Jobs");
  EXPECT_EQ(main.File2.Path(), Program("SCRIPTS"));

  main.chkProjDir.SetValue(ui::kChecked);
  main.Dir1.SetPath("C:\\One");
  EXPECT_EQ(main.File2.Path(), "C:\\One");
}

TEST_F(DrawingBrowser, FilterIsTheFileListPatternAndTheStoredPattern) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  user.Fill(main.tbDWGFilter, "");
  user.Type(main.tbDWGFilter, "A*");
  EXPECT_EQ(main.settings.DWGPattern, "A*");
  EXPECT_EQ(main.File1.ListCount(), 2);
  EXPECT_TRUE(main.cmdAddAll.Enabled());

  user.Type(main.tbDWGFilter, "x");
  EXPECT_EQ(main.settings.DWGPattern, "A*x");
  EXPECT_EQ(main.File1.ListCount(), 0);
  EXPECT_FALSE(main.cmdAddAll.Enabled());
}

// The filter offers "Add All" for two or more matching drawings; a folder change offers it
// for one.
TEST_F(DrawingBrowser, FilterOffersAddAllForTwoOrMoreDrawingsAndTheFolderChangeForOne) {
  struct Case {
    const char* filter;
    int files;
    bool addAll;
  };
  const Case cases[] = {
      {"*.dwg", 3, true},
      {"A*.dwg", 2, true},
      {"B*.dwg", 1, false},
      {"Z*.dwg", 0, false},
  };
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  for (const Case& c : cases) {
    user.Fill(main.tbDWGFilter, c.filter);
    ASSERT_EQ(main.File1.ListCount(), c.files) << c.filter;
    EXPECT_EQ(main.cmdAddAll.Enabled(), c.addAll) << c.filter;
  }

  user.Fill(main.tbDWGFilter, "*.dwg");
  main.Dir1.SetPath("C:\\One");
  ASSERT_EQ(main.File1.ListCount(), 1);
  EXPECT_TRUE(main.cmdAddAll.Enabled());
}

TEST_F(DrawingBrowser, FilterTheListRefusesIsStillStored) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  user.Fill(main.tbDWGFilter, "*.dwg");
  user.Fill(main.tbDWGFilter, "a|b");
  EXPECT_EQ(main.settings.DWGPattern, "a|b");
  EXPECT_EQ(main.File1.Pattern(), "*.dwg");
  EXPECT_TRUE(main.cmdAddAll.Enabled());
}

// One message when C: does not answer either, and no loop.
TEST_F(DrawingBrowser, DriveChangeGivesOneMessageWhenDriveCFailsToo) {
  fileSystem.AddDrive("E:", "", false);
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  fileSystem.SetDriveReady("C:", false);
  ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
  user.ChooseDrive(main.Drive1, "e:");
  EXPECT_EQ(main.Drive1.Drive().substr(0, 2), "c:");
}

// A click previews the drawing and offers "Add -->"; Enter and a double-click open it in the
// drive's root (not in the box's text with its label); Insert adds even while the button is off.
TEST_F(DrawingBrowser, ClickKeyAndDoubleClickChain) {
  fileSystem.AddDrive("C:", "SYSTEM");
  mainwindow::frmMain& main = Main();
  main.Drive1.SetDrive("c:");
  main.Dir1.SetPath("C:\\Jobs");
  ASSERT_EQ(main.Drive1.Drive(), "c: [SYSTEM]");
  user.Fill(main.tbDWGFilter, "*.dwg");

  user.ClickItem(main.File1, 1);
  queue::frmDWGPreview* preview = app.frmDWGPreviewIfLoaded();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->Visible());
  EXPECT_EQ(preview->Owner(), &main);
  EXPECT_EQ(preview->DwgThumbnail1.Path(), "");  // six bytes are no drawing
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(main.cmdAddDwg.Enabled());

  user.PressKey(main.File1, ui::kKeyReturn);
  user.DblClickItem(main.File1, 1);
  ASSERT_EQ(shell.executeCalls.size(), 2u);
  for (const auto& call : shell.executeCalls) {
    EXPECT_EQ(call.owner, shell.kDesktopWindow);
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, "C:\\Jobs\\A-102.dwg");
    EXPECT_EQ(call.parameters, "");
    EXPECT_TRUE(runtime::EqualsNoCase(call.folder, "C:\\")) << call.folder;
    EXPECT_EQ(call.showCommand, 5);
  }

  main.cmdAddDwg.SetEnabled(false);
  user.PressKey(main.File1, ui::kKeyInsert);
  ASSERT_EQ(main.List1.ListCount(), 1);
  EXPECT_EQ(main.List1.List(0), "C:\\Jobs\\A-102.dwg");
}

TEST_F(DrawingBrowser, ProjectFileIsKeptForThePromptNotOpened) {
  fileSystem.AddFile("C:\\Jobs\\Plant.WDP", "x");
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  user.Fill(main.tbDWGFilter, "*.wdp");
  bool prompted = false;
  OnModal<filetools::frmWDPPrompt>([&](filetools::frmWDPPrompt& prompt) {
    prompted = true;
    user.Click(prompt.cmdClose);
  });
  user.DblClickItem(main.File1, 0);
  EXPECT_TRUE(prompted);
  EXPECT_EQ(main.settings.WDPCurrentFile, "C:\\Jobs\\Plant.WDP");
  EXPECT_TRUE(shell.executeCalls.empty());
}

TEST_F(DrawingBrowser, ExploreStartsExplorerOnTheFolder) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  user.Click(main.Command4_explorer);
  ASSERT_FALSE(shell.executeCalls.empty());
  EXPECT_EQ(shell.executeCalls.back().file, "explorer.exe");
  EXPECT_EQ(shell.executeCalls.back().parameters, "/n,/e, C:\\Jobs");
  EXPECT_EQ(shell.executeCalls.back().showCommand, 1);
}

TEST_F(DrawingBrowser, FolderDropGoesToTheFirstPathOnlyWhenItIsAFolder) {
  const struct {
    const char* what;
    std::vector<std::string> dropped;
    const char* folder;
  } cases[] = {
      {"one folder", {"C:\\One"}, "C:\\One"},
      {"two folders", {"C:\\Empty", "C:\\One"}, "C:\\Empty"},
      {"a file", {"C:\\Jobs\\A-101.dwg"}, "C:\\Jobs"},
      {"a file, then a folder", {"C:\\Jobs\\A-101.dwg", "C:\\One"}, "C:\\Jobs"},
      {"no file list", {}, "C:\\Jobs"},
  };
  mainwindow::frmMain& main = Main();
  for (const auto& c : cases) {
    main.Dir1.SetPath("C:\\Jobs");
    user.Drop(main.Dir1, c.dropped);
    EXPECT_EQ(main.Dir1.Path(), c.folder) << c.what;
    EXPECT_EQ(main.File1.Path(), c.folder) << c.what;
    EXPECT_EQ(main.MousePointer(), ui::Pointer::kDefault) << c.what;
  }
}

// A folder that cannot be read any more shows an empty list; no error escapes the click.
TEST_F(DrawingBrowser, RefreshOfAnUnreadableFolderShowsAnEmptyList) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  ASSERT_GT(main.File1.ListCount(), 0);
  fileSystem.FailOn("C:\\Jobs", 75);
  user.Click(main.Frame2);
  EXPECT_EQ(main.File1.ListCount(), 0);
  EXPECT_EQ(main.MousePointer(), ui::Pointer::kDefault);
}

}  // namespace

#include <gtest/gtest.h>

#include <string>

#include "mainwindow/main_window_fixture.h"

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
  EXPECT_EQ(main.DWGPattern, "A*");
  EXPECT_EQ(main.File1.ListCount(), 2);
  EXPECT_TRUE(main.cmdAddAll.Enabled());

  user.Type(main.tbDWGFilter, "x");
  EXPECT_EQ(main.DWGPattern, "A*x");
  EXPECT_EQ(main.File1.ListCount(), 0);
  EXPECT_FALSE(main.cmdAddAll.Enabled());
}

TEST_F(DrawingBrowser, FilterMatchingOneDrawingOffersAddAll) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  user.Fill(main.tbDWGFilter, "B*.dwg");
  ASSERT_EQ(main.File1.ListCount(), 1);
  EXPECT_TRUE(main.cmdAddAll.Enabled());
}

TEST_F(DrawingBrowser, FilterTheListRefusesIsStillStored) {
  mainwindow::frmMain& main = Main();
  main.Dir1.SetPath("C:\\Jobs");
  user.Fill(main.tbDWGFilter, "*.dwg");
  user.Fill(main.tbDWGFilter, "a|b");
  EXPECT_EQ(main.DWGPattern, "a|b");
  EXPECT_EQ(main.File1.Pattern(), "*.dwg");
  EXPECT_TRUE(main.cmdAddAll.Enabled());
}

}  // namespace

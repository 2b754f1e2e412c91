// The program's end and its next start: what closing the main window stores, the working-set
// files it writes, and a restart that brings everything back.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/program_run.h"
#include "core/text_file.h"
#include "runtime/error.h"
#include "support/app_fixture.h"

namespace {

constexpr const char* kData = "C:\\Program Files\\Tornavane\\DATA\\";

class ShutdownTest : public test::AppFixture {
 protected:
  std::optional<std::string> Stored(const std::string& section, const std::string& key) {
    return settings.Read("TornavanePowerTool", section, key);
  }
  std::string Data(const std::string& name) { return kData + name; }
};

// The user's day: a queue, a script, batch settings, a window moved and resized.
void Work(test::ProgramRun& run) {
  mainwindow::frmMain& main = run.Main();
  ui::headless::User& user = run.user;
  main.List1.AddItem("C:\\Jobs\\A-101.dwg");
  main.List1.AddItem("C:\\Jobs\\A-102.dwg");
  user.Fill(main.Text1, "ZOOM E\r\nQSAVE");
  user.Fill(main.Text2, "Plot sheets");
  user.ChooseTab(main.SSTab1, 1);
  user.Fill(main.tbPreBatch, "PURGE A * N");
  user.Fill(main.tbPostUserScript, "_CLOSE");
  user.Click(main.chkIncludeStatus);
  user.ChooseTab(main.SSTab1, 2);
  user.Fill(main.tbPrefix, "NEW_");
  user.Fill(main.tbSuffix, "_R1");
  user.Fill(main.cmbOutFormat, "2004");
  user.Click(main.optSpecFolder);
  user.Fill(main.tbSpecFolder, "D:\\Out\\");
  user.Click(main.chkSaveAS);
  user.Click(main.chkDelay);
  main.Dir1.SetPath("C:\\Jobs");
  main.Picture2.SetTop(4200);
  main.Move(1440, 720, 14400, 11520);
}

TEST_F(ShutdownTest, ARestartBringsBackTheWholeWorkingState) {
  fileSystem.AddFolder("C:\\Jobs");
  {
    test::ProgramRun run(services, clock);
    run.Start();
    Work(run);
    run.Close();
    EXPECT_TRUE(run.backend.ProgramEnded());
  }
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-list.tmp")), "C:\\Jobs\\A-101.dwg\r\nC:\\Jobs\\A-102.dwg\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-scr.tmp")), "ZOOM E\r\nQSAVE\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-s.tmp")), "Plot sheets\r\n");

  test::ProgramRun run(services, clock);
  run.Start();
  mainwindow::frmMain& main = run.Main();
  ASSERT_EQ(main.List1.ListCount(), 2);
  EXPECT_EQ(main.List1.List(1), "C:\\Jobs\\A-102.dwg");
  EXPECT_EQ(main.Text1.Text(), "ZOOM E\r\nQSAVE");
  EXPECT_EQ(main.Text2.Text(), "Plot sheets");
  EXPECT_EQ(main.tbPreBatch.Text(), "PURGE A * N");
  EXPECT_EQ(main.tbPreUserScript.Text(), "ZOOM E");
  EXPECT_EQ(main.tbPostUserScript.Text(), "_CLOSE");
  EXPECT_EQ(main.chkIncludeStatus.Value(), 1);
  EXPECT_EQ(main.tbPrefix.Text(), "NEW_");
  EXPECT_EQ(main.tbSuffix.Text(), "_R1");
  EXPECT_EQ(main.cmbOutFormat.Text(), "2004");
  EXPECT_TRUE(main.optSpecFolder.Value());
  EXPECT_EQ(main.tbSpecFolder.Text(), "D:\\Out\\");
  EXPECT_EQ(main.chkSaveAS.Value(), 1);
  EXPECT_EQ(main.chkDelay.Value(), 1);
  EXPECT_EQ(main.Dir1.Path(), "C:\\Jobs");
  EXPECT_EQ(main.Picture2.Top(), 4200);
  EXPECT_EQ(main.Left(), 1440);
  EXPECT_EQ(main.Top(), 720);
  EXPECT_EQ(main.Width(), 14400);
  EXPECT_EQ(main.Height(), 11520);
}

TEST_F(ShutdownTest, StoresTheSettingsInTheirFormats) {
  {
    test::ProgramRun run(services, clock);
    run.Start();
    run.Main().TotalFilesProcessed = 1234;
    run.Close();
  }
  EXPECT_EQ(Stored("Startup", "Counter"), "1234");
  EXPECT_EQ(Stored("Startup", "SaveAsOriginalLocation"), "-1");
  EXPECT_EQ(Stored("Startup", "OverWriteFiles"), "1");
  EXPECT_EQ(Stored("Startup", "UseDelay"), "0");
  EXPECT_EQ(Stored("Startup", "Height"), "10130");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Open"), "2");
  EXPECT_EQ(Stored("Startup", "LoadMethod_Other"), "_OPEN");
  EXPECT_EQ(Stored("Startup", "Face"), "0");
  EXPECT_EQ(Stored("Paths", "Source"), "C:\\");
  EXPECT_EQ(Stored("Paths", "DWGOutFolder"), "");
  EXPECT_EQ(Stored("Startup", "OutputToDefaultPath"), "1");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-list.tmp")), "");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-scr.tmp")), "\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-s.tmp")), "\r\n");
}

TEST_F(ShutdownTest, ExitSavesAsTheCloseBoxDoes) {
  test::ProgramRun run(services, clock);
  run.Start();
  run.user.Fill(run.Main().Text2, "By exit");
  run.user.ChooseMenu(run.Main().mnuFileExit);
  EXPECT_TRUE(run.backend.ProgramEnded());
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-s.tmp")), "By exit\r\n");
  EXPECT_EQ(Stored("Startup", "Initialize"), "_SDI 1");
}

TEST_F(ShutdownTest, AMinimisedWindowKeepsItsLastGeometry) {
  settings.Write("TornavanePowerTool", "Startup", "Left", "2000");
  test::ProgramRun run(services, clock);
  run.Start();
  run.user.Minimize(run.Main());
  run.Close();
  EXPECT_EQ(Stored("Startup", "Left"), "2000");
  EXPECT_EQ(Stored("Startup", "Width"), "13084");
}

TEST_F(ShutdownTest, AWindowWiderThanSixteenBitsKeepsTheStoredWidth) {
  test::ProgramRun run(services, clock);
  run.Start();
  run.Main().Move(0, 0, 40000, 11000);
  run.Close();
  EXPECT_EQ(Stored("Startup", "Width"), "13084");
  EXPECT_EQ(Stored("Startup", "Height"), "11000");
  EXPECT_EQ(Stored("Startup", "Left"), "0");
}

TEST_F(ShutdownTest, AMissingDataFolderCostsOnlyTheWorkingSetFiles) {
  test::ProgramRun run(services, clock);
  run.Start();
  fileSystem.RemoveFolder("C:\\Program Files\\Tornavane\\DATA");
  run.backend.ExpectMessage(" Error #76 was generated by Tornavane.",
                            " Your C:\\Program Files\\Tornavane\\DATA\\ path was removed or renamed... \r\n"
                            "Please recreate this directory or reinstall Tornavane");
  run.Close();
  EXPECT_TRUE(run.backend.ProgramEnded());
  EXPECT_EQ(Stored("Startup", "Initialize"), "_SDI 1");
  EXPECT_EQ(Stored("Startup", "Face"), "0");
  EXPECT_FALSE(fileSystem.Exists(Data("drafter1-list.tmp")));
}

TEST_F(ShutdownTest, AWriteProtectedQueueFileDoesNotCostTheScript) {
  fileSystem.AddFile(Data("drafter1-list.tmp"), "C:\\Old.dwg\r\n", platform::kAttrReadOnly);
  test::ProgramRun run(services, clock);
  run.Start();
  run.user.Fill(run.Main().Text1, "QSAVE");
  run.backend.ExpectMessage(" Error #75 was generated by Tornavane.",
                            "File is write protected\r\n" + Data("drafter1-list.tmp"));
  run.Close();
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-list.tmp")), "C:\\Old.dwg\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-scr.tmp")), "QSAVE\r\n");
}

// A full disk at close: the user is told which file was not written, the last good one stays,
// and the files after it are still written.
TEST_F(ShutdownTest, AWriteFailurePartWayKeepsTheLastGoodWorkingSet) {
  fileSystem.AddFile(Data("drafter1-scr.tmp"), "ZOOM E\r\n");
  test::ProgramRun run(services, clock);
  run.Start();
  run.user.Fill(run.Main().Text1, "a much longer script than the disk can hold");
  run.user.Fill(run.Main().Text2, "Plot");
  fileSystem.SetCapacity("C:", 40);
  run.backend.ExpectMessage(" Error #61 was generated by Tornavane.",
                            "File could not be written\r\n" + Data("drafter1-scr.tmp") +
                                "\r\n\r\nDisk full\r\nThe file as it was before is kept.");
  run.Close();
  EXPECT_TRUE(run.backend.ProgramEnded());
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-scr.tmp")), "ZOOM E\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-s.tmp")), "Plot\r\n");
}

// "Save Settings Now" reports a file it could not write as the close does, and goes on.
TEST_F(ShutdownTest, SaveSettingsNowReportsAFileItCouldNotWrite) {
  fileSystem.AddFile(Data("drafter1-s.tmp"), "Old name\r\n");
  test::ProgramRun run(services, clock);
  run.Start();
  run.user.Fill(run.Main().Text1, "QSAVE");
  run.user.Fill(run.Main().Text2, "New name");
  fileSystem.FailOn(core::SafeWriteTempPath(Data("drafter1-s.tmp")), runtime::kDiskFull,
                    platform::fake::FakeOperation::kWrite);
  run.backend.ExpectMessage(" Error #61 was generated by Tornavane.",
                            "File could not be written\r\n" + Data("drafter1-s.tmp") +
                                "\r\n\r\nDisk full\r\nThe file as it was before is kept.");
  run.user.ChooseMenu(run.Main().mnuSaveSettings);
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-scr.tmp")), "QSAVE\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-s.tmp")), "Old name\r\n");
  EXPECT_EQ(Stored("Startup", "Left"), "520");
  EXPECT_FALSE(run.backend.ProgramEnded());
}

TEST_F(ShutdownTest, SaveSettingsNowShowsSavingWhileItSaves) {
  test::ProgramRun run(services, clock);
  run.Start();
  std::string shownWhileSaving;
  run.backend.AtPump(1, [&] { shownWhileSaving = run.Main().lblUpdate.Caption(); });
  run.user.Fill(run.Main().Text2, "Now");
  run.user.ChooseMenu(run.Main().mnuSaveSettings);
  EXPECT_EQ(shownWhileSaving, "Saving");
  EXPECT_EQ(run.Main().lblUpdate.Caption(), "Ready");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-s.tmp")), "Now\r\n");
  EXPECT_EQ(Stored("Startup", "Left"), "520");
  EXPECT_FALSE(run.backend.ProgramEnded());
}

}  // namespace

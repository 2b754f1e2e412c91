#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "batch/batch_log.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "support/program_fixture.h"

namespace {

constexpr const char* kLogPath = "C:\\Program Files\\Tornavane\\DATA\\tornavane.log";

class WriteBatchLogTest : public test::ProgramFixture {
 protected:
  mainwindow::frmMain& Main() { return app.frmMain(); }

  // A build of two drawings with logging on, at 10 Dec 2026 13:05:09 (the fake clock).
  void SetUpBuild() {
    app.AppVersion = "1.0.0";
    mainwindow::frmMain& main = Main();
    main.settings.EnableLogging = 1;
    main.settings.R14Compatible = 0;
    main.settings.LT = 0;
    main.settings.OS_Platform = "Windows NT";
    main.settings.OS = "Windows XP";
    main.settings.AutoCADEXE = "C:\\Program Files\\Autodesk\\acad.exe";
    main.settings.Switches = "/nologo";
    main.settings.TextEditor = "notepad.exe";
    options::frmOptions& options = app.frmOptions();
    options.Text1.SetText("C:\\ACAD\\Support\\tornavane.scr");
    options.tbAltOutput.SetText("D:\\Scripts\\tv.scr");
    options.optNormalOutputPath.SetValue(true);
    main.tbPreBatch.SetText("_SDI 1");
    main.tbPreUserScript.SetText("ZOOM E");
    main.Text1.SetText("-LAYER\r\nS\r\n0");
    main.tbPostUserScript.SetText("");
    main.tbPostBatch.SetText("_SDI 0");
    main.chkDelay.SetValue(1);
    main.chkTestRun.SetValue(0);
    main.chkSaveAS.SetValue(0);
    main.cmbOutFormat.SetText("");
    main.tbPrefix.SetText("");
    main.tbSuffix.SetText("-REV");
    main.settings.Queue = {"C:\\DWG\\A.dwg", "C:\\DWG\\B.dwg"};
  }

  void WriteLog() {
    AsEvent([this] { batch::WriteBatchLog(app); });
  }

  static std::string GoldenRecord() {
    const std::string stars(91, '*');
    return stars +
           "\r\n"
           "DATE: 12/10/2026\r\n"
           "TIME: 13:05:09\r\n"
           "USER: drafter1\r\n"
           "PC: CADSTATION\r\n"
           "Operating Platform: Windows NT\r\n"
           "Operating System: Windows XP\r\n"
           "Tornavane Title: Tornavane for AutoCAD\r\n"
           "Tornavane Version: 1.0.0\r\n"
           "AutoCAD R14 Compatibility : 0\r\n"
           "AutoCAD LT Compatibility: 0\r\n"
           "AutoCAD Executable: C:\\Program Files\\Autodesk\\acad.exe\r\n"
           "AutoCAD Switches: /nologo\r\n"
           "Standard Output Path Selected: True\r\n"
           "Tornavane Batch Output Path: C:\\ACAD\\Support\\tornavane.scr\r\n"
           "Standard Alternate Output Path Selected: False\r\n"
           "Tornavane Altername Output Path: D:\\Scripts\\tv.scr\r\n"
           "Text Editor: notepad.exe\r\n"
           "PRE Batch: _SDI 1\r\n"
           "PRE UserScript: ZOOM E\r\n"
           "User Script: -LAYER\r\n"
           "S\r\n"
           "0\r\n"
           "POST User Script: \r\n"
           "POST Batch: _SDI 0\r\n"
           "Delay Checkbox: 1\r\n"
           "TestRun Checkbox: 0\r\n"
           "SaveAS Checkbox: 0\r\n"
           "SaveAS Output Format: \r\n"
           "SaveAS Output Prefix: \r\n"
           "SaveAS Output Suffix: -REV\r\n"
           "C:\\DWG\\A.dwg\r\n"
           "C:\\DWG\\B.dwg\r\n" +
           stars + "\r\n";
  }
};

TEST_F(WriteBatchLogTest, AppendsTheRecordOfTheBuild) {
  SetUpBuild();

  WriteLog();

  EXPECT_EQ(fileSystem.Contents(kLogPath), GoldenRecord());
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
  EXPECT_FALSE(fileSystem.IsOpen(kLogPath));
}

TEST_F(WriteBatchLogTest, TwoBuildsLeaveTwoRecordsInARow) {
  SetUpBuild();

  WriteLog();
  WriteLog();

  EXPECT_EQ(fileSystem.Contents(kLogPath), GoldenRecord() + GoldenRecord());
}

TEST_F(WriteBatchLogTest, ReadsTheChoiceOfTheAlternatePath) {
  SetUpBuild();
  app.frmOptions().optAltOutputPath.SetValue(true);

  WriteLog();

  std::string log = fileSystem.Contents(kLogPath);
  EXPECT_NE(log.find("\r\nStandard Output Path Selected: False\r\n"), std::string::npos);
  EXPECT_NE(log.find("\r\nStandard Alternate Output Path Selected: True\r\n"), std::string::npos);
}

TEST_F(WriteBatchLogTest, WithLoggingOffTheFileIsLeftAlone) {
  SetUpBuild();
  fileSystem.AddFile(kLogPath, "earlier builds\r\n");
  Main().settings.EnableLogging = 0;

  WriteLog();

  EXPECT_EQ(fileSystem.Contents(kLogPath), "earlier builds\r\n");
}

TEST_F(WriteBatchLogTest, WithLoggingOffNoFileIsCreated) {
  SetUpBuild();
  Main().settings.EnableLogging = 0;

  WriteLog();

  EXPECT_FALSE(fileSystem.Exists(kLogPath));
}

TEST_F(WriteBatchLogTest, ALogThatCannotBeWrittenIsReportedAsTheLogsProblem) {
  struct Case {
    const char* name;
    std::function<std::shared_ptr<void>(platform::fake::FakeFileSystem&)> arrange;
    std::string error;
  };
  const std::vector<Case> cases = {
      {"DATA folder missing",
       [](platform::fake::FakeFileSystem& fs) {
         fs.RemoveFolder("C:\\Program Files\\Tornavane\\DATA");
         return std::shared_ptr<void>();
       },
       "Error 76 (Path not found)"},
      {"log held open by another program",
       [](platform::fake::FakeFileSystem& fs) {
         fs.AddFile(kLogPath, "");
         return fs.HoldOpen(kLogPath);
       },
       "Error 70 (Permission denied)"},
  };
  for (const Case& c : cases) {
    SetUpBuild();
    std::shared_ptr<void> held = c.arrange(fileSystem);
    ExpectMessage("Tornavane Alert",
                  std::string("The batch log could not be written:\r\n") + kLogPath + "\r\n\r\n" + c.error)
        .Icon(ui::MsgIcon::kExclamation);

    WriteLog();

    EXPECT_EQ(Main().lblUpdate.Caption(), "Ready") << c.name;
    held.reset();
    EXPECT_FALSE(fileSystem.IsOpen(kLogPath)) << c.name;
    EXPECT_TRUE(backend.Failures().empty()) << c.name;
  }
}

TEST_F(WriteBatchLogTest, ARecordCutShortStaysAsFarAsItWasWritten) {
  SetUpBuild();
  std::uint64_t used = 0;
  for (const std::string& path : fileSystem.AllPaths()) {
    if (path.rfind("C:\\", 0) == 0 && path.back() != '\\') used += fileSystem.Contents(path).size();
  }
  // Room for the first six lines of the record (191 bytes) and not for the seventh.
  fileSystem.SetCapacity("C:", used + 200);
  ExpectMessage("Tornavane Alert",
                std::string("The batch log could not be written:\r\n") + kLogPath + "\r\n\r\nError 61 (Disk full)");

  WriteLog();

  std::string golden = GoldenRecord();
  std::size_t sixLines = 0;
  for (int line = 0; line < 6; ++line) sixLines = golden.find("\r\n", sixLines) + 2;
  EXPECT_EQ(fileSystem.Contents(kLogPath), golden.substr(0, sixLines));
  EXPECT_FALSE(fileSystem.IsOpen(kLogPath));
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

}  // namespace

// The version report of the queued drawings: DATA\<user>-DWGVersion.csv, opened in the editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_title.h"
#include "dwg_version_fixture.h"
#include "platform/file_system.h"

namespace test {
namespace {

using platform::fake::FakeShell;

class ReportDwgVersionsTest : public DwgVersionFixture {
 protected:
  ReportDwgVersionsTest() {
    system.userName = "kim";
    Main().settings.TextEditor = "notepad.exe";
  }
  static std::string Report() { return Program("DATA\\kim-DWGVersion.csv"); }
  // The editor's start with the report, as the shell was asked for it.
  FakeShell::ExecuteCall EditorCall() {
    return {0, "", "notepad.exe", "\"" + Report() + "\"", fileSystem.CurrentFolder(), 1};
  }
};

TEST_F(ReportDwgVersionsTest, OneLineADrawingInQueueOrderThenTheEditor) {
  AddDrawing("C:\\D\\a.dwg", "AC1024");
  fileSystem.AddFile("C:\\D\\s.dwg", "AC1");
  AddDrawing("C:\\D\\n.dwg", "AC1032");
  AddDrawing("C:\\D\\x,y.dwg", "ac1009");
  for (const char* entry :
       {"C:\\D\\a.dwg", "C:\\D\\gone.dwg", "C:\\D\\s.dwg", "C:\\D\\n.dwg", "C:\\D\\x,y.dwg", "C:\\D\\a.dwg"}) {
    Main().List1.AddItem(entry);
  }
  Main().UpdateQueueControls();
  fileSystem.AddFile(Report(), "an earlier report\r\n");
  user.ChooseMenu(Main().mnuReportDWGVersion);
  EXPECT_EQ(fileSystem.Contents(Report()),
            "R2010/2011, C:\\D\\a.dwg\r\n"
            "File Doesn't Exist, C:\\D\\gone.dwg\r\n"
            "Unknown Version, C:\\D\\s.dwg\r\n"
            ", C:\\D\\n.dwg\r\n"
            "R12, C:\\D\\x,y.dwg\r\n"
            "R2010/2011, C:\\D\\a.dwg\r\n");
  EXPECT_EQ(shell.executeCalls, std::vector<FakeShell::ExecuteCall>{EditorCall()});
  EXPECT_TRUE(Main().settings.Queue.empty());
  EXPECT_EQ(Main().MousePointer(), ui::Pointer::kArrow);
}

TEST_F(ReportDwgVersionsTest, AnEmptyQueueWritesAnEmptyReport) {
  fileSystem.AddFile(Report(), "an earlier report\r\n");
  EXPECT_FALSE(Main().mnuReportDWGVersions.Enabled());
  Main().ReportQueueDWGVersions();
  EXPECT_EQ(fileSystem.Contents(Report()), "");
  EXPECT_EQ(shell.executeCalls, std::vector<FakeShell::ExecuteCall>{EditorCall()});
}

TEST_F(ReportDwgVersionsTest, AReportThatCannotBeWrittenIsShownOnceAndTheEditorIsNotStarted) {
  AddDrawing("C:\\D\\a.dwg", "AC1024");
  Main().List1.AddItem("C:\\D\\a.dwg");
  Main().UpdateQueueControls();
  fileSystem.AddFile(Report(), "an earlier report\r\n", platform::kAttrReadOnly);
  ExpectMessage(kAppTitle, "Error 75 (Path/File access error) ReportQueueDWGVersions - \r\n" + Report());
  Main().mnuReportDWGVersions.Click();
  EXPECT_EQ(fileSystem.Contents(Report()), "an earlier report\r\n");
  EXPECT_TRUE(shell.executeCalls.empty());
  EXPECT_TRUE(Main().settings.Queue.empty());
  EXPECT_FALSE(fileSystem.Exists(Report() + ".~tmp"));
}

}  // namespace
}  // namespace test

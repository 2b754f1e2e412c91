// Combining the queued text files into one output file.
#include "filetools/frm_combine_text_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app_title.h"
#include "dwg_version_fixture.h"
#include "runtime/error.h"

namespace test {
namespace {

using platform::fake::FakeShell;

constexpr const char* kOverwrite = "Output file already exists!  Overwrite it?";
constexpr const char* kCreated =
    "File Created...\r\n\r\nWould you like to open the file now in it's associated program?";

TEST(CombinedLinesTest, CrLfOrALoneCrEndsALineAndALoneLfStaysInside) {
  struct Case {
    const char* input;
    const char* output;
  };
  for (const Case& c :
       {Case{"h\r\n1\r\n", "h\r\n1\r\n"}, Case{"h\r\n2", "h\r\n2\r\n"}, Case{"x\ny\rz", "x\ny\r\nz\r\n"}, Case{"", ""},
        Case{"\r\n", "\r\n"}, Case{"a\r\r\nb\n", "a\r\n\r\nb\n\r\n"}, Case{"\n", "\n\r\n"}, Case{"a\r", "a\r\n"}}) {
    EXPECT_EQ(filetools::CombinedLines(c.input), c.output) << c.input;
  }
}

TEST(OutputNameProblemTest, RefusesAnEmptyNameAndTheCharactersWindowsRefuses) {
  EXPECT_EQ(filetools::OutputNameProblem(""), "Please enter an Output Filename.");
  for (const char* name : {"a\\b.csv", "a/b", "c:x", "*.csv", "a?.csv", "\"a\"", "<a", "a>", "a|b"}) {
    EXPECT_EQ(filetools::OutputNameProblem(name),
              "An Output Filename may not hold any of these characters:  \\ / : * ? \" < > |")
        << name;
  }
  for (const char* name : {"output.csv", "all rows.txt", "a.b.c", ".csv"}) {
    EXPECT_EQ(filetools::OutputNameProblem(name), "") << name;
  }
}

class CombineTextFilesTest : public DwgVersionFixture {
 protected:
  CombineTextFilesTest() {
    fileSystem.AddFile("C:\\X\\one.csv", "h\r\n1\r\n");
    fileSystem.AddFile("C:\\X\\two.CSV", "h\r\n2");
    fileSystem.AddFolder("C:\\Out");
    Queue({"C:\\X\\one.csv", "C:\\X\\two.CSV"});
    Main().Dir1.SetPath("C:\\Out");
  }
  void Queue(const std::vector<std::string>& entries) {
    Main().List1.Clear();
    for (const std::string& entry : entries) Main().List1.AddItem(entry);
    Main().UpdateQueueControls();
  }
  void InWindow(std::function<void(filetools::frmCombineTextFiles&)> steps) {
    OnModal<filetools::frmCombineTextFiles>(std::move(steps));
    user.ChooseMenu(Main().mnuCombineText);
  }
  void ExpectStep(const std::string& description, int step) {
    ExpectMessage(kAppTitle,
                  description + "\r\nin Tornavane.frmCombineTextFiles.WriteOutputFile at line " + std::to_string(step));
  }
};

TEST_F(CombineTextFilesTest, JoinsTheQueuedFilesLineByLineAndOffersToOpenTheResult) {
  InWindow([&](filetools::frmCombineTextFiles& form) {
    EXPECT_EQ(form.Caption(), "Combine Text Files");
    EXPECT_EQ(form.tbFileName.Text(), "output.csv");
    EXPECT_EQ(form.Dir1.Path(), "C:\\Out");
    EXPECT_EQ(form.Text1.Text(),
              "The purpose of this Tool is to facilitate the use of AutoCAD's \r\nEATTEXT command (which normally "
              "outputs one CSV file \r\nper DWG file during an attribute extraction)\r\n\r\nALL CSV and TXT files in "
              "the file QUEUE, will be combined \r\ninto ONE CONTINUOUS file specified (on the left).\r\n\r\nSpecify "
              "your OUTPUT filename, and press GO to combine.\r\n");
    ExpectMessage("Open File?", kCreated)
        .Buttons(ui::MsgButtons::kYesNo)
        .Icon(ui::MsgIcon::kExclamation)
        .Answer(ui::MsgAnswer::kYes);
    user.Click(form.cmdCombine);
    EXPECT_EQ(fileSystem.Contents("C:\\Out\\output.csv"), "h\r\n1\r\nh\r\n2\r\n");
    EXPECT_FALSE(fileSystem.Exists("C:\\Out\\output.csv.~tmp"));
    const FakeShell::ExecuteCall open{FakeShell::kDesktopWindow, "open", "C:\\Out\\output.csv", "", "c:\\", 5};
    EXPECT_EQ(shell.executeCalls, std::vector<FakeShell::ExecuteCall>{open});
    user.Close(form);
  });
}

TEST_F(CombineTextFilesTest, AnExistingOutputIsKeptOnNoAndReplacedOnYes) {
  fileSystem.AddFile("C:\\Out\\output.csv", "old\r\n");
  InWindow([&](filetools::frmCombineTextFiles& form) {
    ExpectMessage("Overwrite?", kOverwrite).Buttons(ui::MsgButtons::kYesNo).Answer(ui::MsgAnswer::kNo);
    user.Click(form.cmdCombine);
    EXPECT_EQ(fileSystem.Contents("C:\\Out\\output.csv"), "old\r\n");
    ExpectMessage("Overwrite?", kOverwrite).Answer(ui::MsgAnswer::kYes);
    ExpectMessage("Open File?", kCreated).Answer(ui::MsgAnswer::kNo);
    user.Click(form.cmdCombine);
    EXPECT_EQ(fileSystem.Contents("C:\\Out\\output.csv"), "h\r\n1\r\nh\r\n2\r\n");
    EXPECT_TRUE(shell.executeCalls.empty());
    user.Close(form);
  });
}

TEST_F(CombineTextFilesTest, RefusesAnOutputThatIsAFolderOrAQueuedFileOrABadName) {
  fileSystem.AddFolder("C:\\Out\\sub.csv");
  InWindow([&](filetools::frmCombineTextFiles& form) {
    struct Case {
      const char* folder;
      const char* name;
      std::string message;
    };
    const Case cases[] = {
        {"C:\\Out", "", "Please enter an Output Filename."},
        {"C:\\Out", "a?.csv", "An Output Filename may not hold any of these characters:  \\ / : * ? \" < > |"},
        {"C:\\Out", "sub.csv", "Output file is a folder:\r\nC:\\Out\\sub.csv\r\nPlease enter another Output Filename."},
        {"C:\\X", "TWO.csv",
         "Output file is in the File Queue:\r\nC:\\X\\TWO.csv\r\nPlease enter another Output Filename."},
    };
    for (const Case& c : cases) {
      form.Dir1.SetPath(c.folder);
      user.Fill(form.tbFileName, c.name);
      ExpectMessage(kAppTitle, c.message).Icon(ui::MsgIcon::kExclamation);
      user.Click(form.cmdCombine);
    }
    EXPECT_EQ(fileSystem.Contents("C:\\X\\two.CSV"), "h\r\n2");
    user.Close(form);
  });
}

TEST_F(CombineTextFilesTest, AFileThatCannotBeOpenedIsReportedAndLeftOut) {
  Queue({"C:\\X\\one.csv", "C:\\X\\gone.csv", "C:\\X\\two.CSV"});
  InWindow([&](filetools::frmCombineTextFiles& form) {
    ExpectStep("File not found", 104);
    ExpectMessage("Open File?", kCreated).Answer(ui::MsgAnswer::kNo);
    user.Click(form.cmdCombine);
    EXPECT_EQ(fileSystem.Contents("C:\\Out\\output.csv"), "h\r\n1\r\nh\r\n2\r\n");
    user.Close(form);
  });
}

TEST_F(CombineTextFilesTest, AFullDiskLeavesTheOldOutputWholeAndSaysSoOnce) {
  fileSystem.AddFile("C:\\Out\\output.csv", "old\r\n");
  fileSystem.FailNextWrite(runtime::kDiskFull);
  InWindow([&](filetools::frmCombineTextFiles& form) {
    ExpectMessage("Overwrite?", kOverwrite).Answer(ui::MsgAnswer::kYes);
    ExpectStep("Disk full", 110);
    user.Click(form.cmdCombine);
    EXPECT_EQ(fileSystem.Contents("C:\\Out\\output.csv"), "old\r\n");
    EXPECT_FALSE(fileSystem.Exists("C:\\Out\\output.csv.~tmp"));
    user.Close(form);
  });
}

TEST_F(CombineTextFilesTest, ADriveChangeMovesTheFolderAndTheOutputIsJoinedWithOneBackslash) {
  fileSystem.AddDrive("D:", "DATA");
  InWindow([&](filetools::frmCombineTextFiles& form) {
    user.ChooseDrive(form.Drive1, "d: [DATA]");
    EXPECT_EQ(form.Dir1.Path(), "D:\\");
    ExpectMessage("Open File?", kCreated).Answer(ui::MsgAnswer::kYes);
    user.Click(form.cmdCombine);
    EXPECT_EQ(fileSystem.Contents("D:\\output.csv"), "h\r\n1\r\nh\r\n2\r\n");
    ASSERT_EQ(shell.executeCalls.size(), 1u);
    EXPECT_EQ(shell.executeCalls[0].folder, "d:\\");
    user.Close(form);
  });
}

}  // namespace
}  // namespace test

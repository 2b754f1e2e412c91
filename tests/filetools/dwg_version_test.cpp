// The release of a drawing from its first six bytes, and the recursive release scan.
#include "filetools/dwg_version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app_title.h"
#include "core/settings_model.h"
#include "dwg_version_fixture.h"
#include "platform/file_system.h"
#include "runtime/error.h"

namespace test {
namespace {

using Strings = std::vector<std::string>;

TEST(ReleaseNameTest, TheEightCodesInAnyLetterCaseAndNothingElse) {
  struct Case {
    const char* code;
    const char* name;
  };
  for (const Case& c :
       {Case{"AC1009", "R12"}, Case{"ac1012", "R13"}, Case{"AC1014", "R14"}, Case{"aC1015", "R2000/2002/2003"},
        Case{"ac1018", "R2004/2005/2006"}, Case{"AC1021", "R2007/2008/2009"}, Case{"Ac1024", "R2010/2011"},
        Case{"AC1027", "R2013/2014"}, Case{"AC1032", ""}, Case{"AC1006", ""}, Case{"AC1015 ", ""}, Case{"AC101", ""},
        Case{"", ""}, Case{"AC2.10", ""}}) {
    EXPECT_EQ(filetools::ReleaseName(c.code), c.name) << c.code;
  }
}

class ReturnDwgFileRevTest : public DwgVersionFixture {};

TEST_F(ReturnDwgFileRevTest, NamesTheReleaseOrSaysWhyNot) {
  AddDrawing("C:\\D\\a.dwg", "AC1024");
  AddDrawing("C:\\D\\lower.dwg", "ac1018");
  AddDrawing("C:\\D\\new.dwg", "AC1032");
  fileSystem.AddFile("C:\\D\\six.dwg", "AC1009");
  fileSystem.AddFile("C:\\D\\short.dwg", "AC1");
  fileSystem.AddFile("C:\\D\\empty.dwg", "");
  struct Case {
    const char* path;
    const char* release;
  };
  for (const Case& c :
       {Case{"C:\\D\\a.dwg", "R2010/2011"}, Case{"c:\\d\\LOWER.DWG", "R2004/2005/2006"}, Case{"C:\\D\\new.dwg", ""},
        Case{"C:\\D\\six.dwg", "R12"}, Case{"C:\\D\\short.dwg", "Unknown Version"},
        Case{"C:\\D\\empty.dwg", "Unknown Version"}, Case{"C:\\D\\gone.dwg", "File Doesn't Exist"},
        Case{"C:\\Nowhere\\a.dwg", "File Doesn't Exist"}, Case{"C:\\D\\a?.dwg", "Unknown Version"}}) {
    EXPECT_EQ(filetools::ReturnDWGFileREV(app, c.path), c.release) << c.path;
  }
}

TEST_F(ReturnDwgFileRevTest, AFileThatCannotBeReadIsReportedAndHasNoRelease) {
  AddDrawing("C:\\D\\held.dwg", "AC1015");
  auto held = fileSystem.HoldOpen("C:\\D\\held.dwg");
  fileSystem.FailOn("C:\\D\\bad.dwg", runtime::kDeviceIoError);
  ExpectMessage(kAppTitle, "Error 70 (Permission denied) ReturnDWGFileREV - \r\nC:\\D\\held.dwg");
  EXPECT_EQ(filetools::ReturnDWGFileREV(app, "C:\\D\\held.dwg"), "");
  ExpectMessage(kAppTitle, "Error 57 (Device I/O error) ReturnDWGFileREV - \r\nC:\\D\\bad.dwg");
  EXPECT_EQ(filetools::ReturnDWGFileREV(app, "C:\\D\\bad.dwg"), "");
}

// Runs a scan of folder straight into the scan window's lists.
class SearchForFileRevTest : public DwgVersionFixture {
 protected:
  void Run(const std::string& folder, const filetools::ReleaseFlags& flags) {
    filetools::frmDWGRevScan& form = Scan();
    filetools::SearchForFileREV(app, folder, "*.DWG", flags, {form.List1, form.lstProblemFiles, form.lblStatus});
  }
  // The worked tree: one drawing of each of two releases, a short one, a name that is the
  // extension alone, a DXF and a folder named like a drawing.
  void WorkedTree() {
    AddDrawing("C:\\p\\Sub\\x.Dwg", "AC1015");
    AddDrawing("C:\\p\\y.dwg", "AC1018");
    fileSystem.AddFile("C:\\p\\z.dwg", "AC");
    AddDrawing("C:\\p\\.dwg", "AC1015");
    AddDrawing("C:\\p\\w.dxf", "AC1015");
    AddDrawing("C:\\p\\Folder.dwg\\in.dwg", "AC1015");
  }
};

TEST_F(SearchForFileRevTest, ListsTheFlaggedReleasesInUpperCaseAndTheShortFilesAsProblems) {
  WorkedTree();
  Run("C:\\p", {0, 0, 0, 1, 0, 0, 0, 0});
  EXPECT_EQ(Items(Scan().List1), (Strings{"C:\\P\\FOLDER.DWG\\IN.DWG", "C:\\P\\SUB\\X.DWG"}));
  EXPECT_EQ(Items(Scan().lstProblemFiles), Strings{"C:\\P\\Z.DWG"});
  EXPECT_EQ(app.ScanFileCount, 2);
}

TEST_F(SearchForFileRevTest, OnlyAFlagOfOneIncludesARow) {
  WorkedTree();
  Run("C:\\p", {1, 0, 2, 2, 2, 0, 1, 1});
  EXPECT_TRUE(Items(Scan().List1).empty());
  EXPECT_EQ(Items(Scan().lstProblemFiles), Strings{"C:\\P\\Z.DWG"});
  EXPECT_EQ(app.ScanFileCount, 0);
}

TEST_F(SearchForFileRevTest, ADriveRootGetsNoSecondBackslash) {
  fileSystem.AddDrive("D:", "DATA");
  AddDrawing("D:\\a.dwg", "AC1027");
  AddDrawing("D:\\b.DWG", "AC1032");
  Run("D:\\", {1, 1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(Items(Scan().List1), Strings{"D:\\A.DWG"});
  EXPECT_EQ(Scan().lblStatus.Caption(), "Scanning: D:\\");
}

TEST_F(SearchForFileRevTest, AJunctionLoopIsNotFollowed) {
  AddDrawing("C:\\p\\a.dwg", "AC1021");
  AddDrawing("C:\\p\\q\\b.dwg", "AC1021");
  fileSystem.AddJunction("C:\\p\\q\\up", "C:\\p");
  Run("C:\\p", {0, 0, 0, 0, 0, 1, 0, 0});
  EXPECT_EQ(Items(Scan().List1), (Strings{"C:\\P\\A.DWG", "C:\\P\\Q\\B.DWG"}));
}

TEST_F(SearchForFileRevTest, AnUnreadableDrawingIsReportedOnceAndTheScanGoesOn) {
  AddDrawing("C:\\p\\a.dwg", "AC1014");
  AddDrawing("C:\\p\\Held.dwg", "AC1014");
  AddDrawing("C:\\p\\z.dwg", "AC1014");
  auto held = fileSystem.HoldOpen("C:\\p\\Held.dwg");
  ExpectMessage(kAppTitle, "Error 70 (Permission denied) SearchForFileREV - \r\nc:\\p\\held.dwg");
  Run("C:\\p", {0, 0, 1, 0, 0, 0, 0, 0});
  EXPECT_EQ(Items(Scan().List1), (Strings{"C:\\P\\A.DWG", "C:\\P\\Z.DWG"}));
  EXPECT_TRUE(Items(Scan().lstProblemFiles).empty());
}

TEST_F(SearchForFileRevTest, EventsRunOncePerFolderAndALongFolderIsShortenedInTheStatus) {
  const std::string deep = "C:\\p\\" + std::string(60, 'a') + "\\" + std::string(60, 'b');
  AddDrawing(deep + "\\x.dwg", "AC1012");
  for (int i = 0; i < 5; ++i) AddDrawing("C:\\p\\f" + std::to_string(i) + ".dwg", "AC1012");
  std::string statusAtThirdPump;
  Scan();
  AtPump(3, [&] { statusAtThirdPump = Scan().lblStatus.Caption(); });
  const int pumpsBefore = backend.Pumps();
  Run("C:\\p", {0, 1, 0, 0, 0, 0, 0, 0});
  // Three folders, three pumps, each before its folder's status: the third shows the second's.
  EXPECT_EQ(backend.Pumps() - pumpsBefore, 3);
  EXPECT_EQ(statusAtThirdPump, "Scanning: c:\\p\\" + std::string(60, 'a'));
  const std::string lowered = "c:\\p\\" + std::string(60, 'a') + "\\" + std::string(60, 'b');
  EXPECT_EQ(Scan().lblStatus.Caption(),
            "Scanning: " + lowered.substr(0, 45) + "..." + lowered.substr(lowered.size() - 45));
  EXPECT_EQ(app.ScanFileCount, 6);
}

}  // namespace
}  // namespace test

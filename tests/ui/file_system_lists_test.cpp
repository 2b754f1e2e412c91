#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

using platform::kAttrArchive;
using platform::kAttrHidden;
using platform::kAttrNormal;
using platform::kAttrReadOnly;
using platform::kAttrSystem;

// The browser of the main window in small: drive, folder and file lists wired as the
// program wires them, with the drive fallback to C:.
class frmBrowser : public ui::Form {
 public:
  explicit frmBrowser(ui::Context& ctx) : Form(ctx, "frmBrowser") {
    Drive1.onChange = [this] { Drive1_Change(); };
    Dir1.onChange = [this] { Dir1_Change(); };
    Dir1.onClick = [this] { log.push_back("Dir1_Click"); };
    File1.onPathChange = [this] { log.push_back("File1_PathChange"); };
    File1.onPatternChange = [this] { log.push_back("File1_PatternChange"); };
  }

  void Drive1_Change() {
    log.push_back("Drive1_Change " + Drive1.Drive());
    try {
      Dir1.SetPath(Drive1.Drive());
    } catch (const runtime::Error& error) {
      if (error.Number() != runtime::kDeviceUnavailable) return;
      Drive1.SetDrive("c:\\");
      Ctx().MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
    }
  }
  void Dir1_Change() {
    log.push_back("Dir1_Change " + Dir1.Path());
    File1.SetPath(Dir1.Path());
  }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (int i = 0; i < File1.ListCount(); ++i) names.push_back(File1.List(i));
    return names;
  }

  ui::DriveListBox Drive1{this, "Drive1"};
  ui::DirListBox Dir1{this, "Dir1"};
  ui::FileListBox File1{this, "File1"};
  std::vector<std::string> log;
};

class FileSystemListsTest : public test::AppFixture {
 protected:
  FileSystemListsTest() {
    fileSystem.AddDrive("D:", "DATA");
    fileSystem.AddDrive("E:", "", false);
    fileSystem.AddFolder("C:\\Jobs\\A");
    fileSystem.AddFolder("C:\\Jobs\\b");
    fileSystem.AddFolder("C:\\Jobs\\Secret", kAttrHidden);
    fileSystem.AddFolder("D:\\Drawings");
    fileSystem.AddFile("C:\\Jobs\\plan.dwg", "x");
    fileSystem.AddFile("C:\\Jobs\\PLAN2.DWG", "x");
    fileSystem.AddFile("C:\\Jobs\\notes.txt", "x");
    fileSystem.AddFile("C:\\Jobs\\ro.dwg", "x", kAttrReadOnly);
    fileSystem.AddFile("C:\\Jobs\\h.dwg", "x", kAttrHidden);
    fileSystem.AddFile("C:\\Jobs\\sys.dwg", "x", kAttrSystem);
    fileSystem.AddFile("C:\\Jobs\\norm.dwg", "x", kAttrNormal);
  }

  void ExpectError(int number, const std::function<void()>& action) {
    try {
      action();
      ADD_FAILURE() << "no error";
    } catch (const runtime::Error& error) {
      EXPECT_EQ(error.Number(), number);
    }
  }

  frmBrowser& Browser() {
    if (!form_) {
      form_ = std::make_unique<frmBrowser>(ctx);
      form_->Show();
    }
    return *form_;
  }

 private:
  std::unique_ptr<frmBrowser> form_;
};

TEST_F(FileSystemListsTest, TheDriveListShowsLettersWithLabelsAndTakesEitherForm) {
  frmBrowser& form = Browser();
  EXPECT_EQ(form.Drive1.Drive(), "c:");
  EXPECT_EQ(form.Drive1.ListCount(), 3);
  form.Drive1.SetDrive("D:\\Drawings");
  EXPECT_EQ(form.Drive1.Drive(), "d: [DATA]");
  form.Drive1.SetDrive("d: [DATA]");
  form.Drive1.SetDrive("d");
  EXPECT_EQ(form.log.front(), "Drive1_Change d: [DATA]");
  EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "Drive1_Change d: [DATA]"), 1);
  EXPECT_EQ(form.Dir1.Path(), "D:\\") << "the folder list follows the drive";
  ExpectError(68, [&] { form.Drive1.SetDrive("q:\\"); });
  EXPECT_EQ(form.Drive1.Drive(), "d: [DATA]");
}

TEST_F(FileSystemListsTest, ADriveThatIsNotReadyFallsBackToCWithOneMessage) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.log.clear();
  ExpectMessage("Tornavane Alert", "That Drive is not responding...\rPlease select another drive!");
  user.ChooseDrive(form.Drive1, "e:");
  EXPECT_EQ(form.Drive1.Drive(), "c:");
  EXPECT_EQ(form.Dir1.Path(), "C:\\") << "the current folder of C: is its root here";
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"Drive1_Change e:", "Drive1_Change c:", "Dir1_Change C:\\", "File1_PathChange"}));
}

TEST_F(FileSystemListsTest, TheFolderListShowsTheOpenFoldersAndTheSubfolders) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("c:\\JOBS\\");
  EXPECT_EQ(form.Dir1.Path(), "C:\\Jobs") << "stored letter case, no trailing backslash";
  EXPECT_EQ(form.Dir1.Levels(), 2);
  EXPECT_EQ(form.Dir1.ListCount(), 2) << "hidden folders are not listed";
  const std::pair<int, const char*> items[] = {{-3, ""},           {-2, "C:\\"},       {-1, "C:\\Jobs"},
                                               {0, "C:\\Jobs\\A"}, {1, "C:\\Jobs\\b"}, {2, ""}};
  for (const auto& [index, path] : items) EXPECT_EQ(form.Dir1.List(index), path) << index;
  EXPECT_EQ(form.Dir1.ItemCaption(-2), "C:\\");
  EXPECT_EQ(form.Dir1.ItemCaption(1), "b");
  EXPECT_EQ(form.Dir1.ListIndex(), -1);
}

TEST_F(FileSystemListsTest, ClickingAFolderHighlightsItAndOpeningItChangesThePath) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.log.clear();
  user.ClickItem(form.Dir1, 0);
  EXPECT_EQ(form.Dir1.Path(), "C:\\Jobs");
  EXPECT_EQ(form.Dir1.ListIndex(), 0);
  user.OpenItem(form.Dir1, -2);
  EXPECT_EQ(form.Dir1.Path(), "C:\\");
  EXPECT_EQ(form.log, (std::vector<std::string>{"Dir1_Click", "Dir1_Click", "Dir1_Change C:\\", "File1_PathChange"}));
}

TEST_F(FileSystemListsTest, FolderPathsResolveLikeTheClassicControl) {
  fileSystem.SetCurrentFolder("C:\\Jobs\\A");
  frmBrowser& form = Browser();
  struct Case {
    const char* set;
    const char* path;
  };
  const Case cases[] = {
      {"C:\\Jobs\\b", "C:\\Jobs\\b"},
      {"..", "C:\\Jobs"},
      {"b\\.", "C:\\Jobs\\b"},
      {"", "C:\\Jobs\\A"},
      {"d: [DATA]", "D:\\"},
      {"Drawings", "D:\\Drawings"},
      {"c:", "C:\\Jobs\\A"},
      {"\\Jobs", "C:\\Jobs"},
      {"c:\\jobs\\..\\..\\..", "C:\\"},
  };
  for (const auto& c : cases) {
    form.Dir1.SetPath(c.set);
    EXPECT_EQ(form.Dir1.Path(), c.path) << c.set;
  }
}

TEST_F(FileSystemListsTest, MissingFoldersAndUnreadyDrivesAreErrorsAndChangeNothing) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.log.clear();
  ExpectError(76, [&] { form.Dir1.SetPath("C:\\Jobs\\Gone"); });
  ExpectError(76, [&] { form.Dir1.SetPath("C:\\Jobs\\plan.dwg"); });
  ExpectError(68, [&] { form.Dir1.SetPath("E:\\"); });
  ExpectError(68, [&] { form.Dir1.SetPath("q:"); });
  ExpectError(76, [&] { form.File1.SetPath("C:\\Nowhere"); });
  EXPECT_EQ(form.Dir1.Path(), "C:\\Jobs");
  EXPECT_EQ(form.File1.Path(), "C:\\Jobs");
  EXPECT_TRUE(form.log.empty());
}

// Both lists keep the locale's text order: the hyphen counts only between names that are
// otherwise equal, so "a-c" follows "ab", and "_" comes before digits and letters.
TEST_F(FileSystemListsTest, TheFolderAndFileListsKeepTheLocalesOrder) {
  for (const char* name : {"a-c", "AB", "a1", "_b"}) {
    fileSystem.AddFolder(std::string("C:\\Sort\\") + name);
    fileSystem.AddFile(std::string("C:\\Sort\\") + name + ".dwg", "x");
  }
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Sort");
  form.File1.SetPath("C:\\Sort");
  std::vector<std::string> folders;
  for (int i = 0; i < form.Dir1.ListCount(); ++i) folders.push_back(form.Dir1.ItemCaption(i));
  EXPECT_EQ(folders, (std::vector<std::string>{"_b", "a1", "AB", "a-c"}));
  EXPECT_EQ(form.Files(), (std::vector<std::string>{"_b.dwg", "a1.dwg", "AB.dwg", "a-c.dwg"}));
}

TEST_F(FileSystemListsTest, PatternsSeparatedBySemicolonsListEachNameOnce) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"*.dwg", {"norm.dwg", "plan.dwg", "PLAN2.DWG", "ro.dwg"}},
      {"*.txt;plan.*", {"notes.txt", "plan.dwg"}},
      {"p*;*.DWG;", {"norm.dwg", "plan.dwg", "PLAN2.DWG", "ro.dwg"}},
      {"*.xyz", {}},
  };
  for (const auto& [pattern, files] : cases) {
    form.File1.SetPattern(pattern);
    EXPECT_EQ(form.Files(), files) << pattern;
  }
}

TEST_F(FileSystemListsTest, AttributeFiltersChooseWhichFilesShow) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.File1.SetPattern("*.dwg");
  struct Case {
    const char* what;
    std::function<void(ui::FileListBox&)> set;
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {"defaults", [](ui::FileListBox&) {}, {"norm.dwg", "plan.dwg", "PLAN2.DWG", "ro.dwg"}},
      {"hidden",
       [](ui::FileListBox& f) { f.SetHidden(true); },
       {"h.dwg", "norm.dwg", "plan.dwg", "PLAN2.DWG", "ro.dwg"}},
      {"system",
       [](ui::FileListBox& f) { f.SetSystem(true); },
       {"norm.dwg", "plan.dwg", "PLAN2.DWG", "ro.dwg", "sys.dwg"}},
      {"no read-only", [](ui::FileListBox& f) { f.SetReadOnly(false); }, {"norm.dwg", "plan.dwg", "PLAN2.DWG"}},
      {"no normal", [](ui::FileListBox& f) { f.SetNormal(false); }, {"plan.dwg", "PLAN2.DWG", "ro.dwg"}},
      {"no archive", [](ui::FileListBox& f) { f.SetArchive(false); }, {"norm.dwg", "ro.dwg"}},
  };
  for (const auto& c : cases) {
    ui::FileListBox list{&form, "File2"};
    list.SetPath("C:\\Jobs");
    list.SetPattern("*.dwg");
    c.set(list);
    std::vector<std::string> names;
    for (int i = 0; i < list.ListCount(); ++i) names.push_back(list.List(i));
    EXPECT_EQ(names, c.files) << c.what;
  }
}

TEST_F(FileSystemListsTest, APatternTheFileSystemRefusesKeepsTheOldOne) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.File1.SetPattern("*.txt");
  form.log.clear();
  EXPECT_THROW(form.File1.SetPattern("a|b"), runtime::Error);
  EXPECT_EQ(form.File1.Pattern(), "*.txt");
  EXPECT_EQ(form.Files(), std::vector<std::string>{"notes.txt"});
  EXPECT_TRUE(form.log.empty());
}

TEST_F(FileSystemListsTest, FileNameSelectsAnEntryOrSetsThePattern) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.File1.SetFileName("*.dwg");
  EXPECT_EQ(form.File1.Pattern(), "*.dwg");
  form.File1.SetFileName("PLAN.DWG");
  EXPECT_EQ(form.File1.FileName(), "plan.dwg");
  EXPECT_EQ(form.File1.List(form.File1.ListIndex()), "plan.dwg");
}

TEST_F(FileSystemListsTest, RefreshReadsTheFolderAgain) {
  frmBrowser& form = Browser();
  form.Dir1.SetPath("C:\\Jobs");
  form.File1.SetPattern("*.txt");
  form.File1.SetListIndex(0);
  fileSystem.AddFile("C:\\Jobs\\added.txt", "x");
  EXPECT_EQ(form.File1.ListCount(), 1);
  form.File1.Refresh();
  EXPECT_EQ(form.Files(), (std::vector<std::string>{"added.txt", "notes.txt"}));
  EXPECT_EQ(form.File1.ListIndex(), -1);
}

}  // namespace

// The recursive folder scans and the "+" button, over a small fake folder tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "queue/frm_scan_stop.h"
#include "queue/queue_fixture.h"

namespace {

class FolderScanTest : public test::QueueFixture {
 protected:
  void AddFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) fileSystem.AddFile(path, "AC1027");
  }
};

TEST_F(FolderScanTest, FindsMatchingFilesAtEveryDepthInSearchOrder) {
  AddFiles({"C:\\Tree\\a.dwg", "C:\\Tree\\notes.txt", "C:\\Tree\\Sub\\B.DWG", "C:\\Tree\\Sub\\Deep\\c.dwg",
            "C:\\Tree\\Sub\\Deep\\d.dxf", "C:\\Tree\\x.dwg\\e.dwg", "C:\\Tree\\Plan1.dwg", "C:\\Tree\\PlanA.dwg",
            "C:\\Tree\\ab", "C:\\Tree\\a.b"});
  fileSystem.AddFolder("C:\\Tree\\Empty");
  struct Case {
    const char* pattern;
    std::vector<std::string> found;
  };
  const Case cases[] = {
      {"*.dwg",
       {"C:\\Tree\\a.dwg", "C:\\Tree\\Plan1.dwg", "C:\\Tree\\PlanA.dwg", "C:\\Tree\\Sub\\B.DWG",
        "C:\\Tree\\Sub\\Deep\\c.dwg", "C:\\Tree\\x.dwg\\e.dwg"}},
      {"Plan#.dwg", {"C:\\Tree\\Plan1.dwg"}},
      {"*.*",
       {"C:\\Tree\\a.b", "C:\\Tree\\a.dwg", "C:\\Tree\\notes.txt", "C:\\Tree\\Plan1.dwg", "C:\\Tree\\PlanA.dwg",
        "C:\\Tree\\Sub\\B.DWG", "C:\\Tree\\Sub\\Deep\\c.dwg", "C:\\Tree\\Sub\\Deep\\d.dxf", "C:\\Tree\\x.dwg\\e.dwg"}},
      {"*.dxf;c.*", {"C:\\Tree\\Sub\\Deep\\c.dwg", "C:\\Tree\\Sub\\Deep\\d.dxf"}},
      {"*.zip", {}},
  };
  for (const Case& c : cases) {
    Main().List1.Clear();
    app.ScanFileCount = 5;
    Main().AddFilesRecursive("C:\\Tree\\", c.pattern, Main().List1);
    EXPECT_EQ(QueueEntries(), c.found) << c.pattern;
    EXPECT_EQ(app.ScanFileCount, 5 + static_cast<long>(c.found.size())) << "the count goes on from where it was";
  }
  EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "7 files found") << "the last scan that found a file";
  EXPECT_EQ(backend.ScreenPointer(), ui::Pointer::kDefault);
}

TEST_F(FolderScanTest, LinksAreNotFollowedSoALoopFindsEachFileOnce) {
  AddFiles({"C:\\Loop\\a.dwg", "C:\\Loop\\Sub\\b.dwg"});
  fileSystem.AddJunction("C:\\Loop\\Sub\\Back", "C:\\Loop");
  ASSERT_EQ(fileSystem.Find("C:\\Loop\\Sub\\Back\\*").size(), 2u) << "the junction leads back to the top";

  Main().AddFilesRecursive("C:\\Loop", "*.dwg", Main().List1);

  EXPECT_EQ(QueueEntries(), (std::vector<std::string>{"C:\\Loop\\a.dwg", "C:\\Loop\\Sub\\b.dwg"}));
}

TEST_F(FolderScanTest, FoldersPastTheSearchLimitOrUnreadableEndTheirBranchQuietly) {
  std::string deep = "C:\\Long";
  while (deep.size() < 240) deep += "\\Level-of-folders";
  AddFiles({"C:\\Long\\top.dwg", deep + "\\near.dwg", deep + "\\Too-deep-for-a-search\\far.dwg",
            "C:\\Long\\Locked\\x.dwg", "C:\\Long\\zz.dwg"});
  fileSystem.FailOn("C:\\Long\\Locked", 70, platform::fake::FakeOperation::kFind);

  Main().AddFilesRecursive("C:\\Long", "*.dwg", Main().List1);

  EXPECT_EQ(QueueEntries(), (std::vector<std::string>{deep + "\\near.dwg", "C:\\Long\\top.dwg", "C:\\Long\\zz.dwg"}));
}

TEST_F(FolderScanTest, StopEndsTheScanAtEveryDepthAndTheCountSaysWhatWasAdded) {
  AddFiles({"C:\\Tree\\a.dwg", "C:\\Tree\\Sub\\b.dwg", "C:\\Tree\\Sub\\Deep\\c.dwg", "C:\\Tree\\Sub\\Deep\\d.dwg",
            "C:\\Tree\\Sub\\e.dwg", "C:\\Tree\\z.dwg"});
  Main().Dir1.SetPath("C:\\Tree");
  Main().tbDWGFilter.SetText("*.dwg");
  // Events run as each folder is entered and after each entry: Tree, a.dwg, Sub, b.dwg, Deep,
  // c.dwg; Stop is pressed after c.dwg, two levels down.
  AtPump(6, [this] { user.Click(app.frmScanStop().cmdCancel); });
  ExpectMessage("Scan Complete", "3 Files Added to Queue.").Buttons(ui::MsgButtons::kOk);

  user.Click(Main().cmdAddAllSub);

  EXPECT_EQ(QueueEntries(),
            (std::vector<std::string>{"C:\\Tree\\a.dwg", "C:\\Tree\\Sub\\b.dwg", "C:\\Tree\\Sub\\Deep\\c.dwg"}));
  EXPECT_EQ(Main().settings.STOPSCAN, 0);
  EXPECT_FALSE(app.frmScanStop().Visible());

  // A scan called while the flag is still set adds nothing.
  Main().settings.STOPSCAN = 1;
  Main().AddFilesRecursive("C:\\Tree", "*.dwg", Main().List1);
  EXPECT_EQ(Main().List1.ListCount(), 3);
}

TEST_F(FolderScanTest, PlusAppendsTheTreeThenRefreshesClearsTheListMarkerAndSorts) {
  AddFiles({"C:\\Tree\\b.dwg", "C:\\Tree\\Sub\\a.dwg", "C:\\Tree\\c.dxf"});
  Main().Dir1.SetPath("C:\\Tree");
  Main().tbDWGFilter.SetText("*.dwg;*.dxf");
  Main().List1.AddItem("C:\\Tree\\b.dwg");
  Main().cmdFileList.SetCaption("=File&Lists=");
  Main().List1.SetToolTipText("FileList: \"jobs.lst\" is Loaded");
  Main().settings.AutoSortEnabled = 1;
  Main().settings.AutoSortType = 0;
  bool stopWindowShown = false;
  AtPump(1, [&] { stopWindowShown = app.frmScanStop().Visible(); });
  // Behind the message the stop window is gone, its count final.
  ExpectMessage("Scan Complete", "3 Files Added to Queue.").WhileShown([&] {
    EXPECT_FALSE(app.frmScanStop().Visible());
    EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "3 files found");
  });

  user.Click(Main().cmdAddAllSub);

  EXPECT_TRUE(stopWindowShown);
  EXPECT_EQ(QueueEntries(),
            (std::vector<std::string>{"C:\\Tree\\b.dwg", "C:\\Tree\\b.dwg", "C:\\Tree\\c.dxf", "C:\\Tree\\Sub\\a.dwg"}))
      << "already queued files are added again, then the automatic sort runs";
  EXPECT_EQ(Main().lblFilesInQueue.Caption(), "Queue = 4");
  EXPECT_EQ(Main().cmdFileList.Caption(), "File&Lists");
  EXPECT_EQ(Main().List1.ToolTipText(), "");
  EXPECT_EQ(Main().lblUpdate.Caption(), "Ready");
}

// A template is loaded by its folder and title, so a title from a sub-folder could not be
// loaded: only the folder's own files are listed.
TEST_F(FolderScanTest, TitlesComeFromTheFolderItselfInUpperCase) {
  AddFiles({"C:\\Templates\\Plant_A.tag", "C:\\Templates\\b.TAG", "C:\\Templates\\readme.txt",
            "C:\\Templates\\Old\\Plant_B.tag"});
  app.ScanFileCount = 0;

  Main().AddFileTitlesRecursive("C:\\Templates", "*.TAG", Main().List1);

  EXPECT_EQ(QueueEntries(), (std::vector<std::string>{"B", "PLANT_A"}));
  EXPECT_EQ(app.ScanFileCount, 2);
}

}  // namespace

#include "queue/queue_drop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "queue/frm_scan_stop.h"
#include "queue/queue_fixture.h"

namespace {

using Paths = std::vector<std::string>;
using queue::DropKind;

TEST(DropRules, TheFilterComparesTheWholePathAndComesBeforeTheTextListRule) {
  struct Case {
    bool folder;
    const char* path;
    const char* filter;
    DropKind kind;
  };
  const Case cases[] = {
      {true, "C:\\Jobs\\x.dwg", "*.dwg", DropKind::kFolder},
      {false, "C:\\Jobs\\a.DWG", "*.dwg", DropKind::kDrawing},
      {false, "C:\\Jobs\\A1.dwg", "A*.dwg", DropKind::kIgnored},
      {false, "C:\\Jobs\\a.dxf", "*.dwg;*.dxf", DropKind::kDrawing},
      {false, "C:\\Jobs\\list.txt", "*.dwg", DropKind::kPathList},
      {false, "C:\\Jobs\\list.txt", "*.*", DropKind::kDrawing},
      {false, "C:\\Jobs\\list.csv", "*.dwg", DropKind::kIgnored},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(queue::ClassifyDrop(c.folder, c.path, runtime::WildcardPatternList(c.filter)), c.kind)
        << c.path << " with " << c.filter;
  }
}

TEST(DropRules, APathListQueuesItsUnquotedDrawingLinesWithADriveLetter) {
  const std::vector<std::string> lines = {
      "C:\\a.dwg", "\"D:\\b.DWG\"", "\\\\server\\share\\c.dwg", "c.dwg", "", "\"", "\"E:\\x.dxf\"", "\"F:\\y.dwg",
  };
  EXPECT_EQ(queue::PathListEntries(lines, "*.dwg"), (Paths{"C:\\a.dwg", "D:\\b.DWG"}));
  EXPECT_EQ(queue::PathListEntries(lines, "*.dwg;*.dxf"), (Paths{"C:\\a.dwg", "D:\\b.DWG", "E:\\x.dxf"}));
  EXPECT_EQ(queue::UnquotedLine("\""), "");
  EXPECT_EQ(queue::UnquotedLine("\"\""), "");
  EXPECT_EQ(queue::UnquotedLine("\"a\"b\""), "a\"b");
}

class QueueDrop : public test::QueueFixture {
 protected:
  QueueDrop() {
    fileSystem.AddFile("C:\\In\\five.txt", "C:\\a.dwg\r\n\"D:\\b.DWG\"\r\n\\\\server\\share\\c.dwg\r\nc.dwg\r\n\r\n");
    fileSystem.AddFile("C:\\In\\one.dwg", "AC1018");
    fileSystem.AddFile("C:\\In\\table.csv", "a,b\r\n");
  }

  mainwindow::frmMain& WithFilter(const char* filter) {
    mainwindow::frmMain& main = WithQueue({"C:\\Old\\X.dwg"});
    main.tbDWGFilter.SetText(filter);
    main.SetLoadedListMarker("Monday.lst");
    return main;
  }
};

TEST_F(QueueDrop, DroppedFilesAndPathListsAreAppendedInTheOrderOfTheDrop) {
  struct Case {
    const char* filter;
    Paths dropped;
    Paths added;
  };
  const Case cases[] = {
      {"*.dwg", {"C:\\In\\five.txt"}, {"C:\\a.dwg", "D:\\b.DWG"}},
      {"*.dwg",
       {"C:\\In\\one.dwg", "C:\\In\\table.csv", "C:\\In\\five.txt"},
       {"C:\\In\\one.dwg", "C:\\a.dwg", "D:\\b.DWG"}},
      {"*.*", {"C:\\In\\five.txt"}, {"C:\\In\\five.txt"}},
      {"one*.dwg", {"C:\\In\\one.dwg"}, {}},
      {"*.dwg", {"C:\\In\\one.dwg", "C:\\In\\one.dwg"}, {"C:\\In\\one.dwg", "C:\\In\\one.dwg"}},
  };
  for (const Case& c : cases) {
    mainwindow::frmMain& main = WithFilter(c.filter);
    user.Drop(main.List1, c.dropped);
    Paths expected{"C:\\Old\\X.dwg"};
    expected.insert(expected.end(), c.added.begin(), c.added.end());
    EXPECT_EQ(Entries(main.List1), expected) << c.filter << " " << c.dropped.size();
    EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = " + std::to_string(expected.size()));
    EXPECT_FALSE(ShowsLoadedList(main));
  }
}

// The drawing filter of the list's lines is the stored pattern, which the filter box keeps.
TEST_F(QueueDrop, APathListTakesEveryPatternOfTheFilter) {
  mainwindow::frmMain& main = WithFilter("*.dwg;*.dxf");
  fileSystem.AddFile("C:\\In\\mixed.TXT", "C:\\p\\a.dxf\r\nC:\\p\\b.dwg\r\nC:\\p\\c.dwt\r\n");
  user.Drop(main.List1, {"C:\\In\\mixed.TXT"});
  EXPECT_EQ(Entries(main.List1), (Paths{"C:\\Old\\X.dwg", "C:\\p\\a.dxf", "C:\\p\\b.dwg"}));
}

TEST_F(QueueDrop, AFolderAddsItsDrawingsAtEveryDepthBeforeTheNextDroppedPath) {
  fileSystem.AddFile("C:\\Tree\\t1.dwg", "AC1018");
  fileSystem.AddFile("C:\\Tree\\notes.txt", "n");
  fileSystem.AddFile("C:\\Tree\\Sub\\Deeper\\t2.DWG", "AC1018");
  mainwindow::frmMain& main = WithFilter("*.dwg");
  user.Drop(main.List1, {"C:\\Tree", "C:\\In\\one.dwg", "C:\\In\\table.csv"});
  EXPECT_EQ(Entries(main.List1),
            (Paths{"C:\\Old\\X.dwg", "C:\\Tree\\Sub\\Deeper\\t2.DWG", "C:\\Tree\\t1.dwg", "C:\\In\\one.dwg"}));
  EXPECT_EQ(main.lblFilesInQueue.Caption(), "Queue = 4");
  EXPECT_FALSE(app.frmScanStop().Visible());
  EXPECT_EQ(app.frmScanStop().lblScanned.Caption(), "2 files found");
  EXPECT_EQ(main.MousePointer(), ui::Pointer::kDefault);
}

// The scan lets events run: the stop window is up, a click on Clear All does nothing and Stop
// ends that folder's scan; the drop goes on with its next path.
TEST_F(QueueDrop, AFolderScanShowsTheStopWindowAndHoldsTheQueueUntilItEnds) {
  for (const char* name : {"a.dwg", "b.dwg", "c.dwg", "d.dwg"}) fileSystem.AddFile(std::string("C:\\Tree\\") + name, "AC1018");
  mainwindow::frmMain& main = WithFilter("*.dwg");
  AtPump(2, [&] {
    EXPECT_TRUE(app.frmScanStop().Visible());
    user.Click(main.cmdRemoveAllDwg);
  });
  AtPump(3, [&] { user.Click(app.frmScanStop().cmdCancel); });
  user.Drop(main.List1, {"C:\\Tree", "C:\\In\\one.dwg"});
  EXPECT_EQ(Entries(main.List1),
            (Paths{"C:\\Old\\X.dwg", "C:\\Tree\\a.dwg", "C:\\Tree\\b.dwg", "C:\\In\\one.dwg"}));
  EXPECT_FALSE(app.frmScanStop().Visible());
}

TEST_F(QueueDrop, AListThatCannotBeReadIsPassedOverAndTheDropGoesOn) {
  fileSystem.FailOn("C:\\In\\five.txt", 70, platform::fake::FakeOperation::kRead);
  mainwindow::frmMain& main = WithFilter("*.dwg");
  user.Drop(main.List1, {"C:\\In\\five.txt", "C:\\In\\one.dwg"});
  EXPECT_EQ(Entries(main.List1), (Paths{"C:\\Old\\X.dwg", "C:\\In\\one.dwg"}));
  EXPECT_FALSE(fileSystem.IsOpen("C:\\In\\five.txt"));
  EXPECT_FALSE(ShowsLoadedList(main));
}

}  // namespace

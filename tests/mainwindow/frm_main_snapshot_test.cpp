// The five User Sets: switching pages saves the page left and loads the page chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"

namespace {

constexpr const char* kData = "C:\\Program Files\\Tornavane\\DATA\\";

class SnapshotTest : public test::ProgramFixture {
 protected:
  SnapshotTest() {
    fileSystem.AddFolder("C:\\Jobs\\North");
    fileSystem.AddFolder("C:\\Jobs\\South");
  }
  mainwindow::frmMain& Main() {
    mainwindow::frmMain& main = app.frmMain();
    if (!main.Visible()) main.Show();
    return main;
  }
  std::string Data(const std::string& name) { return kData + name; }
  std::vector<std::string> Queue() {
    std::vector<std::string> entries;
    for (int i = 0; i < Main().List1.ListCount(); ++i) entries.push_back(Main().List1.List(i));
    return entries;
  }
  // A page's work: the queue, the script, its name and the folder.
  void Fill(const std::vector<std::string>& queue, const std::string& script, const std::string& name,
            const std::string& folder) {
    Main().List1.Clear();
    for (const std::string& entry : queue) Main().List1.AddItem(entry);
    user.Fill(Main().Text1, script);
    user.Fill(Main().Text2, name);
    Main().Dir1.SetPath(folder);
  }
};

TEST_F(SnapshotTest, LeavingAPageWritesItsFourFiles) {
  Fill({"C:\\Jobs\\North\\N1.dwg", ""}, "ZOOM\r\nQSAVE", "North plots", "C:\\Jobs\\North");
  user.Click(Main().optPage[3]);
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-0-list.tmp")), "C:\\Jobs\\North\\N1.dwg\r\n\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-0-scr.tmp")), "ZOOM\r\nQSAVE\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-0-s.tmp")), "North plots\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("drafter1-0-path.tmp")), "c:\r\nC:\\Jobs\\North\r\n");
  EXPECT_EQ(Main().settings.Face, 3);
}

TEST_F(SnapshotTest, APageWithoutFilesEmptiesOnlyTheQueue) {
  Fill({"C:\\Jobs\\North\\N1.dwg"}, "ZOOM", "North plots", "C:\\Jobs\\North");
  Main().UpdateQueueControls();
  ASSERT_TRUE(Main().cmdRemoveAllDwg.Enabled());
  user.Click(Main().optPage[2]);
  EXPECT_TRUE(Queue().empty());
  EXPECT_FALSE(Main().cmdRemoveAllDwg.Enabled());
  EXPECT_EQ(Main().Text1.Text(), "ZOOM");
  EXPECT_EQ(Main().Text2.Text(), "North plots");
  EXPECT_EQ(Main().Dir1.Path(), "C:\\Jobs\\North");
}

TEST_F(SnapshotTest, SwitchingBackRestoresEachPage) {
  Fill({"C:\\Jobs\\North\\N1.dwg"}, "NORTH", "North plots", "C:\\Jobs\\North");
  user.Click(Main().optPage[1]);
  Fill({"C:\\Jobs\\South\\S1.dwg", "C:\\Jobs\\South\\S2.dwg"}, "SOUTH", "South plots", "C:\\Jobs\\South");
  user.Click(Main().optPage[0]);
  EXPECT_EQ(Queue(), std::vector<std::string>{"C:\\Jobs\\North\\N1.dwg"});
  EXPECT_EQ(Main().Text1.Text(), "NORTH");
  EXPECT_EQ(Main().Text2.Text(), "North plots");
  EXPECT_EQ(Main().Dir1.Path(), "C:\\Jobs\\North");
  EXPECT_EQ(Main().settings.SCRChanged, core::kTrue);
  user.Click(Main().optPage[1]);
  EXPECT_EQ(Queue(), (std::vector<std::string>{"C:\\Jobs\\South\\S1.dwg", "C:\\Jobs\\South\\S2.dwg"}));
  EXPECT_EQ(Main().Text1.Text(), "SOUTH");
  EXPECT_EQ(Main().Dir1.Path(), "C:\\Jobs\\South");
  EXPECT_EQ(Main().settings.Face, 1);
}

TEST_F(SnapshotTest, APageWhoseFolderIsGoneKeepsItsQueueAndScript) {
  fileSystem.AddFile(Data("drafter1-4-list.tmp"), "C:\\X.dwg\r\n");
  fileSystem.AddFile(Data("drafter1-4-scr.tmp"), "X\r\n");
  fileSystem.AddFile(Data("drafter1-4-s.tmp"), "Xs\r\n");
  fileSystem.AddFile(Data("drafter1-4-path.tmp"), "c:\r\nC:\\Gone\r\n");
  Fill({}, "", "", "C:\\Jobs\\North");
  user.Click(Main().optPage[4]);
  EXPECT_EQ(Queue(), std::vector<std::string>{"C:\\X.dwg"});
  EXPECT_EQ(Main().Text1.Text(), "X");
  EXPECT_EQ(Main().Text2.Text(), "Xs");
  EXPECT_EQ(Main().Dir1.Path(), "C:\\Jobs\\North");
}

// A page left on a network folder comes back to it, whatever drive the path file names.
TEST_F(SnapshotTest, APageOnANetworkFolderComesBackToIt) {
  fileSystem.AddShare("\\\\server\\share");
  fileSystem.AddFolder("\\\\server\\share\\jobs");
  for (const char* drive : {"c:", "q:"}) {
    SCOPED_TRACE(drive);
    fileSystem.AddFile(Data("drafter1-1-list.tmp"), "\\\\server\\share\\jobs\\A.dwg\r\n");
    fileSystem.AddFile(Data("drafter1-1-scr.tmp"), "ZOOM\r\n");
    fileSystem.AddFile(Data("drafter1-1-s.tmp"), "Net\r\n");
    fileSystem.AddFile(Data("drafter1-1-path.tmp"), std::string(drive) + "\r\n\\\\server\\share\\jobs\r\n");
    Fill({}, "", "", "C:\\Jobs\\North");
    user.Click(Main().optPage[1]);
    EXPECT_EQ(Main().Dir1.Path(), "\\\\server\\share\\jobs");
    EXPECT_EQ(Main().Text2.Text(), "Net");
    user.Click(Main().optPage[0]);
    EXPECT_EQ(Main().Dir1.Path(), "C:\\Jobs\\North");
  }
}

TEST_F(SnapshotTest, AShortScriptFileStopsThePageLoadAfterTheQueue) {
  fileSystem.AddFile(Data("drafter1-2-list.tmp"), "C:\\Y.dwg\r\n");
  fileSystem.AddFile(Data("drafter1-2-scr.tmp"), "Y");
  fileSystem.AddFile(Data("drafter1-2-s.tmp"), "Ys\r\n");
  Fill({}, "KEPT", "kept", "C:\\Jobs\\North");
  user.Click(Main().optPage[2]);
  EXPECT_EQ(Queue(), std::vector<std::string>{"C:\\Y.dwg"});
  EXPECT_EQ(Main().Text1.Text(), "KEPT");
  EXPECT_EQ(Main().Text2.Text(), "kept");
}

TEST_F(SnapshotTest, ASwitchWhosePageCannotBeSavedIsAbandoned) {
  fileSystem.AddFile(Data("drafter1-0-list.tmp"), "", platform::kAttrReadOnly);
  fileSystem.AddFile(Data("drafter1-3-list.tmp"), "C:\\Other.dwg\r\n");
  Fill({"C:\\Jobs\\North\\N1.dwg"}, "ZOOM", "North plots", "C:\\Jobs\\North");
  ExpectMessage(" Error #75 was generated by Tornavane.", "File is write protected\r\n" + Data("drafter1-0-list.tmp"));
  user.Click(Main().optPage[3]);
  EXPECT_EQ(Main().settings.Face, 0);
  EXPECT_TRUE(Main().optPage[0].Value());
  EXPECT_FALSE(Main().optPage[3].Value());
  EXPECT_EQ(Queue(), std::vector<std::string>{"C:\\Jobs\\North\\N1.dwg"});
  EXPECT_EQ(Main().Text1.Text(), "ZOOM");
}

}  // namespace

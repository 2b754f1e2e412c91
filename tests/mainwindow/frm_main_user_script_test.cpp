#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"
#include "platform/file_system.h"

namespace {

class UserScriptPanel : public test::MainWindowFixture {
 protected:
  mainwindow::frmMain& ScriptsListed() {
    mainwindow::frmMain& main = Main();
    main.File2.SetPath(Program("SCRIPTS"));
    return main;
  }

  std::vector<std::string> Listed(const ui::ListControl& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.ListCount(); ++i) names.push_back(list.List(i));
    return names;
  }
};

TEST_F(UserScriptPanel, BuildButtonsNeedAScriptAndAQueue) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  user.Type(main.Text1, "ZOOM E");
  EXPECT_EQ(main.settings.SCRChanged, core::kTrue);
  EXPECT_FALSE(main.Command1_Compile.Enabled());
  EXPECT_FALSE(main.cmdCreateAndRun.Enabled());

  main.List1.AddItem("C:\\Jobs\\A1.dwg");
  user.Type(main.Text1, "\r\n");
  EXPECT_TRUE(main.Command1_Compile.Enabled());
  EXPECT_TRUE(main.cmdCreateAndRun.Enabled());

  user.Fill(main.Text1, "");
  EXPECT_FALSE(main.Command1_Compile.Enabled());
  EXPECT_FALSE(main.cmdCreateAndRun.Enabled());
}

TEST_F(UserScriptPanel, TheNamedScriptFileDecidesSaveDeleteAndReadOnly) {
  const std::string folder = Program("SCRIPTS");
  fileSystem.AddFile(folder + "\\Locked.scr", "a\r\n", platform::kAttrReadOnly | platform::kAttrArchive);
  fileSystem.AddFile(folder + "\\Open.scr", "b\r\n");
  struct Case {
    const char* name;
    bool buttons;
    int readOnly;
  };
  const Case cases[] = {
      {"Locked", false, ui::kChecked},   {"Open", true, ui::kUnchecked},
      {"LOCKED", false, ui::kChecked},  // file names ignore letter case
      {"Missing", true, ui::kUnchecked}, {"", true, ui::kUnchecked},
  };
  mainwindow::frmMain& main = ScriptsListed();
  for (const Case& c : cases) {
    user.Fill(main.Text2, "Locked");  // start from the locked state every time
    user.Fill(main.Text2, c.name);
    EXPECT_EQ(main.cmdSAVESCR.Enabled(), c.buttons) << c.name;
    EXPECT_EQ(main.cmdDeleteSCR.Enabled(), c.buttons) << c.name;
    EXPECT_EQ(main.chkReadOnly.Value(), c.readOnly) << c.name;
  }
}

TEST_F(UserScriptPanel, FilterNarrowsTheScriptListAndIsKept) {
  const std::string folder = Program("SCRIPTS");
  for (const char* name : {"Purge.scr", "plot-a3.scr", "Plot-A1.scr", "notes.txt"}) {
    fileSystem.AddFile(folder + "\\" + name, "x\r\n");
  }
  struct Case {
    const char* filter;
    std::vector<std::string> listed;
  };
  const Case cases[] = {
      {"", {"Plot-A1.scr", "plot-a3.scr", "Purge.scr"}},
      {"plot", {"Plot-A1.scr", "plot-a3.scr"}},
      {"A?", {"Plot-A1.scr", "plot-a3.scr"}},
      {"urg", {"Purge.scr"}},
      {"zzz", {}},
  };
  mainwindow::frmMain& main = ScriptsListed();
  for (const Case& c : cases) {
    user.Fill(main.scrFilter, c.filter);
    EXPECT_EQ(Listed(main.File2), c.listed) << c.filter;
    EXPECT_EQ(main.settings.SCRPattern, c.filter);
  }
}

TEST_F(UserScriptPanel, FilterTheListRefusesShowsEveryScriptAndIsNotKept) {
  const std::string folder = Program("SCRIPTS");
  fileSystem.AddFile(folder + "\\One.scr", "x\r\n");
  fileSystem.AddFile(folder + "\\Two.scr", "y\r\n");
  mainwindow::frmMain& main = ScriptsListed();
  user.Fill(main.scrFilter, "One");
  ASSERT_EQ(main.File2.ListCount(), 1);
  user.Fill(main.scrFilter, "a|b");
  EXPECT_EQ(main.File2.Pattern(), "*.scr");
  EXPECT_EQ(main.File2.ListCount(), 2);
  EXPECT_EQ(main.settings.SCRPattern, "One");
}

TEST_F(UserScriptPanel, SaveAsExampleJoinsPrefixBaseNameAndSuffix) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  main.List1.AddItem("C:\\JOBS\\PLAN-01.dwg");
  main.List1.AddItem("C:\\JOBS\\PLAN-02.dwg");
  user.ChooseTab(main.SSTab1, 2);
  user.Fill(main.tbPrefix, "NEW_");
  user.Fill(main.tbSuffix, "_R1");
  EXPECT_EQ(main.tbSAVEASExOutput.Text(), "NEW_PLAN-01_R1.DWG");

  main.settings.TAG[0] = "REV-B";
  user.Fill(main.tbSuffix, "_$tag1$");
  EXPECT_EQ(main.tbSAVEASExOutput.Text(), "NEW_PLAN-01_REV-B.DWG");
}

// The tags are replaced as the build replaces them for the first drawing: its full path, the
// first counter value.
TEST_F(UserScriptPanel, SaveAsExampleReplacesTagsAsTheBuildDoesForTheFirstDrawing) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  main.List1.AddItem("C:\\JOBS\\PLAN-01.dwg");
  main.settings.COUNTERSTART = 7;
  main.settings.PADCOUNTER = 0;
  user.ChooseTab(main.SSTab1, 2);
  user.Fill(main.tbPrefix, "$COUNTER$-");
  user.Fill(main.tbSuffix, "@$FILEPATH$");
  EXPECT_EQ(main.tbSAVEASExOutput.Text(), "7-PLAN-01@C:\\JOBS\\.DWG");
}

TEST_F(UserScriptPanel, SaveAsExampleWaitsForAQueue) {
  mainwindow::frmMain& main = Main();
  main.List1.Clear();
  main.tbSAVEASExOutput.SetText("kept");
  user.ChooseTab(main.SSTab1, 2);
  user.Fill(main.tbPrefix, "NEW_");
  user.Fill(main.tbSuffix, "_R1");
  EXPECT_EQ(main.tbSAVEASExOutput.Text(), "kept");
}

}  // namespace

#include "mainwindow/frm_pattern_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"
#include "platform/file_system.h"

namespace {

using mainwindow::frmMain;
using mainwindow::frmPatternList;

const std::string kData = "C:\\Program Files\\Tornavane\\DATA\\";

// One row per dialog: the button that opens it, its shared file, its personal file for the
// user "kim", its key, the main-window box it fills and its first state.
struct Dialog {
  const char* name;
  void (frmMain::*open)();
  const char* shared;
  const char* personal;
  const char* key;
  ui::TextBox frmMain::*target;
  const char* startPattern;  // the pattern box when shown the first time
  bool removeWhenNew;        // the drawing and script buttons' pre-fill recomputes the buttons
};

const Dialog kDialogs[] = {
    {"frmDWGFilter", &frmMain::cmdFilterFormShow_Click, "DWGFilter.DAT", "kim-DWGFilter.DAT", "DWGFilterPersonal",
     &frmMain::tbDWGFilter, "A-*.dwg", false},
    {"frmSCRFilter", &frmMain::cmdFilterUserScriptShow_Click, "SCRFilter.DAT", "kim-SCRFilter.DAT", "SCRFilterPersonal",
     &frmMain::scrFilter, "plot", false},
    {"frmSCRFilterSimple", &frmMain::Command1_Click, "SimpleSCRFilter.DAT", "kim-SimpleSCRFilter.DAT",
     "SCRFilterSimplePersonal", &frmMain::tbScrSelFilter, "*PLOT*", true},
};

class PatternLists : public test::MainWindowFixture {
 protected:
  PatternLists() { system.userName = "kim"; }

  frmMain& Ready() {
    frmMain& main = Main();
    main.tbDWGFilter.SetText("A-*.dwg");
    main.scrFilter.SetText("plot");
    return main;
  }

  // Opens the dialog with its main-window button and lets the user act in it.
  void InDialog(const Dialog& d, const std::function<void(frmPatternList&)>& script) {
    frmMain& main = Ready();
    OnModal<frmPatternList>([&](frmPatternList& dialog) {
      ASSERT_EQ(dialog.Name(), d.name);
      script(dialog);
      if (dialog.Visible()) user.Close(dialog);
    });
    AsEvent([&] { (main.*d.open)(); });
  }

  static std::vector<std::string> Entries(const frmPatternList& dialog) {
    std::vector<std::string> entries;
    for (int i = 0; i < dialog.List1.ListCount(); ++i) entries.push_back(dialog.List1.List(i));
    return entries;
  }

  static int IndexOf(const frmPatternList& dialog, const std::string& entry) {
    for (int i = 0; i < dialog.List1.ListCount(); ++i) {
      if (dialog.List1.List(i) == entry) return i;
    }
    return -1;
  }
};

TEST_F(PatternLists, ANewFileIsCreatedEmptyAndTheButtonsKeepTheirFirstState) {
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    InDialog(d, [&](frmPatternList& dialog) {
      EXPECT_TRUE(Entries(dialog).empty());
      EXPECT_EQ(dialog.tbFilter.Text(), d.startPattern);
      EXPECT_TRUE(dialog.cmdAdd.Enabled());
      EXPECT_EQ(dialog.cmdRemove.Enabled(), d.removeWhenNew);
    });
    EXPECT_EQ(fileSystem.Contents(kData + d.shared), "");
  }
}

TEST_F(PatternLists, AddKeepsOneOfEachExactTextAndSavesEveryTime) {
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    const std::string file = kData + d.shared;
    InDialog(d, [&](frmPatternList& dialog) {
      user.Fill(dialog.tbFilter, "*.dwg");
      user.Click(dialog.cmdAdd);
      EXPECT_EQ(fileSystem.Contents(file), "*.dwg\r\n");
      fileSystem.AddFile(file, "changed elsewhere");
      user.Click(dialog.cmdAdd);  // already listed: nothing added, the file is written all the same
      EXPECT_EQ(fileSystem.Contents(file), "*.dwg\r\n");
      user.Fill(dialog.tbFilter, "*.DWG");
      user.Click(dialog.cmdAdd);
      user.Fill(dialog.tbFilter, " *.dwg");
      user.Click(dialog.cmdAdd);
      EXPECT_EQ(Entries(dialog), (std::vector<std::string>{" *.dwg", "*.dwg", "*.DWG"}));
      EXPECT_EQ(fileSystem.Contents(file), " *.dwg\r\n*.dwg\r\n*.DWG\r\n");
      user.Fill(dialog.tbFilter, "");
      EXPECT_FALSE(dialog.cmdAdd.Enabled());
    });
  }
}

TEST_F(PatternLists, TheFileIsListedAsItIsSortedAndWrittenBackInListOrder) {
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    const std::string file = kData + d.shared;
    fileSystem.AddFile(file, "*.b\r\n\r\na-c\r\n*.A\r\nab\r\n*.b");
    InDialog(d, [&](frmPatternList& dialog) {
      EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"", "*.A", "*.b", "*.b", "ab", "a-c"}));
      EXPECT_FALSE(dialog.cmdRemove.Enabled());
      user.Fill(dialog.tbFilter, "*.b");
      user.Click(dialog.cmdAdd);
      EXPECT_EQ(fileSystem.Contents(file), "\r\n*.A\r\n*.b\r\n*.b\r\nab\r\na-c\r\n");
    });
  }
}

TEST_F(PatternLists, RemoveTakesTheSelectedEntryAndLeavesItsTextReadyToAddBack) {
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    const std::string file = kData + d.shared;
    fileSystem.AddFile(file, "*.a\r\n*.b\r\n");
    InDialog(d, [&](frmPatternList& dialog) {
      user.ClickItem(dialog.List1, IndexOf(dialog, "*.b"));
      EXPECT_EQ(dialog.tbFilter.Text(), "*.b");
      EXPECT_TRUE(dialog.cmdRemove.Enabled());
      user.Click(dialog.cmdRemove);
      EXPECT_EQ(Entries(dialog), std::vector<std::string>{"*.a"});
      EXPECT_EQ(dialog.tbFilter.Text(), "*.b");
      EXPECT_FALSE(dialog.cmdRemove.Enabled());
      EXPECT_EQ(fileSystem.Contents(file), "*.a\r\n");
      user.Click(dialog.cmdAdd);
      EXPECT_EQ(fileSystem.Contents(file), "*.a\r\n*.b\r\n");
    });
  }
}

TEST_F(PatternLists, ADoubleClickFillsTheMainBoxAndOnlyTheCloseBoxStoresTheSwitch) {
  for (const Dialog& d : kDialogs) {
    SCOPED_TRACE(d.name);
    fileSystem.AddFile(kData + d.shared, "*Shared*\r\n");
    fileSystem.AddFile(kData + d.personal, "*Mine *\r\n");
    frmMain& main = Ready();
    OnModal<frmPatternList>([&](frmPatternList& dialog) {
      user.Click(dialog.chkPersonalSettings);
      ASSERT_EQ(Entries(dialog), std::vector<std::string>{"*Mine *"});
      user.DblClickItem(dialog.List1, 0);
      EXPECT_FALSE(dialog.Visible());
    });
    AsEvent([&] { (main.*d.open)(); });
    EXPECT_EQ((main.*d.target).Text(), "*Mine *");
    EXPECT_FALSE(settings.Read("TornavanePowerTool", "Startup", d.key).has_value());

    InDialog(d, [&](frmPatternList& dialog) {  // hidden, not closed: still personal
      EXPECT_EQ(Entries(dialog), std::vector<std::string>{"*Mine *"});
    });
    EXPECT_EQ(settings.Read("TornavanePowerTool", "Startup", d.key), "1");
    InDialog(d, [&](frmPatternList& dialog) {  // created anew from the stored switch
      EXPECT_EQ(dialog.chkPersonalSettings.Value(), ui::kChecked);
      EXPECT_EQ(Entries(dialog), std::vector<std::string>{"*Mine *"});
      user.Click(dialog.chkPersonalSettings);
      EXPECT_EQ(Entries(dialog), std::vector<std::string>{"*Shared*"});
    });
    EXPECT_EQ(settings.Read("TornavanePowerTool", "Startup", d.key), "0");
  }
}

TEST_F(PatternLists, TheFirstSwitchToPersonalCreatesTheUsersFile) {
  const Dialog& d = kDialogs[1];
  InDialog(d, [&](frmPatternList& dialog) {
    user.Click(dialog.chkPersonalSettings);
    EXPECT_TRUE(Entries(dialog).empty());
  });
  EXPECT_EQ(fileSystem.Contents(kData + "kim-SCRFilter.DAT"), "");
}

TEST_F(PatternLists, AFileThatCannotBeWrittenIsReportedAndTheDialogGoesOn) {
  const Dialog& d = kDialogs[0];
  const std::string file = kData + d.shared;
  fileSystem.AddFile(file, "*.a\r\n", platform::kAttrReadOnly);
  InDialog(d, [&](frmPatternList& dialog) {
    user.Fill(dialog.tbFilter, "*.b");
    ExpectMessage(kAppTitle,
                  "The filter list could not be saved to " + file + "\r\n\r\nError 75 (Path/File access error)");
    user.Click(dialog.cmdAdd);
    EXPECT_EQ(Entries(dialog), (std::vector<std::string>{"*.a", "*.b"}));
    EXPECT_TRUE(dialog.cmdAdd.Enabled());
  });
  EXPECT_EQ(fileSystem.Contents(file), "*.a\r\n");
}

}  // namespace

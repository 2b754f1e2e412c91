#include "filetools/frm_file_lists.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/text_file.h"
#include "filetools/frm_file_list_rename.h"
#include "queue/queue_fixture.h"
#include "runtime/error.h"

namespace {

using Lines = std::vector<std::string>;
constexpr const char* kBadName =
    "File names cannot contain the following characters...\r\n\r\n"
    "                        \\  /  :  *  ?  <  >  |  ";

class FileLists : public test::QueueFixture {
 protected:
  FileLists() {
    system.userName = "kim";
    fileSystem.AddFolder(Data(""));
  }

  static std::string Data(const std::string& name) { return Program("DATA\\" + name); }

  // Opens the window from the main window's button and works it; the script ends by closing it
  // unless it hid it itself.
  void WithLists(const std::function<void(filetools::frmFileLists&)>& script) {
    OnModal<filetools::frmFileLists>([this, script](filetools::frmFileLists& lists) {
      script(lists);
      if (lists.Visible()) user.Click(lists.cmdExit);
    });
    user.Click(Main().cmdFileList);
  }

  void Save(const std::string& name, bool personal) {
    WithLists([&](filetools::frmFileLists& lists) {
      lists.txtbxListName.SetText(name);
      user.Click(personal ? lists.cmdSavePersonalized : lists.cmdSaveNew);
    });
  }

  static int IndexOf(const ui::ListControl& list, const std::string& name) {
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == name) return i;
    }
    ADD_FAILURE() << name << " is not listed";
    return 0;
  }

  void Load(const std::string& name, bool append = false) {
    WithLists([&](filetools::frmFileLists& lists) {
      if (append != (lists.chkClearList.Value() == ui::kChecked)) user.Click(lists.chkClearList);
      user.DblClickItem(lists.File1, IndexOf(lists.File1, name));
    });
  }
};

TEST_F(FileLists, SaveNewAndPersonalWriteTheQueueLineByLine) {
  WithQueue({"C:\\Jobs\\A-101.dwg", "C:\\Jobs\\A-102.dwg"});
  Save("Plant", false);
  Save("Plant", true);
  const char* expected = "C:\\Jobs\\A-101.dwg\r\nC:\\Jobs\\A-102.dwg\r\n";
  EXPECT_EQ(fileSystem.Contents(Data("Plant.LST")), expected);
  EXPECT_EQ(fileSystem.Contents(Data("kim-Plant.LST")), expected);
}

TEST_F(FileLists, SaveNewNeedsAQueueAndAnEmptyQueueNeverReplacesAList) {
  fileSystem.AddFile(Data("kim-Old.LST"), "C:\\a.dwg\r\n");
  WithQueue({});
  WithLists([&](filetools::frmFileLists& lists) {
    EXPECT_FALSE(lists.cmdSaveNew.Enabled());
    user.Type(lists.txtbxListName, "Old");
    ExpectMessage("Tornavane for AutoCAD", "The Queue is empty, so \"kim-Old.LST\" was not replaced.");
    user.Click(lists.cmdSavePersonalized);
    user.Type(lists.txtbxListName, "New");
    user.Click(lists.cmdSavePersonalized);
  });
  EXPECT_EQ(fileSystem.Contents(Data("kim-Old.LST")), "C:\\a.dwg\r\n");
  EXPECT_EQ(fileSystem.Contents(Data("kim-OldNew.LST")), "");
}

TEST_F(FileLists, ABadNameOrAFailedWriteLeavesTheOldFileWhole) {
  fileSystem.AddFile(Data("Locked.LST"), "old\r\n", platform::kAttrReadOnly | platform::kAttrArchive);
  WithQueue({"C:\\Jobs\\A-101.dwg"});
  WithLists([&](filetools::frmFileLists& lists) {
    for (const char* name : {"a\\b", "..\\x", "a:b", "CON", "a?b"}) {
      lists.txtbxListName.SetText(name);
      ExpectMessage("Tornavane Alert", kBadName);
      user.Click(lists.cmdSaveNew);
    }
    lists.txtbxListName.SetText("Locked");
    ExpectMessage("Tornavane for AutoCAD",
                  "Error 75 (Path/File access error) in procedure cmdSaveNew_Click of Form frmFileLists");
    user.Click(lists.cmdSaveNew);
    EXPECT_EQ(lists.txtbxListName.Text(), "Locked");
  });
  EXPECT_EQ(fileSystem.Contents(Data("Locked.LST")), "old\r\n");
  EXPECT_EQ(fileSystem.Find(Data("*.*")).size(), 1u);
}

TEST_F(FileLists, ALoadReplacesOrAppendsAndMarksTheQueue) {
  struct Case {
    const char* name;
    const char* bytes;
    bool append;
    Lines queue;
  };
  const Case cases[] = {
      {"two lines, last without an end", "x\r\ny", false, {"x", "y"}},
      {"an empty line is an empty entry", "a\r\n\r\nb\r\n", false, {"a", "", "b"}},
      {"an empty file clears the queue", "", false, {}},
      {"appended after the queue", "x\r\n", true, {"C:\\Q.dwg", "x"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    fileSystem.AddFile(Data("Plant.LST"), test.bytes);
    mainwindow::frmMain& main = WithQueue({"C:\\Q.dwg"});
    Load("Plant.LST", test.append);
    EXPECT_EQ(QueueEntries(), test.queue);
    EXPECT_EQ(main.cmdFileList.Caption(), "=File&Lists=");
    EXPECT_EQ(main.List1.ToolTipText(), "FileList: \"Plant.LST\" is Loaded");
    EXPECT_FALSE(app.frmFileLists().Visible());
  }
}

TEST_F(FileLists, ALoadSortsWhenAskedAndEnablesTheBuildOnlyWithAScript) {
  fileSystem.AddFile(Data("Plant.LST"), "C:\\b.dwg\r\nC:\\a.dwg\r\n");
  mainwindow::frmMain& main = WithQueue({});
  main.settings.AutoSortEnabled = 1;
  main.Command1_Compile.SetEnabled(false);
  Load("Plant.LST");
  EXPECT_EQ(QueueEntries(), (Lines{"C:\\a.dwg", "C:\\b.dwg"}));
  EXPECT_FALSE(main.Command1_Compile.Enabled());
  EXPECT_TRUE(main.cmdRemoveAllDwg.Enabled());
  main.Text1.SetText("ZOOM");
  main.Command1_Compile.SetEnabled(false);
  Load("Plant.LST");
  EXPECT_TRUE(main.Command1_Compile.Enabled());
  EXPECT_TRUE(main.cmdCreateAndRun.Enabled());
}

// The script sorts descending; the automatic sort (ascending) runs first, the script's sort
// commands only when the META scan is on and immediate, and then they decide the order.
TEST_F(FileLists, ALoadSortsThenAppliesTheScriptsSortCommands) {
  struct Case {
    std::int16_t autoSort, metaEnabled, metaImmediate;
    Lines queue;
  };
  const Lines asListed = {"C:\\b.dwg", "C:\\c.dwg", "C:\\a.dwg"};
  const Lines ascending = {"C:\\a.dwg", "C:\\b.dwg", "C:\\c.dwg"};
  const Lines descending = {"C:\\c.dwg", "C:\\b.dwg", "C:\\a.dwg"};
  const Case cases[] = {
      {0, 0, 0, asListed}, {1, 0, 0, ascending}, {0, 1, 0, asListed},   {1, 1, 0, ascending},
      {0, 0, 1, asListed}, {1, 0, 1, ascending}, {0, 1, 1, descending}, {1, 1, 1, descending},
  };
  fileSystem.AddFile(Data("Plant.LST"), "C:\\b.dwg\r\nC:\\c.dwg\r\nC:\\a.dwg\r\n");
  for (const Case& test : cases) {
    SCOPED_TRACE(testing::Message() << test.autoSort << test.metaEnabled << test.metaImmediate);
    mainwindow::frmMain& main = WithQueue({});
    main.settings.AutoSortEnabled = test.autoSort;
    main.settings.METAEnabled = test.metaEnabled;
    main.settings.METAImmediate = test.metaImmediate;
    main.Text1.SetText(";sort.Descending");
    Load("Plant.LST");
    EXPECT_EQ(QueueEntries(), test.queue);
  }
}

TEST_F(FileLists, AFailedSaveIsReportedAndLeavesTheOldListWhole) {
  struct Case {
    const char* name;
    std::function<void()> fault;
    const char* message;
  };
  const std::string list = Data("Plant.LST");
  const Case cases[] = {
      {"disk full", [this] { fileSystem.FailNextWrite(runtime::kDiskFull); },
       "Error 61 (Disk full) in procedure cmdSaveNew_Click of Form frmFileLists"},
      {"DATA refuses new files", [&] { fileSystem.FailOn(core::SafeWriteTempPath(list), runtime::kPermissionDenied); },
       "Error 70 (Permission denied) in procedure cmdSaveNew_Click of Form frmFileLists"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    fileSystem.ClearFailures();
    fileSystem.AddFile(list, "old\r\n");
    WithQueue({"C:\\Jobs\\A-101.dwg"});
    WithLists([&](filetools::frmFileLists& lists) {
      lists.txtbxListName.SetText("Plant");
      test.fault();
      ExpectMessage("Tornavane for AutoCAD", test.message);
      user.Click(lists.cmdSaveNew);
    });
    EXPECT_EQ(fileSystem.Contents(list), "old\r\n");
    EXPECT_EQ(fileSystem.Find(Data("*.*")).size(), 1u);
  }
}

TEST_F(FileLists, EnterInTheNameBoxClosesWithoutSaving) {
  WithQueue({"C:\\Jobs\\A-101.dwg"});
  WithLists([&](filetools::frmFileLists& lists) {
    user.Type(lists.txtbxListName, "Plant");
    user.PressKey(lists.txtbxListName, ui::kKeyReturn);
    EXPECT_FALSE(lists.Visible());
  });
  EXPECT_TRUE(fileSystem.Find(Data("*.*")).empty());
}

TEST_F(FileLists, ViewOpensTheListInTheEditorQuoted) {
  fileSystem.AddFile(Data("My Plant.LST"), "");
  Main().settings.TextEditor = "notepad.exe";
  WithQueue({});
  WithLists([&](filetools::frmFileLists& lists) {
    user.ClickItem(lists.File1, IndexOf(lists.File1, "My Plant.LST"));
    user.Click(lists.cmdView);
  });
  ASSERT_EQ(shell.executeCalls.size(), 1u);
  EXPECT_EQ(shell.executeCalls[0].file, "notepad.exe");
  EXPECT_EQ(shell.executeCalls[0].parameters, "\"" + Data("My Plant.LST") + "\"");
}

TEST_F(FileLists, AListThatCannotBeReadLeavesTheQueueAsItWas) {
  fileSystem.AddFile(Data("Plant.LST"), "C:\\x.dwg\r\n");
  auto hold = fileSystem.HoldOpen(Data("Plant.LST"));
  WithQueue({"C:\\Q.dwg"});
  WithLists([&](filetools::frmFileLists& lists) {
    ExpectMessage("Tornavane for AutoCAD",
                  "Error 70 (Permission denied) in procedure File1_dblClick of Form frmFileLists");
    user.DblClickItem(lists.File1, IndexOf(lists.File1, "Plant.LST"));
    EXPECT_TRUE(lists.Visible());
  });
  EXPECT_EQ(QueueEntries(), Lines{"C:\\Q.dwg"});
}

TEST_F(FileLists, ThePatternBoxesExcludeEachOther) {
  for (const char* name : {"kim-Plant.LST", "kimberly.LST", "Shared.LST", "!Skipped_kim.lst", "notes.TXT"}) {
    fileSystem.AddFile(Data(name), "");
  }
  WithQueue({});
  // The list keeps the locale's order, in which the hyphen counts only between otherwise
  // equal names: "kimberly" before "kim-Plant".
  WithLists([&](filetools::frmFileLists& lists) {
    EXPECT_EQ(Entries(lists.File1), (Lines{"!Skipped_kim.lst", "kimberly.LST", "kim-Plant.LST", "Shared.LST"}));
    user.Click(lists.chkShowPersonal);
    EXPECT_EQ(Entries(lists.File1), (Lines{"kimberly.LST", "kim-Plant.LST"}));
    user.ClickItem(lists.File1, 0);
    EXPECT_TRUE(lists.cmdView.Enabled());
    user.Click(lists.chkShowTXT);
    EXPECT_EQ(lists.chkShowPersonal.Value(), ui::kUnchecked);
    EXPECT_EQ(Entries(lists.File1), Lines{"notes.TXT"});
    EXPECT_FALSE(lists.cmdView.Enabled());
    user.Click(lists.chkShowTXT);
    EXPECT_EQ(lists.File1.ListCount(), 4);
    user.Click(lists.chkShowTXT);
    user.Click(lists.chkShowPersonal);
    EXPECT_EQ(lists.chkShowTXT.Value(), ui::kUnchecked);
    EXPECT_EQ(Entries(lists.File1), (Lines{"kimberly.LST", "kim-Plant.LST"}));
    user.Click(lists.chkShowPersonal);
    EXPECT_EQ(lists.File1.ListCount(), 4);
  });
}

TEST_F(FileLists, DeleteRemovesTheSelectedListAndReportsAFailure) {
  fileSystem.AddFile(Data("A.LST"), "");
  fileSystem.AddFile(Data("B.LST"), "", platform::kAttrReadOnly | platform::kAttrArchive);
  WithQueue({});
  WithLists([&](filetools::frmFileLists& lists) {
    user.ClickItem(lists.File1, IndexOf(lists.File1, "A.LST"));
    user.Click(lists.cmdDelete);
    EXPECT_EQ(Entries(lists.File1), Lines{"B.LST"});
    user.ClickItem(lists.File1, 0);
    ExpectMessage("Tornavane for AutoCAD",
                  "Error 75 (Path/File access error) in procedure cmdDelete_Click of Form frmFileLists");
    user.Click(lists.cmdDelete);
  });
  EXPECT_TRUE(platform::Exists(fileSystem, Data("B.LST")));
}

TEST_F(FileLists, RenameAsksForAMissingExtensionAndNeverReplacesAFile) {
  struct Case {
    const char* newName;
    ui::MsgAnswer answer;  // kOk: no question
    const char* result;    // nullptr: the existing-file message, nothing renamed
  };
  const Case cases[] = {
      {"b.lst", ui::MsgAnswer::kOk, "b.lst"},
      {"b.Txt", ui::MsgAnswer::kOk, "b.Txt"},
      {"b.Lst", ui::MsgAnswer::kOk, "b.Lst"},
      {"b", ui::MsgAnswer::kYes, "b.LST"},
      {"b", ui::MsgAnswer::kNo, "b"},
      {"b.LSTX", ui::MsgAnswer::kYes, "b.LSTX.LST"},
      {"Other.LST", ui::MsgAnswer::kOk, nullptr},
      {"A.lst", ui::MsgAnswer::kOk, "A.lst"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.newName);
    for (const auto& entry : fileSystem.Find(Data("*.*"))) fileSystem.DeleteFile(Data(entry.name));
    fileSystem.AddFile(Data("A.LST"), "C:\\a.dwg\r\n");
    fileSystem.AddFile(Data("Other.LST"), "other\r\n");
    WithQueue({});
    WithLists([&](filetools::frmFileLists& lists) {
      user.ClickItem(lists.File1, IndexOf(lists.File1, "A.LST"));
      OnModal<filetools::frmFileListRename>([&](filetools::frmFileListRename& rename) {
        EXPECT_EQ(rename.tbOldName.Text(), "A.LST");
        rename.tbNewName.SetText(test.newName);
        if (test.answer != ui::MsgAnswer::kOk) {
          ExpectMessage("Ooops...",
                        "You have not indicated a valid file extension.\r\n\r\n"
                        "Would you like me to add it for you?")
              .Answer(test.answer);
        }
        if (test.result == nullptr) {
          ExpectMessage("Ooops", "A file by that name already exists.\r\n\r\nPlease delete or rename it.");
        }
        user.Click(rename.cmdOk);
        if (test.result == nullptr) {
          EXPECT_EQ(rename.tbNewName.Text(), "Other.LST");
          user.Close(rename);
        }
      });
      user.Click(lists.cmdRename);
      EXPECT_FALSE(lists.cmdView.Enabled());
    });
    if (test.result != nullptr) {
      ASSERT_EQ(fileSystem.Find(Data(test.result)).size(), 1u);
      EXPECT_EQ(fileSystem.Find(Data(test.result)).front().name, test.result);
      EXPECT_EQ(fileSystem.Contents(Data(test.result)), "C:\\a.dwg\r\n");
    } else {
      EXPECT_EQ(fileSystem.Contents(Data("A.LST")), "C:\\a.dwg\r\n");
      EXPECT_EQ(fileSystem.Contents(Data("Other.LST")), "other\r\n");
    }
  }
}

}  // namespace

// The template store and its selector over a record of five lines: saving, loading, listing
// and deleting templates in the DATA folder, with the failures a user meets.
#include "wizards/template_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"
#include "platform/fake/fake_store.h"
#include "ui/ui.h"

namespace test {
namespace {

constexpr std::size_t kLines = 5;
const wizards::TemplateKind kKind{kLines, ".XYZ", "-xyz.tmp", "SaveXYZ", "frmXYZ"};
constexpr const char* kFull = "1\r\n2\r\n3\r\n4\r\n5\r\n";

// A wizard with the "Template" frame and five plain lines as its boxes; every line written is
// logged, as a box's change handling would see it.
class frmStore : public ui::Form {
 public:
  explicit frmStore(app::App& app)
      : Form(app.Ctx(), "frmStore"), store(app, *this, cmbSelector, cmdSave, cmdDelete, kKind, Boxes()) {
    wizards::DesignTemplateFrame(Frame2, cmbSelector, cmdDelete, cmdSave, 120, 120, 6000);
    cmbSelector.onChange = [this] { store.SelectorChange(); };
    cmbSelector.onClick = [this] { store.SelectorClick(); };
    cmdSave.onClick = [this] { store.SaveClick(); };
    cmdDelete.onClick = [this] { store.DeleteClick(); };
    Frame2.onClick = [this] { store.FillList(); };
  }

  ui::Frame Frame2{this, "Frame2"};
  ui::ComboBox cmbSelector{&Frame2, "cmbSelector"};
  ui::CommandButton cmdDelete{&Frame2, "cmdDelete"};
  ui::CommandButton cmdSave{&Frame2, "cmdSave"};
  std::vector<std::string> lines = std::vector<std::string>(kLines, "old");
  std::vector<std::size_t> writes;
  wizards::TemplateStore store;

 private:
  wizards::TemplateBoxes Boxes() {
    return {.read = [this] { return lines; },
            .write =
                [this](std::size_t line, const std::string& text) {
                  lines.at(line) = text;
                  writes.push_back(line);
                }};
  }
};

class TemplateStoreTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    Main();
    form.Show();
  }

  static std::string Data(const std::string& name) { return Program("DATA\\" + name); }
  std::vector<std::string> Listed() const {
    std::vector<std::string> names;
    for (int i = 0; i < form.cmbSelector.ListCount(); ++i) names.push_back(form.cmbSelector.List(i));
    return names;
  }
  void ExpectShortFile(const std::string& name) {
    ExpectMessage("Error", "Input past end-of file... file may be corrupted...\r\n" + Data(name))
        .Buttons(ui::MsgButtons::kOk)
        .Icon(ui::MsgIcon::kExclamation);
  }
  void ExpectSaveFailure(const std::string& text) {
    ExpectMessage(kAppTitle, text).Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kNone);
  }

  frmStore form{app};
};

TEST_F(TemplateStoreTest, SavedRecordLoadsBackExactly) {
  form.lines = {"TITLE", "", "REV", "", "$DATE$"};
  form.store.Save("one.XYZ");
  EXPECT_EQ(fileSystem.Contents(Data("one.XYZ")), "TITLE\r\n\r\nREV\r\n\r\n$DATE$\r\n");
  EXPECT_FALSE(fileSystem.Exists(Data("one.XYZ.~tmp")));

  form.lines.assign(kLines, "x");
  form.store.Load("ONE.xyz");
  EXPECT_EQ(form.lines, (std::vector<std::string>{"TITLE", "", "REV", "", "$DATE$"}));
  EXPECT_EQ(form.writes, (std::vector<std::size_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(form.MousePointer(), ui::Pointer::kDefault);
}

TEST_F(TemplateStoreTest, ReadsWhatAFileHoldsAndReportsAShortOneOnce) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
    bool shortFile;
  };
  const std::vector<Case> cases = {
      {"empty", "", {"old", "old", "old", "old", "old"}, true},
      {"three lines", "a\r\nb\r\nc\r\n", {"a", "b", "c", "old", "old"}, true},
      {"lone LF and CR", "a\nb\rc\r\nd\ne", {"a", "b", "c", "d", "e"}, false},
      {"no line end at the last line", "a\r\nb\r\nc\r\nd\r\n", {"a", "b", "c", "d", "old"}, true},
      {"longer than the record", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", {"1", "2", "3", "4", "5"}, false},
      {"empty last lines", "1\r\n\r\n\r\n\r\n\r\n", {"1", "", "", "", ""}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form.lines.assign(kLines, "old");
    fileSystem.AddFile(Data("T.XYZ"), c.bytes);
    if (c.shortFile) ExpectShortFile("T.XYZ");
    form.store.Load("T.XYZ");
    EXPECT_EQ(form.lines, c.lines);
  }
}

TEST_F(TemplateStoreTest, AFileThatCannotBeReadChangesNothingAndSaysNothing) {
  fileSystem.AddFile(Data("HELD.XYZ"), kFull);
  auto held = fileSystem.HoldOpen(Data("HELD.XYZ"));
  form.store.Load("HELD.XYZ");
  form.store.Load("MISSING.XYZ");
  EXPECT_EQ(form.lines, std::vector<std::string>(kLines, "old"));
  EXPECT_TRUE(form.writes.empty());
}

TEST_F(TemplateStoreTest, AFailedSaveShowsItsMessageAndLeavesTheOldFileWhole) {
  const std::string old = kFull;
  fileSystem.AddFile(Data("LOCKED.XYZ"), old, platform::kAttrReadOnly);
  ExpectSaveFailure("File is Write protected...\r\n" + Data("LOCKED.XYZ") + "\r\n");
  form.store.Save("LOCKED.XYZ");
  EXPECT_EQ(fileSystem.Contents(Data("LOCKED.XYZ")), old);

  ExpectSaveFailure("Error 52 (Bad file name or number) in procedure SaveXYZ of Form frmXYZ");
  form.store.Save("a?b.XYZ");

  fileSystem.AddFile(Data("FULL.XYZ"), old);
  fileSystem.SetCapacity("C:", 0);
  ExpectSaveFailure("Error 61 (Disk full) in procedure SaveXYZ of Form frmXYZ");
  form.store.Save("FULL.XYZ");
  EXPECT_EQ(fileSystem.Contents(Data("FULL.XYZ")), old);
  EXPECT_FALSE(fileSystem.Exists(Data("FULL.XYZ.~tmp")));
}

TEST_F(TemplateStoreTest, ASaveWithoutTheDataFolderSaysHowToMendIt) {
  fileSystem.RemoveFolder(Program("DATA"));
  ExpectSaveFailure(
      "\\DATA\\ directory does not exist in the Tornavane directory...\r\n Please create it, and try saving again.");
  form.store.Save("NEW.XYZ");
}

TEST_F(TemplateStoreTest, TheStateFileIsNamedForTheUser) {
  EXPECT_EQ(form.store.StateFileName(), "drafter1-xyz.tmp");
  form.store.Save(form.store.StateFileName());
  EXPECT_TRUE(fileSystem.Exists(Data("drafter1-xyz.tmp")));
}

TEST_F(TemplateStoreTest, TheListShowsTheDataFolderItselfInUpperCase) {
  fileSystem.AddFile(Data("Plan.xyz"), "");
  fileSystem.AddFile(Data("Other.tbw"), "");
  fileSystem.AddFile(Data("SUB\\Deep.xyz"), "");
  form.cmbSelector.SetText("typed");
  EXPECT_TRUE(form.cmdSave.Enabled());
  user.Click(form.Frame2);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"PLAN"}));
  EXPECT_EQ(form.cmbSelector.Text(), "");
  EXPECT_FALSE(form.cmdSave.Enabled());
  EXPECT_FALSE(form.cmdDelete.Enabled());
}

TEST_F(TemplateStoreTest, PickingAnEntryLoadsItsTemplate) {
  fileSystem.AddFile(Data("plan.xyz"), "a\r\nb\r\nc\r\nd\r\ne\r\n");
  form.store.FillList();
  user.ClickItem(form.cmbSelector, 0);
  EXPECT_EQ(form.lines, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  EXPECT_TRUE(form.cmdSave.Enabled());
  EXPECT_TRUE(form.cmdDelete.Enabled());

  // A picked entry whose file has gone changes nothing and shows nothing.
  fileSystem.DeleteFile(Data("plan.xyz"));
  form.lines.assign(kLines, "old");
  user.ClickItem(form.cmbSelector, 0);
  EXPECT_EQ(form.lines, std::vector<std::string>(kLines, "old"));
}

// Save lists a new name as typed, also when the write failed; letter case counts, so "abc"
// beside "ABC" is listed once more (and writes the same file).
TEST_F(TemplateStoreTest, SaveAppendsANameNotListedWithThatCase) {
  fileSystem.AddFile(Data("ABC.XYZ"), "");
  form.store.FillList();
  form.lines = {"1", "2", "3", "4", "5"};
  user.Fill(form.cmbSelector, "ABC");
  user.Click(form.cmdSave);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"ABC"}));
  user.Fill(form.cmbSelector, "abc");
  user.Click(form.cmdSave);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"ABC", "abc"}));
  EXPECT_EQ(fileSystem.Contents(Data("ABC.XYZ")), kFull);

  user.Fill(form.cmbSelector, "a?b");
  ExpectSaveFailure("Error 52 (Bad file name or number) in procedure SaveXYZ of Form frmXYZ");
  user.Click(form.cmdSave);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"ABC", "abc", "a?b"}));
  EXPECT_EQ(form.cmbSelector.Text(), "a?b");
}

TEST_F(TemplateStoreTest, DeleteRemovesOnlyThePickedEntrysFile) {
  for (const char* name : {"ONE.XYZ", "TWO.XYZ"}) fileSystem.AddFile(Data(name), kFull);
  form.store.FillList();
  user.ClickItem(form.cmbSelector, 1);
  user.Click(form.cmdDelete);
  EXPECT_FALSE(fileSystem.Exists(Data("TWO.XYZ")));
  EXPECT_TRUE(fileSystem.Exists(Data("ONE.XYZ")));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"ONE"}));
  EXPECT_EQ(form.cmbSelector.Text(), "");
  EXPECT_FALSE(form.cmdDelete.Enabled());
}

TEST_F(TemplateStoreTest, DeleteOfAVanishedFileSaysSoAndKeepsTheList) {
  fileSystem.AddFile(Data("GONE.XYZ"), kFull);
  form.store.FillList();
  user.ClickItem(form.cmbSelector, 0);
  fileSystem.DeleteFile(Data("GONE.XYZ"));
  ExpectMessage("Tornavane", "File not found!!").Buttons(ui::MsgButtons::kOk).Icon(ui::MsgIcon::kExclamation);
  user.Click(form.cmdDelete);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"GONE"}));
}

// Only an entry that is picked and still shown exactly names a file; a typed name, an entry
// Save appended with a path or a wildcard in it, or a write-protected file deletes nothing.
TEST_F(TemplateStoreTest, DeleteLeavesEveryOtherFileAlone) {
  const std::vector<std::string> files = {"ONE.XYZ", "TWO.XYZ", "SUB\\X.XYZ", "KEEP.XYZ"};
  for (const std::string& name : files) fileSystem.AddFile(Data(name), kFull);
  fileSystem.SetAttributes(Data("KEEP.XYZ"), platform::kAttrReadOnly);
  form.store.FillList();
  // Names a failed or misdirected Save appended as typed.
  for (const char* name : {"*", "sub\\x", "..\\DATA\\ONE", "C:ONE"}) form.cmbSelector.AddItem(name);
  auto pick = [&](const std::string& entry) {
    for (int i = 0; i < form.cmbSelector.ListCount(); ++i) {
      if (form.cmbSelector.List(i) == entry) user.ClickItem(form.cmbSelector, i);
    }
    ASSERT_EQ(form.cmbSelector.Text(), entry);
  };

  struct Case {
    const char* what;
    std::function<void()> choose;
  };
  const std::vector<Case> cases = {
      {"typed, not picked", [&] { user.Fill(form.cmbSelector, "NEW"); }},
      {"picked, then retyped in lower case",
       [&] {
         pick("ONE");
         user.Fill(form.cmbSelector, "one");
       }},
      {"a wildcard entry", [&] { pick("*"); }},
      {"an entry into a folder", [&] { pick("sub\\x"); }},
      {"an entry up the tree", [&] { pick("..\\DATA\\ONE"); }},
      {"an entry with a drive", [&] { pick("C:ONE"); }},
      {"a write-protected file", [&] { pick("KEEP"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.choose();
    user.Click(form.cmdDelete);
    for (const std::string& name : files) EXPECT_TRUE(fileSystem.Exists(Data(name))) << name;
  }
}

}  // namespace
}  // namespace test

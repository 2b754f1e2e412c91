// The renamer window: how it opens, its rules behind the preview buttons, the page resets,
// the pad-character guard, the two name lists and the manual edit.

#include "filetools/frm_file_renamer.h"

#include <gtest/gtest.h>

#include "renamer_fixture.h"

namespace test {
namespace {

using Names = std::vector<std::string>;

class FileRenamerTest : public RenamerFixture {};

TEST_F(FileRenamerTest, OpensWithTheQueuedNamesAndItsStartingState) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "\\\\server\\share\\Jobs\\Plan A.DWG", "loose.dwg"});
  EXPECT_EQ(f.Caption(), "File Renamer");
  EXPECT_EQ(Items(f.lstSource), (Names{"a.dwg", "Plan A.DWG", "loose.dwg"}));
  EXPECT_EQ(Items(f.lstMainList), (Names{"C:\\R\\a.dwg", "\\\\server\\share\\Jobs\\Plan A.DWG", "loose.dwg"}));
  EXPECT_FALSE(f.lstMainList.Visible());
  EXPECT_EQ(f.lstDestination.ListCount(), 0);
  EXPECT_EQ(f.lstDestination.ToolTipText(), "Double-Click to Manually Rename");
  EXPECT_EQ(f.tbRenumberDigits.Text(), "3");
  EXPECT_EQ(f.tbReplaceChar.Text(), "4");
  EXPECT_EQ(f.tbInsertAtChar.Text(), "1");
  EXPECT_EQ(f.tbStartAt.Text(), "1");
  EXPECT_EQ(f.tbStep.Text(), "1");
  EXPECT_EQ(f.tbPadChar.Text(), "0");
  EXPECT_EQ(f.SSTab1.Tab(), 0);
  EXPECT_TRUE(f.optOverwrite.Value());
  for (const ui::Control* control : std::vector<const ui::Control*>{&f.lstSource, &f.lstDestination, &f.tbStartAt,
                                                                    &f.tbReplace2Replace, &f.tbPadChar}) {
    EXPECT_EQ(control->Font().name, "Courier") << control->Name();
  }
  for (const ui::TextBox* box : {&f.tbRenumberDigits, &f.tbReplaceChar, &f.tbInsertAtChar}) {
    EXPECT_FALSE(box->Enabled()) << box->Name();
  }
  for (const ui::CommandButton* button : {&f.cmdDoIt, &f.cmdClear, &f.cmdReplace2Compound}) {
    EXPECT_FALSE(button->Enabled()) << button->Name();
  }
  EXPECT_EQ(f.lstSource.HorizontalExtent(), f.lstSource.Width() - 2500);
  EXPECT_EQ(f.lstDestination.HorizontalExtent(), f.lstDestination.Width() - 2500);
}

TEST_F(FileRenamerTest, OpensWithoutTheVerifiedMessageWhenTheCheckListedProblems) {
  app.frmFileErrorReport().AddEntry("C:\\R\\GONE.DWG", batch::FileProblem::kMissing);
  SetQueue({"C:\\R\\a.dwg"});
  app.frmFileRenamer().Show(ui::ShowMode::kModeless, &Main());
  EXPECT_EQ(Items(app.frmFileRenamer().lstSource), Names{"a.dwg"});
}

TEST_F(FileRenamerTest, ReplacerPreviewCompoundAndClear) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\plan1.dwg", "C:\\R\\Plan2.DWG"});
  user.ChooseTab(f.SSTab1, 5);
  user.Fill(f.tbReplace2Replace, "plan");
  user.Fill(f.tbReplace2ReplaceWith, "sheet");
  user.Click(f.cmdReplace2Preview);
  EXPECT_EQ(Items(f.lstDestination), (Names{"sheet1.dwg", "sheet2.DWG"}));
  for (const ui::CommandButton* button : {&f.cmdDoIt, &f.cmdClear, &f.cmdReplace2Compound}) {
    EXPECT_TRUE(button->Enabled()) << button->Name();
  }
  user.Fill(f.tbReplace2Replace, "t");
  user.Fill(f.tbReplace2ReplaceWith, "tt");
  user.Click(f.cmdReplace2Compound);
  user.Click(f.cmdReplace2Compound);
  EXPECT_EQ(Items(f.lstDestination), (Names{"sheetttt1.dwg", "sheetttt2.DWG"}));
  EXPECT_EQ(Items(f.lstSource), (Names{"plan1.dwg", "Plan2.DWG"}));

  user.Click(f.cmdClear);
  EXPECT_EQ(f.lstDestination.ListCount(), 0);
  for (const ui::CommandButton* button : {&f.cmdDoIt, &f.cmdClear, &f.cmdReplace2Compound}) {
    EXPECT_FALSE(button->Enabled()) << button->Name();
  }
}

TEST_F(FileRenamerTest, RulesReadTheirControlsWhenPreviewed) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\plan.dwg", "C:\\R\\sect.dwg"});
  user.Click(f.optAppend);
  user.Scroll(f.vsRenumberPad, 1);  // down: one digit fewer
  EXPECT_EQ(f.tbRenumberDigits.Text(), "2");
  user.Fill(f.tbStartAt, "9");
  user.Click(f.cmdPreviewRenumber);
  EXPECT_EQ(Items(f.lstDestination), (Names{"plan09.dwg", "sect10.dwg"}));

  user.ChooseTab(f.SSTab1, 1);
  user.Scroll(f.vsReplaceChar, -1);  // up: five characters
  user.Fill(f.tbReplaceWith, "X-");
  user.Click(f.cmdPreviewReplaceFirst);
  EXPECT_EQ(Items(f.lstDestination), (Names{"X-dwg", "X-dwg"}));

  user.ChooseTab(f.SSTab1, 2);
  user.Scroll(f.vsInsertAtChar, -3);
  user.Fill(f.tbInsertText, "_");
  user.Click(f.cmdInsertPreview);
  EXPECT_EQ(Items(f.lstDestination), (Names{"plan_.dwg", "sect_.dwg"}));

  user.ChooseTab(f.SSTab1, 3);
  user.Fill(f.tbAppend, "-A");
  user.Click(f.cmdAppendPreview);
  EXPECT_EQ(Items(f.lstDestination), (Names{"plan-A.dwg", "sect-A.dwg"}));
  EXPECT_FALSE(f.cmdReplace2Compound.Enabled());
}

TEST_F(FileRenamerTest, TheStartReadsTheLocaleSeparator) {
  locale.SetDecimalSeparator(",");
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg", "C:\\R\\c.dwg"});
  user.Click(f.optAppend);
  user.Fill(f.tbStep, "0,5");
  user.Click(f.cmdPreviewRenumber);
  EXPECT_EQ(Items(f.lstDestination), (Names{"a001.dwg", "b002.dwg", "c002.dwg"}));
}

TEST_F(FileRenamerTest, APreviewThatStopsKeepsItsLinesButCannotBeFinalisedOrCompounded) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\plan.dwg", "C:\\R\\a.b", "C:\\R\\sect.dwg"});
  user.ChooseTab(f.SSTab1, 5);
  user.Click(f.cmdReplace2Preview);
  ASSERT_TRUE(f.cmdReplace2Compound.Enabled());
  user.ChooseTab(f.SSTab1, 2);
  user.Scroll(f.vsInsertAtChar, -3);
  ExpectMessage(
      kAppTitle,
      "Error 5 (Invalid procedure call or argument) in procedure cmdInsertPreview_Click of Form frmFileRenamer");
  user.Click(f.cmdInsertPreview);
  EXPECT_EQ(Items(f.lstDestination), Names{"plan.dwg"});
  EXPECT_FALSE(f.cmdDoIt.Enabled());
  EXPECT_FALSE(f.cmdReplace2Compound.Enabled());
  EXPECT_TRUE(f.cmdClear.Enabled());

  ExpectMessage(kAppTitle, "You must use number, not letters.").Icon(ui::MsgIcon::kExclamation);
  user.ChooseTab(f.SSTab1, 0);
  user.Fill(f.tbStep, "two");
  user.Click(f.cmdPreviewRenumber);
  EXPECT_EQ(f.lstDestination.ListCount(), 0);
}

TEST_F(FileRenamerTest, PadRefusesNamesOfOneLengthWithAnEmptyPreview) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg"});
  user.ChooseTab(f.SSTab1, 4);
  ExpectMessage(kAppTitle, "All filenames are the same length.\r\nThey don't need Padding.")
      .Icon(ui::MsgIcon::kExclamation);
  user.Click(f.cmdPad);
  EXPECT_EQ(f.lstDestination.ListCount(), 0);
  EXPECT_FALSE(f.cmdDoIt.Enabled());
}

TEST_F(FileRenamerTest, EachVisitOfRenumberAndPadStartsFromTheirDefaultOption) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\abc.dwg"});
  user.Click(f.optAppend);
  user.ChooseTab(f.SSTab1, 4);
  EXPECT_TRUE(f.optPadFromEnd.Value());
  user.Click(f.optPadFromStart);
  user.Click(f.cmdPad);
  EXPECT_EQ(Items(f.lstDestination), (Names{"00a.dwg", "abc.dwg"}));
  user.ChooseTab(f.SSTab1, 0);
  EXPECT_TRUE(f.optOverwrite.Value());
  user.ChooseTab(f.SSTab1, 4);
  EXPECT_TRUE(f.optPadFromEnd.Value());
  user.Click(f.cmdPad);
  EXPECT_EQ(Items(f.lstDestination), (Names{"a00.dwg", "abc.dwg"}));
}

TEST_F(FileRenamerTest, ThePadCharacterIsOneCharacterOrNone) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\abc.dwg"});
  user.ChooseTab(f.SSTab1, 4);
  ExpectMessage(kAppTitle, "Please select a SINGLE character to Pad with.").Icon(ui::MsgIcon::kExclamation);
  user.Type(f.tbPadChar, "x");
  EXPECT_EQ(f.tbPadChar.Text(), "0");
  EXPECT_EQ(f.tbPadChar.SelStart(), 0);
  EXPECT_EQ(f.tbPadChar.SelLength(), 1);
  user.Fill(f.tbPadChar, "");
  user.Click(f.cmdPad);
  EXPECT_EQ(Items(f.lstDestination), (Names{"a.dwg", "abc.dwg"}));
}

TEST_F(FileRenamerTest, TheNameListsScrollTogether) {
  Names paths;
  for (int i = 0; i < 40; ++i) paths.push_back("C:\\R\\" + std::to_string(i) + ".dwg");
  filetools::frmFileRenamer& f = Open(paths);
  f.lstSource.ScrollTo(7);
  EXPECT_EQ(f.lstDestination.TopIndex(), 0);  // nothing to follow yet
  user.ChooseTab(f.SSTab1, 3);
  user.Click(f.cmdAppendPreview);
  f.lstSource.ScrollTo(12);
  EXPECT_EQ(f.lstDestination.TopIndex(), 12);
  f.lstDestination.ScrollTo(30);
  EXPECT_EQ(f.lstSource.TopIndex(), 30);
}

TEST_F(FileRenamerTest, TheSourceListShowsTheFullPathOfTheLineUnderThePointer) {
  filetools::frmFileRenamer& f = Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg", "C:\\R\\c.dwg"});
  constexpr int kItemHeight = 195;  // the item height where no shown list tells it
  struct Case {
    int button;
    int y;
    const char* tip;
  };
  for (const Case& c :
       {Case{0, 10, "C:\\R\\a.dwg"}, Case{0, 2 * kItemHeight + 10, "C:\\R\\c.dwg"}, Case{0, 3 * kItemHeight + 10, ""},
        Case{0, -5, ""}, Case{ui::kLeftButton, kItemHeight + 10, ""}}) {
    f.lstSource.MouseMove(c.button, 0, 200, c.y);
    EXPECT_EQ(f.lstSource.ToolTipText(), c.tip) << c.y;
  }
  f.lstSource.ScrollTo(1);
  f.lstSource.MouseMove(0, 0, 200, 10);
  EXPECT_EQ(f.lstSource.ToolTipText(), "C:\\R\\b.dwg");
}

TEST_F(FileRenamerTest, ADoubleClickedLineIsEditedByHand) {
  filetools::frmFileRenamer& f = OpenOnFolderR();
  user.ChooseTab(f.SSTab1, 3);
  user.Click(f.cmdAppendPreview);
  OnModal<filetools::frmFileRenamerManual>([&](filetools::frmFileRenamerManual& manual) {
    EXPECT_EQ(manual.Caption(), " Manual Edit");
    EXPECT_EQ(manual.tbFileName.Text(), "b.dwg");
    user.Fill(manual.tbFileName, "B-2.dwg");
    user.Click(manual.cmdRename);
  });
  user.DblClickItem(f.lstDestination, 1);
  EXPECT_EQ(Items(f.lstDestination), (Names{"a.dwg", "B-2.dwg", "c.dwg"}));
  EXPECT_TRUE(app.frmFileRenamerManual().Loaded());

  f.lstDestination.SetListIndex(-1);
  f.lstDestination.DblClick();  // no line: nothing opens
  EXPECT_EQ(Items(f.lstDestination), (Names{"a.dwg", "B-2.dwg", "c.dwg"}));
}

}  // namespace
}  // namespace test

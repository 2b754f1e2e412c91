// The queue pop-up's clipboard copies of all and of the selected entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"

namespace {

using Item = ui::MenuItem mainwindow::frmMain::*;

class QueueCopyTest : public test::MainWindowFixture {
 protected:
  void SetUp() override {
    for (const char* entry : {"C:\\P\\A1.dwg", "C:\\P\\B2.dwg", "D:\\Jobs\\Plan 3.DXF"}) Main().List1.AddItem(entry);
  }
  void Select(const std::vector<int>& indexes) {
    for (int i = 0; i < Main().List1.ListCount(); ++i) Main().List1.SetSelected(i, false);
    for (int index : indexes) Main().List1.SetSelected(index, true);
  }
  // A pick from the pop-up menu, which only offers enabled entries.
  void Copy(Item item, long count) {
    Main().UpdateQueueControls();
    ASSERT_TRUE((Main().*item).Enabled()) << (Main().*item).Name();
    ExpectMessage(kAppTitle, std::to_string(count) + " Items Copied to the Clipboard")
        .Icon(ui::MsgIcon::kInformation)
        .Buttons(ui::MsgButtons::kOk);
    AsEvent([&] { (Main().*item).Click(); });
  }
};

TEST_F(QueueCopyTest, AllEntriesAsNamesOrACommaList) {
  struct Case {
    Item item;
    const char* text;
  };
  const Case cases[] = {
      {&mainwindow::frmMain::mnuCopyListtoClip, "C:\\P\\A1.dwg\r\nC:\\P\\B2.dwg\r\nD:\\Jobs\\Plan 3.DXF"},
      {&mainwindow::frmMain::mnuCopyWithExt, "A1.dwg\r\nB2.dwg\r\nPlan 3.DXF"},
      {&mainwindow::frmMain::mnuCopyWOExtension, "A1\r\nB2\r\nPlan 3"},
      {&mainwindow::frmMain::mnuCopyClipCSV, "A1, B2, Plan 3"},
  };
  Select({1});
  for (const Case& c : cases) {
    Copy(c.item, 3);
    EXPECT_EQ(clipboard.text, c.text) << (Main().*c.item).Name();
  }
}

TEST_F(QueueCopyTest, SelectedEntriesEndEveryLineAndSayHowManyWereTaken) {
  struct Case {
    Item item;
    std::vector<int> selected;
    const char* text;
  };
  const Case cases[] = {
      {&mainwindow::frmMain::mnuCopySelectedtoClip, {0, 2}, "C:\\P\\A1.dwg\r\nD:\\Jobs\\Plan 3.DXF\r\n"},
      {&mainwindow::frmMain::mnuCopySelFilewithExt, {0, 1, 2}, "A1.dwg\r\nB2.dwg\r\nPlan 3.DXF\r\n"},
      {&mainwindow::frmMain::mnuCopySelFileWOExt, {1}, "B2\r\n"},
      {&mainwindow::frmMain::mnuCopySelFileCSV, {0, 2}, "A1, Plan 3"},
      {&mainwindow::frmMain::mnuCopySelFileCSV, {0, 1, 2}, "A1, B2, Plan 3"},
  };
  for (const Case& c : cases) {
    Select(c.selected);
    Copy(c.item, static_cast<long>(c.selected.size()));
    EXPECT_EQ(clipboard.text, c.text) << (Main().*c.item).Name();
  }
}

// With nothing selected the pop-up offers no selected copy; run anyway (as a caller may),
// a copy leaves the empty text and says 0.
TEST_F(QueueCopyTest, NothingSelectedCopiesTheEmptyText) {
  Select({});
  Main().UpdateQueueControls();
  EXPECT_FALSE(Main().mnuSelected.Enabled());
  clipboard.text = "old";
  ExpectMessage(kAppTitle, "0 Items Copied to the Clipboard");
  Main().mnuCopySelFileCSV_Click();
  EXPECT_EQ(clipboard.text, "");
}

}  // namespace

// The layout wizard's window: the menu entry, the rows on five pages, the operation's column
// and the hand-over into the user script.
#include <gtest/gtest.h>

#include <string>

#include "tags/frm_var_setup.h"
#include "wizard_fixture.h"
#include "wizards/frm_layout_wiz.h"

namespace test {
namespace {

using wizards::frmLayoutWiz;

class LayoutWizTest : public WizardFixture {
 protected:
  void OpenLayouts(std::function<void(frmLayoutWiz&)> script) {
    Open<frmLayoutWiz>(Main().mnuRenameLayoutTabs, script);
  }

  // Whether the new-name column (boxes, "to" labels and headers) shows on every page.
  static void ExpectNewNameColumn(frmLayoutWiz& wizard, bool shown) {
    for (int p = 0; p < frmLayoutWiz::kPageCount; ++p) {
      EXPECT_EQ(wizard.Label4(p).Visible(), shown) << p;
      EXPECT_TRUE(wizard.Label3(p).Visible()) << p;
    }
    for (int i = 0; i < wizards::kLayoutRowCount; ++i) {
      EXPECT_EQ(wizard.Combo1(i).Visible(), shown) << i;
      EXPECT_EQ(wizard.Label2(i).Visible(), shown) << i;
      EXPECT_TRUE(wizard.Text1(i).Visible()) << i;
    }
  }
};

TEST_F(LayoutWizTest, TheMenuOpensItUnderTheHourglassWithFivePagesAndTheTagLists) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    EXPECT_EQ(wizard.Owner(), &Main());
    EXPECT_EQ(Main().MousePointer(), ui::Pointer::kHourglass);
    ASSERT_EQ(wizard.SSTab1.Tabs(), 5);
    EXPECT_EQ(wizard.SSTab1.TabCaption(0), "1-10");
    EXPECT_EQ(wizard.SSTab1.TabCaption(4), "41-50");
    EXPECT_EQ(&wizard.Text1(12).ParentContainer(), wizard.SSTab1.Page(1));
    EXPECT_EQ(&wizard.Combo1(49).ParentContainer(), wizard.SSTab1.Page(4));
    for (int i : {0, 49}) {
      ui::ComboBox& box = wizard.Combo1(i);
      ASSERT_EQ(box.ListCount(), 80);
      EXPECT_EQ(box.List(0), "");
      EXPECT_EQ(box.List(1), "$DATE$");
      EXPECT_EQ(box.List(29), "$COMPUTER$");
      EXPECT_EQ(box.List(30), "$TAG1$");
      EXPECT_EQ(box.List(79), "$TAG50$");
    }
    EXPECT_TRUE(wizard.Option1[0].Value());
    EXPECT_TRUE(wizard.optAppend.Value());
    EXPECT_TRUE(wizard.Command1.Default());
    user.Close(wizard);
  });
  EXPECT_EQ(Main().MousePointer(), ui::Pointer::kDefault);
}

// Delete and New hide the new-name column on all five pages, Copy and Rename show it again
// with the texts it had.
TEST_F(LayoutWizTest, OptionClicksHideAndShowTheNewNameColumnKeepingTheTexts) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    user.Fill(wizard.Combo1(0), "First");
    user.ChooseTab(wizard.SSTab1, 3);
    user.Fill(wizard.Combo1(37), "Sheet $TAG2$");
    const struct {
      int option;
      bool shown;
    } steps[] = {{1, false}, {0, true}, {2, false}, {3, true}};
    for (const auto& step : steps) {
      SCOPED_TRACE(step.option);
      user.Click(wizard.Option1[step.option]);
      ExpectNewNameColumn(wizard, step.shown);
      EXPECT_EQ(wizard.Combo1(0).Text(), "First");
      EXPECT_EQ(wizard.Combo1(37).Text(), "Sheet $TAG2$");
    }
    user.Close(wizard);
  });
}

// A row whose only text is its hidden new name is still in use: its block has an empty
// tab-name line and no new name. The hidden wizard keeps rows and operation; the close box
// starts the next opening with Copy again.
TEST_F(LayoutWizTest, AHiddenNewNameKeepsItsRowInUseAndTheOperationLastsUntilTheCloseBox) {
  Main().Text1.SetText("ZOOM\r\nE");
  OpenLayouts([&](frmLayoutWiz& wizard) {
    user.Fill(wizard.Text1(2), "Layout3");
    user.ChooseTab(wizard.SSTab1, 1);
    user.Fill(wizard.Combo1(11), "Only new");
    user.Click(wizard.Option1[1]);
    ExpectDone();
    user.Click(wizard.Command1);
    EXPECT_FALSE(wizard.Visible());
  });
  EXPECT_EQ(UserScript(),
            "ZOOM\r\nE\r\n;-------------\r\n-LAYOUT\r\nDELETE\r\nLayout3\r\n"
            ";-------------\r\n-LAYOUT\r\nDELETE\r\n\r\n;-------------");
  OpenLayouts([&](frmLayoutWiz& wizard) {
    EXPECT_TRUE(wizard.Option1[1].Value());
    EXPECT_FALSE(wizard.Combo1(11).Visible());
    EXPECT_EQ(wizard.Combo1(11).Text(), "Only new");
    user.Close(wizard);
  });
  ctx.CollectRetired();
  OpenLayouts([&](frmLayoutWiz& wizard) {
    EXPECT_TRUE(wizard.Option1[0].Value());
    EXPECT_TRUE(wizard.Combo1(11).Visible());
    user.Close(wizard);
  });
}

TEST_F(LayoutWizTest, AnEntryPickedFromTheTagListIsWrittenAsItStands) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    user.Fill(wizard.Text1(0), "Layout1");
    user.ClickItem(wizard.Combo1(0), 14);
    EXPECT_EQ(wizard.Combo1(0).Text(), "$FILENAME$");
    user.Click(wizard.Option1[3]);
    ExpectDone();
    user.PressKey(wizard.Text1(0), ui::kKeyReturn);
  });
  EXPECT_EQ(UserScript(), ";-------------\r\n-LAYOUT\r\nRENAME\r\nLayout1\r\n$FILENAME$\r\n;-------------");
}

TEST_F(LayoutWizTest, ClearEmptiesTheRowsOnly) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    user.Fill(wizard.Text1(0), "A");
    user.ChooseTab(wizard.SSTab1, 4);
    user.Fill(wizard.Combo1(49), "B");
    user.Click(wizard.Option1[2]);
    user.Click(wizard.optOverWrite);
    user.Fill(wizard.cmbLTWSelector, "Plans");
    user.Click(wizard.cmdClear);
    for (int i = 0; i < wizards::kLayoutRowCount; ++i) {
      EXPECT_EQ(wizard.Text1(i).Text(), "") << i;
      EXPECT_EQ(wizard.Combo1(i).Text(), "") << i;
    }
    EXPECT_TRUE(wizard.Option1[2].Value());
    EXPECT_TRUE(wizard.optOverWrite.Value());
    EXPECT_EQ(wizard.cmbLTWSelector.Text(), "Plans");
    user.Close(wizard);
  });
}

TEST_F(LayoutWizTest, ConfigureTagsOpensTheTagManagerOverTheWizard) {
  OpenLayouts([&](frmLayoutWiz& wizard) {
    OnModal<tags::frmVARSetup>([&](tags::frmVARSetup& manager) {
      EXPECT_EQ(manager.Owner(), &wizard);
      user.Click(manager.cmdOK);
    });
    user.Click(wizard.cmdConfigureVars);
    EXPECT_TRUE(wizard.Visible());
    user.Close(wizard);
  });
}

}  // namespace
}  // namespace test

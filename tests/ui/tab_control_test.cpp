#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

class frmTabs : public ui::Form {
 public:
  explicit frmTabs(ui::Context& ctx) : Form(ctx, "frmTabs") {
    SSTab1.SetTabCaption(0, "User Script");
    SSTab1.SetTabCaption(1, "Settings");
    SSTab1.SetTabCaption(2, "\"SAVEAS\" Options");
    SSTab1.onClick = [this](int previousTab) { left.push_back(previousTab); };
  }

  ui::TabControl SSTab1{this, "SSTab1"};
  ui::TextBox Text1{SSTab1.Page(0), "Text1"};
  ui::Frame Frame5{SSTab1.Page(1), "Frame5"};
  ui::CommandButton cmdClear{&Frame5, "cmdClear"};
  ui::OptionButton optOriginalLocation{SSTab1.Page(2), "optOriginalLocation"};
  ui::OptionButton optSpecFolder{SSTab1.Page(2), "optSpecFolder"};
  std::vector<int> left;
};

class TabControlTest : public test::AppFixture {
 protected:
  void SetUp() override { form.Show(); }
  frmTabs form{ctx};
};

TEST_F(TabControlTest, ControlsShowOnlyOnTheirTab) {
  struct Case {
    int tab;
    bool text1;
    bool cmdClear;
    bool options;
  };
  const Case cases[] = {{0, true, false, false}, {1, false, true, false}, {2, false, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tab);
    form.SSTab1.SetTab(c.tab);
    EXPECT_EQ(form.Text1.IsShown(), c.text1);
    EXPECT_EQ(form.cmdClear.IsShown(), c.cmdClear);
    EXPECT_EQ(form.optSpecFolder.IsShown(), c.options);
  }
  EXPECT_TRUE(form.cmdClear.Visible()) << "its own property stays set";
}

TEST_F(TabControlTest, ChangingTabRunsClickWithTheTabLeft) {
  user.ChooseTab(form.SSTab1, 2);
  form.SSTab1.SetTab(1);
  form.SSTab1.SetTab(1);
  EXPECT_EQ(form.left, (std::vector<int>{0, 2}));
}

TEST_F(TabControlTest, TheUserCannotReachAControlOnAnotherTab) {
  std::vector<std::string> failures;
  backend.onFailure = [&](const std::string& what) { failures.push_back(what); };
  user.Click(form.cmdClear);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_NE(failures[0].find("not visible"), std::string::npos);
  form.SSTab1.SetTabEnabled(1, false);
  user.ChooseTab(form.SSTab1, 1);
  EXPECT_EQ(form.SSTab1.Tab(), 0);
  EXPECT_EQ(failures.size(), 2u);
}

TEST_F(TabControlTest, HidingTheCurrentTabMovesToTheFirstVisibleOne) {
  form.SSTab1.SetTabVisible(0, false);
  EXPECT_EQ(form.SSTab1.Tab(), 1);
  EXPECT_EQ(form.left, std::vector<int>{0});
  EXPECT_THROW(form.SSTab1.SetTab(3), runtime::Error);
}

TEST_F(TabControlTest, OptionButtonsOnAllTabsOfOneTabControlFormOneGroup) {
  form.optOriginalLocation.SetValue(true);
  form.optSpecFolder.SetValue(true);
  EXPECT_FALSE(form.optOriginalLocation.Value());
}

}  // namespace

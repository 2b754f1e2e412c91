#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

using test::AppFixture;

// A form whose controls count their change and click events.
class frmEvents : public ui::Form {
 public:
  explicit frmEvents(ui::Context& ctx) : Form(ctx, "frmEvents") {
    Text1.onChange = [this] { log.push_back("Text1_Change"); };
    Check1.onClick = [this] { log.push_back("Check1_Click"); };
    List1.onClick = [this] { log.push_back("List1_Click"); };
    Combo1.onClick = [this] { log.push_back("Combo1_Click"); };
    Combo1.onChange = [this] { log.push_back("Combo1_Change"); };
    VScroll1.onChange = [this] { log.push_back("VScroll1_Change"); };
    Command1.onClick = [this] { log.push_back("Command1_Click"); };
    Option1.onClick = [this] { log.push_back("Option1_Click"); };
    Option2.onClick = [this] { log.push_back("Option2_Click"); };
    Option3.onClick = [this] { log.push_back("Option3_Click"); };
    List1.AddItem("a");
    List1.AddItem("b");
    Combo1.AddItem("R14");
    Combo1.AddItem("2000");
    VScroll1.SetMax(10);
  }

  ui::TextBox Text1{this, "Text1"};
  ui::CheckBox Check1{this, "Check1"};
  ui::ListBox List1{this, "List1"};
  ui::ComboBox Combo1{this, "Combo1"};
  ui::VScrollBar VScroll1{this, "VScroll1"};
  ui::CommandButton Command1{this, "Command1"};
  ui::OptionButton Option1{this, "Option1"};
  ui::OptionButton Option2{this, "Option2"};
  ui::Frame Frame1{this, "Frame1"};
  ui::OptionButton Option3{&Frame1, "Option3"};
  std::vector<std::string> log;
};

class PropertyEventsTest : public AppFixture {
 protected:
  frmEvents form{ctx};
};

TEST_F(PropertyEventsTest, SettingAValueRunsItsEventOnceAndOnlyWhenItChanges) {
  struct Case {
    const char* what;
    std::function<void(frmEvents&)> set;
    const char* event;
  };
  const Case cases[] = {
      {"text", [](frmEvents& f) { f.Text1.SetText("x"); }, "Text1_Change"},
      {"check box", [](frmEvents& f) { f.Check1.SetValue(ui::kChecked); }, "Check1_Click"},
      {"list index", [](frmEvents& f) { f.List1.SetListIndex(1); }, "List1_Click"},
      {"selected item", [](frmEvents& f) { f.List1.SetSelected(0, true); }, "List1_Click"},
      {"combo text", [](frmEvents& f) { f.Combo1.SetText("free"); }, "Combo1_Change"},
      {"combo index", [](frmEvents& f) { f.Combo1.SetListIndex(0); }, "Combo1_Click"},
      {"scroll value", [](frmEvents& f) { f.VScroll1.SetValue(4); }, "VScroll1_Change"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    form.log.clear();
    c.set(form);
    c.set(form);
    EXPECT_EQ(form.log, std::vector<std::string>{c.event});
  }
}

TEST_F(PropertyEventsTest, ItemChangesRunNoEvent) {
  form.List1.SetListIndex(0);
  form.log.clear();
  form.List1.AddItem("c", 0);
  form.List1.RemoveItem(2);
  form.List1.Clear();
  form.Combo1.Clear();
  EXPECT_TRUE(form.log.empty());
  EXPECT_EQ(form.List1.ListIndex(), -1);
}

TEST_F(PropertyEventsTest, PressingAButtonInCodeRunsClickEachTimeAndValueReadsFalseAgain) {
  bool valueInsideClick = false;
  form.Command1.onClick = [&] {
    valueInsideClick = form.Command1.Value();
    form.log.push_back("Command1_Click");
  };
  form.Command1.SetValue(true);
  form.Command1.SetValue(true);
  form.Command1.SetValue(false);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Command1_Click", "Command1_Click"}));
  EXPECT_TRUE(valueInsideClick);
  EXPECT_FALSE(form.Command1.Value());
}

TEST_F(PropertyEventsTest, ADisabledButtonCannotBePressedInCode) {
  form.Command1.SetEnabled(false);
  form.Command1.SetValue(true);
  EXPECT_TRUE(form.log.empty());
}

TEST_F(PropertyEventsTest, AHandlerThatSetsAnotherControlRunsItsEventInsideTheAssignment) {
  form.Check1.onClick = [this] {
    form.log.push_back("Check1_Click begins");
    form.Text1.SetText("changed by the check box");
    form.log.push_back("Check1_Click ends");
  };
  form.Check1.SetValue(ui::kChecked);
  EXPECT_EQ(form.log, (std::vector<std::string>{"Check1_Click begins", "Text1_Change", "Check1_Click ends"}));
}

TEST_F(PropertyEventsTest, AnErrorInTheEventReachesTheCodeThatSetTheValue) {
  form.Text1.onChange = [] { throw runtime::Error(runtime::kFileNotFound); };
  try {
    form.Text1.SetText("x");
    FAIL() << "no error";
  } catch (const runtime::Error& error) {
    EXPECT_EQ(error.Number(), runtime::kFileNotFound);
  }
  EXPECT_EQ(form.Text1.Text(), "x");
}

TEST_F(PropertyEventsTest, ACheckBoxTakesZeroOneOrTwoOnly) {
  form.Check1.SetValue(ui::kGrayed);
  form.log.clear();
  for (int bad : {3, -1, 255}) {
    SCOPED_TRACE(bad);
    try {
      form.Check1.SetValue(bad);
      FAIL() << "no error";
    } catch (const runtime::Error& error) {
      EXPECT_EQ(error.Number(), 380);
    }
    EXPECT_EQ(form.Check1.Value(), ui::kGrayed);
  }
  EXPECT_TRUE(form.log.empty());
}

TEST_F(PropertyEventsTest, ChoosingAnOptionClearsTheOthersOfItsContainerOnly) {
  form.Option3.SetValue(true);
  form.Option1.SetValue(true);
  form.log.clear();
  form.Option2.SetValue(true);
  EXPECT_FALSE(form.Option1.Value());
  EXPECT_TRUE(form.Option2.Value());
  EXPECT_TRUE(form.Option3.Value()) << "an option in another container is another group";
  EXPECT_EQ(form.log, std::vector<std::string>{"Option2_Click"}) << "only the chosen option clicks";
  form.Option2.SetValue(true);
  form.Option2.SetValue(false);
  EXPECT_EQ(form.log, std::vector<std::string>{"Option2_Click"}) << "no click for the same value or for clearing";
}

TEST_F(PropertyEventsTest, OptionArraysTellTheirHandlerTheIndex) {
  ui::ControlArray<ui::OptionButton> optPage{&form.Frame1, "optPage"};
  std::vector<int> clicked;
  for (int i = 0; i < 3; ++i) optPage.Load(i);
  optPage.On(&ui::OptionButton::onClick, [&](int index) { clicked.push_back(index); });
  optPage.Load(3);
  form.Option3.SetValue(true);
  optPage[1].SetValue(true);
  optPage[3].SetValue(true);
  EXPECT_EQ(clicked, (std::vector<int>{1, 3}));
  EXPECT_FALSE(optPage[1].Value());
  EXPECT_FALSE(form.Option3.Value()) << "the array shares the frame's group";
  EXPECT_EQ(optPage.UBound(), 3);
  try {
    optPage[7];
    FAIL() << "no error";
  } catch (const runtime::Error& error) {
    EXPECT_EQ(error.Number(), 340);
  }
}

TEST_F(PropertyEventsTest, NegativeSizesAreRefusedAndTheOldSizeStays) {
  form.Text1.Move(10, 20, 300, 400);
  EXPECT_THROW(form.Text1.SetHeight(-5), runtime::Error);
  EXPECT_EQ(form.Text1.Bounds(), (ui::Rect{10, 20, 300, 400}));
}

TEST_F(PropertyEventsTest, TheDefaultAndCancelButtonsAreOnePerForm) {
  ui::CommandButton other{&form, "other"};
  form.Command1.SetDefault(true);
  other.SetDefault(true);
  EXPECT_FALSE(form.Command1.Default());
  EXPECT_EQ(form.DefaultButton(), &other);
  form.Command1.SetCancel(true);
  EXPECT_EQ(form.CancelButton(), &form.Command1);
}

}  // namespace

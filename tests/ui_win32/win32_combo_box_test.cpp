// Text typed with real keys into an editable combo box reads exactly as typed, whatever was
// chosen in it before: the model's current item follows the text without the box being
// written back (which would move the caret).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui_win32/win32_fixture.h"

namespace ui::win32 {
namespace {

using test_support::SendStrokes;
using test_support::SendText;
using test_support::Stroke;

class FrmCombos : public Form {
 public:
  explicit FrmCombos(Context& ctx) : Form(ctx, "frmCombos") {
    SetCaption("Combos");
    SetBorderStyle(BorderStyle::kFixedDialog);
    Move(600, 600, 6000, 4500);
    cboDrop.SetStyle(ComboStyle::kDropDownCombo);
    cboDrop.Move(150, 150, 2400, 315);
    cboSimple.SetStyle(ComboStyle::kSimpleCombo);
    cboSimple.Move(3000, 150, 2400, 1800);
    for (ComboBox* box : {&cboDrop, &cboSimple}) {
      for (const char* item : {"Sheet-1", "Sheet-2", "Title"}) box->AddItem(item);
      box->onChange = [this, box] { seen.push_back(box->Text()); };
    }
  }

  ComboBox cboDrop{this, "cboDrop"};
  ComboBox cboSimple{this, "cboSimple"};
  std::vector<std::string> seen;  // the texts Change reported
};

class Win32ComboBoxTest : public test_support::Win32InputTest {};

TEST_F(Win32ComboBoxTest, TextTypedOverTheBoxReadsAsTypedWhateverWasChosenBefore) {
  enum class Before { kNothing, kPickedFromTheList, kSetByCode };
  struct Case {
    const char* what;
    ComboStyle style;
    Before before;
    std::string typed;
    int listIndex;  // the model's current item after typing
  };
  const Case cases[] = {
      {"drop-down, nothing chosen", ComboStyle::kDropDownCombo, Before::kNothing, "AB-12", -1},
      {"drop-down, an item picked", ComboStyle::kDropDownCombo, Before::kPickedFromTheList, "AB-12", -1},
      {"drop-down, an item set by code", ComboStyle::kDropDownCombo, Before::kSetByCode, "AB-12", -1},
      {"drop-down, picked, typed an item and more", ComboStyle::kDropDownCombo, Before::kPickedFromTheList, "Titles",
       -1},
      {"drop-down, picked, typed another item", ComboStyle::kDropDownCombo, Before::kPickedFromTheList, "Title", 2},
      {"simple, nothing chosen", ComboStyle::kSimpleCombo, Before::kNothing, "Sheet-A", -1},
      {"simple, an item picked", ComboStyle::kSimpleCombo, Before::kPickedFromTheList, "Sheet-A", -1},
      {"simple, an item set by code", ComboStyle::kSimpleCombo, Before::kSetByCode, "Sheet-A", -1},
      {"simple, picked, typed an item in other letters", ComboStyle::kSimpleCombo, Before::kPickedFromTheList,
       "sheet-2", 1},
  };
  for (const Case& c : cases) {
    FrmCombos form(ctx);
    ComboBox& box = c.style == ComboStyle::kDropDownCombo ? form.cboDrop : form.cboSimple;
    if (c.before == Before::kSetByCode) box.SetListIndex(0);
    Front(form);
    box.SetFocus();
    Settle();
    if (c.before == Before::kPickedFromTheList) {
      // Alt+Down drops the list of a drop-down; Down then moves to the first item, Enter takes it.
      std::vector<Stroke> pick = {VK_DOWN, -VK_DOWN, VK_RETURN, -VK_RETURN};
      if (c.style == ComboStyle::kDropDownCombo) pick.insert(pick.begin(), {VK_MENU, VK_DOWN, -VK_DOWN, -VK_MENU});
      SendStrokes(pick);
      Settle();
      ASSERT_EQ(box.ListIndex(), 0) << c.what;
    }
    SendStrokes({VK_END, -VK_END, VK_SHIFT, VK_HOME, -VK_HOME, -VK_SHIFT});
    SendText(c.typed);
    Settle();
    EXPECT_EQ(box.Text(), c.typed) << c.what;
    EXPECT_EQ(Text(Window(box)), c.typed) << c.what;
    EXPECT_EQ(box.ListIndex(), c.listIndex) << c.what;
    ASSERT_FALSE(form.seen.empty()) << c.what;
    EXPECT_EQ(form.seen.back(), c.typed) << c.what;
    form.Unload();
  }
}

}  // namespace
}  // namespace ui::win32

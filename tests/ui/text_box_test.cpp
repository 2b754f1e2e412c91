#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/app_fixture.h"
#include "ui/ui.h"

namespace {

class frmText : public ui::Form {
 public:
  explicit frmText(ui::Context& ctx) : Form(ctx, "frmText") {
    Text1.SetMultiLine(true);
    Text1.onChange = [this] { changes.push_back(Text1.Text()); };
  }

  ui::TextBox Text1{this, "Text1"};
  ui::TextBox Filter{this, "Filter"};
  std::vector<std::string> changes;
};

class TextBoxTest : public test::AppFixture {
 protected:
  void SetUp() override { form.Show(); }
  frmText form{ctx};
};

TEST_F(TextBoxTest, TypingChangesTheTextAtEveryKeystroke) {
  user.Type(form.Text1, "ab");
  EXPECT_EQ(form.changes, (std::vector<std::string>{"a", "ab"}));
}

TEST_F(TextBoxTest, KeyPressCanChangeOrSwallowATypedCharacter) {
  form.Text1.onKeyPress = [](int& keyAscii) {
    if (keyAscii == 'x') keyAscii = 0;
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii -= 32;
  };
  user.Type(form.Text1, "axb");
  EXPECT_EQ(form.Text1.Text(), "AB");
}

TEST_F(TextBoxTest, EnterBreaksTheLineInAMultiLineBoxOnly) {
  user.Type(form.Text1, "a\nb");
  user.Type(form.Filter, "a\nb");
  EXPECT_EQ(form.Text1.Text(), "a\r\nb");
  EXPECT_EQ(form.Filter.Text(), "ab");
}

TEST_F(TextBoxTest, TypingReplacesTheSelectionAndStopsAtMaxLength) {
  form.Text1.SetText("0123456789");
  user.Select(form.Text1, 2, 3);
  EXPECT_EQ(form.Text1.SelText(), "234");
  form.Text1.SetMaxLength(9);
  user.Type(form.Text1, "abc");
  EXPECT_EQ(form.Text1.Text(), "01ab56789");
  EXPECT_EQ(form.Text1.SelStart(), 4);
}

TEST_F(TextBoxTest, ReplacingTheSelectionInsertsAtTheCaretAndCanBeUndone) {
  form.Text1.SetText("LINE 1\r\nLINE 3");
  form.Text1.SetSelStart(8);
  form.Text1.ReplaceSelection("LINE 2\r\n", true);
  EXPECT_EQ(form.Text1.Text(), "LINE 1\r\nLINE 2\r\nLINE 3");
  EXPECT_EQ(form.Text1.SelStart(), 16);
  form.Text1.Undo();
  EXPECT_EQ(form.Text1.Text(), "LINE 1\r\nLINE 3");
  form.Text1.Undo();
  EXPECT_EQ(form.Text1.Text(), "LINE 1\r\nLINE 2\r\nLINE 3") << "a second undo redoes";
}

TEST_F(TextBoxTest, UndoTakesBackTheLastTypedRunButNotTextSetInCode) {
  user.Type(form.Text1, "one");
  user.Type(form.Text1, " two");
  form.Text1.Undo();
  EXPECT_EQ(form.Text1.Text(), "one");
  form.Text1.SetText("from code");
  EXPECT_FALSE(form.Text1.CanUndo());
  form.Text1.Undo();
  EXPECT_EQ(form.Text1.Text(), "from code");
}

TEST_F(TextBoxTest, ALockedBoxTakesNoTyping) {
  form.Text1.SetLocked(true);
  user.Type(form.Text1, "abc");
  EXPECT_EQ(form.Text1.Text(), "");
  form.Text1.SetText("code may");
  EXPECT_EQ(form.Text1.Text(), "code may");
}

TEST_F(TextBoxTest, SelectionPropertiesClampAndRefuseNegatives) {
  form.Text1.SetText("abc");
  form.Text1.SetSelStart(10);
  EXPECT_EQ(form.Text1.SelStart(), 3);
  form.Text1.SetSelStart(1);
  form.Text1.SetSelLength(10);
  EXPECT_EQ(form.Text1.SelText(), "bc");
  EXPECT_THROW(form.Text1.SetSelStart(-1), runtime::Error);
}

}  // namespace

namespace {

class frmNul : public ui::Form {
 public:
  explicit frmNul(ui::Context& ctx) : Form(ctx, "frmNul") {}

  ui::TextBox Text1{this, "Text1"};
  ui::ListBox List1{this, "List1"};
  ui::ComboBox Combo1{this, "Combo1"};
};

// A window's text ends at its first NUL, so a control never holds one: every way text reaches
// a text box, a list or a combo box turns it into a blank, and the text stays whole.
TEST_F(TextBoxTest, EveryWayInTurnsANulIntoABlank) {
  using namespace std::string_literals;
  frmNul nul(ctx);
  nul.Show();
  const std::string with = "a\0b\0"s;
  const struct {
    const char* what;
    std::function<std::string()> put;
    const char* expected;
  } cases[] = {
      {"SetText",
       [&] {
         nul.Text1.SetText(with);
         return nul.Text1.Text();
       },
       "a b "},
      {"SetSelText",
       [&] {
         nul.Text1.SetText("xy");
         nul.Text1.SetSelStart(1);
         nul.Text1.SetSelText(with);
         return nul.Text1.Text();
       },
       "xa b y"},
      {"AddItem",
       [&] {
         nul.List1.Clear();
         nul.List1.AddItem(with);
         return nul.List1.List(0);
       },
       "a b "},
      {"AddItems",
       [&] {
         nul.List1.Clear();
         nul.List1.AddItems({"z", with});
         return nul.List1.List(1);
       },
       "a b "},
      {"SetList",
       [&] {
         nul.List1.Clear();
         nul.List1.AddItem("z");
         nul.List1.SetList(0, with);
         return nul.List1.List(0);
       },
       "a b "},
      {"combo SetText",
       [&] {
         nul.Combo1.SetText(with);
         return nul.Combo1.Text();
       },
       "a b "},
  };
  for (const auto& c : cases) EXPECT_EQ(c.put(), c.expected) << c.what;
}

}  // namespace

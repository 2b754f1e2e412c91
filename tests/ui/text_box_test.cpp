#include <gtest/gtest.h>

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

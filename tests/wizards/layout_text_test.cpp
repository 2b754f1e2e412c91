// The text the layout and page setup wizards hand to the user script, byte for byte.
#include "wizards/layout_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace wizards;

constexpr const char* kSep = ";-------------";

LayoutInputs Rows(LayoutOperation operation, std::vector<std::pair<int, LayoutRow>> rows) {
  LayoutInputs inputs;
  inputs.operation = operation;
  for (auto& [row, names] : rows) inputs.rows[static_cast<std::size_t>(row - 1)] = names;
  return inputs;
}

std::string Block(const std::string& keyword, const std::string& tab) {
  return std::string(kSep) + "\r\n-LAYOUT\r\n" + keyword + "\r\n" + tab + "\r\n";
}

TEST(LayoutScriptTest, RenameOfOneRowOnAnEmptyScript) {
  EXPECT_EQ(LayoutScript(Rows(LayoutOperation::kRename, {{1, {"Layout1", "Sheet-$FILENAME$"}}}), ""),
            ";-------------\r\n-LAYOUT\r\nRENAME\r\nLayout1\r\nSheet-$FILENAME$\r\n;-------------");
}

// Every operation over the shapes a row can have: Copy and Rename write the new name (an
// empty line when there is none), Delete and New never do; a row holding only a new name is
// in use and writes an empty tab-name line.
TEST(LayoutScriptTest, OperationsOverRowShapes) {
  struct Case {
    LayoutOperation operation;
    LayoutRow row;
    std::string expected;
  };
  const std::string close = kSep;
  const Case cases[] = {
      {LayoutOperation::kCopy, {"A", "B"}, Block("COPY", "A") + "B\r\n" + close},
      {LayoutOperation::kCopy, {"A", ""}, Block("COPY", "A") + "\r\n" + close},
      {LayoutOperation::kCopy, {"", "B"}, Block("COPY", "") + "B\r\n" + close},
      {LayoutOperation::kDelete, {"A", "B"}, Block("DELETE", "A") + close},
      {LayoutOperation::kDelete, {"A", ""}, Block("DELETE", "A") + close},
      {LayoutOperation::kDelete, {"", "B"}, Block("DELETE", "") + close},
      {LayoutOperation::kNew, {"A", "B"}, Block("NEW", "A") + close},
      {LayoutOperation::kNew, {"A", ""}, Block("NEW", "A") + close},
      {LayoutOperation::kNew, {"", "B"}, Block("NEW", "") + close},
      {LayoutOperation::kRename, {"A", "B"}, Block("RENAME", "A") + "B\r\n" + close},
      {LayoutOperation::kRename, {"A", ""}, Block("RENAME", "A") + "\r\n" + close},
      {LayoutOperation::kRename, {"", "B"}, Block("RENAME", "") + "B\r\n" + close},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.operation));
    SCOPED_TRACE(c.row.tabName + "/" + c.row.newName);
    EXPECT_EQ(LayoutScript(Rows(c.operation, {{7, c.row}}), ""), c.expected);
  }
}

TEST(LayoutScriptTest, JoiningAndRowOrder) {
  struct Case {
    const char* name;
    LayoutInputs inputs;
    std::string userScript;
    std::string expected;
  };
  const LayoutInputs rows3And12 = Rows(LayoutOperation::kCopy, {{12, {"L12", "N12"}}, {3, {"L3", "N3"}}});
  const std::string twelveAfterThree = Block("COPY", "L3") + "N3\r\n" + Block("COPY", "L12") + "N12\r\n" + kSep;
  const LayoutInputs one = Rows(LayoutOperation::kDelete, {{1, {"Layout1", ""}}});
  const std::string oneBlock = Block("DELETE", "Layout1") + kSep;
  const Case cases[] = {
      {"RowsInRowOrder", rows3And12, "", twelveAfterThree},
      {"NoRowInUse", LayoutInputs{}, "", kSep},
      {"NoRowInUseAfterText", LayoutInputs{}, "ZOOM", std::string("ZOOM\r\n") + kSep},
      // The separator goes on a line of its own, never onto the user's last line.
      {"AfterUnendedLine", one, "ZOOM\r\nE", "ZOOM\r\nE\r\n" + oneBlock},
      {"AfterEndedLine", one, "ZOOM\r\nE\r\n", "ZOOM\r\nE\r\n" + oneBlock},
      {"AfterAnotherRun", one, oneBlock, oneBlock + "\r\n" + oneBlock},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LayoutScript(c.inputs, c.userScript), c.expected);
  }
}

TEST(LayoutScriptTest, TwoCreatesInARow) {
  const LayoutInputs inputs = Rows(LayoutOperation::kNew, {{50, {"Plan $TAG3$", ""}}});
  const std::string block = Block("NEW", "Plan $TAG3$") + kSep;
  EXPECT_EQ(LayoutScript(inputs, LayoutScript(inputs, "")), block + "\r\n" + block);
}

TEST(PageSetupScriptTest, Table) {
  struct Case {
    const char* name;
    PageSetupInputs inputs;
    std::string userScript;
    std::string expected;
  };
  const PageSetupInputs a1{"C:\\Std\\Plot setups.dwg", "A1 Plot"};
  const std::string a1Block =
      ";-------------\r\n_EXPERT 2\r\n_-PSETUPIN\r\n\"C:\\Std\\Plot setups.dwg\"\r\n\"A1 Plot\"\r\n_EXPERT "
      "0\r\n;-------------";
  const Case cases[] = {
      {"EmptyScript", a1, "", a1Block},
      {"AfterEndedLine", a1, "ZOOM\r\nE\r\n", "ZOOM\r\nE\r\n" + a1Block},
      {"AfterUnendedLine", a1, "ZOOM\r\nE", "ZOOM\r\nE\r\n" + a1Block},
      {"SecondRun", a1, a1Block, a1Block + "\r\n" + a1Block},
      {"EmptySourceUntouchedName", PageSetupInputs{}, "",
       ";-------------\r\n_EXPERT 2\r\n_-PSETUPIN\r\n\"\"\r\n\"<default>\"\r\n_EXPERT 0\r\n;-------------"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PageSetupScript(c.inputs, c.userScript), c.expected);
  }
}

}  // namespace

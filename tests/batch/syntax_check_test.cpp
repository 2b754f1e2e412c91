#include "batch/syntax_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using batch::SyntaxCheckInput;
using batch::SyntaxWarnings;

constexpr const char* kWarningTitle = "(Only a Warning - Script will still be created)";

const std::string kSpaceLine = "\r\nYou have a SPACE on a blank line.\r\nIf this is intentional, no problem...";
const std::string kEndsSpace =
    "\r\nOne of the lines in your script ends with a SPACE.\r\nIf this is intentional, no problem...";
const std::string kDouble =
    "\r\nOne of the lines of your script contains a DOUBLE SPACE.\r\nIf this is intentional, no problem...";
const std::string kBlank =
    "\r\nOne of the lines of your script is simply a Carriage Return (blank line).\r\n"
    "If this is intentional, no problem...";
const std::string kLisp =
    "\r\nOne of the lines of your script may contain LISP commands,\r\nyet you have the LT option enabled.\r\n\r\n"
    "(AutoCAD LT doesn't support lisp).\r\n\r\nIf this is intentional, no problem...";
const std::string kHint =
    "\r\nYou can disable 'Script Syntax Warnings' in the 'Tools -> Options' menu,\r\n(found under the 'Prefs' Tab).";

std::string BoxWarning(const std::string& command) {
  return "\r\nYour " + command +
         " command (on the SETTINGS TAB) seems to end with a SPACE or a CARRIAGE RETURN.\r\n"
         "Please correct this and recreate your Batch Script.";
}
const std::string kPreBatch = BoxWarning("PREBATCH");
const std::string kPreUserScript = BoxWarning("PREUSERSCRIPT");
const std::string kPostUserScript = BoxWarning("POSTUSERSCRIPT");
const std::string kPostBatch = BoxWarning("POSTBATCH");

SyntaxCheckInput AllOn(std::string script) {
  SyntaxCheckInput input;
  input.userScript = std::move(script);
  input.WarnSpaceInBlank = 1;
  input.WarnLineEndsWithSpace = 1;
  input.WarnDoubleSpace = 1;
  input.WarnBlankLine = 1;
  input.WarnLTLisp = 1;
  input.LT = 1;
  return input;
}

SyntaxCheckInput With(SyntaxCheckInput input, void (*change)(SyntaxCheckInput&)) {
  change(input);
  return input;
}

std::vector<std::string> Texts(const std::vector<ui::MessageBoxSpec>& boxes) {
  std::vector<std::string> texts;
  for (const ui::MessageBoxSpec& box : boxes) texts.push_back(box.text);
  return texts;
}

struct Case {
  const char* name;
  SyntaxCheckInput input;
  std::vector<std::string> expected;
};

TEST(SyntaxCheckTest, FindsEachProblemInOrder) {
  const std::vector<Case> cases = {
      {"double space in one line", AllOn("ZOOM  E"), {kDouble, kHint}},
      {"last line ends with a space", AllOn("ZOOM\r\nREGEN "), {}},
      {"line of two spaces", AllOn("ZOOM\r\n  \r\nREGEN"), {kEndsSpace, kDouble, kHint}},
      {"line of one space", AllOn("ZOOM\r\n \r\nREGEN"), {kSpaceLine, kEndsSpace, kHint}},
      {"ends with two line breaks", AllOn("ZOOM\r\n\r\n"), {kBlank, kHint}},
      {"ends with one line break", AllOn("ZOOM\r\n"), {}},
      {"empty line inside", AllOn("ZOOM\r\n\r\nREGEN"), {kBlank, kHint}},
      {"parentheses with LT", AllOn("ZOOM (E)"), {kLisp, kHint}},
      {"parentheses across lines", AllOn("(setq a\r\n1)"), {kLisp, kHint}},
      {"closing before opening", AllOn("A) B("), {}},
      {"parentheses without LT", With(AllOn("(command)"), [](SyntaxCheckInput& in) { in.LT = 0; }), {}},
      {"LT with its warning off", With(AllOn("(command)"), [](SyntaxCheckInput& in) { in.WarnLTLisp = 0; }), {}},
      {"switch at 2", With(AllOn("A  B"), [](SyntaxCheckInput& in) { in.WarnDoubleSpace = 2; }), {}},
      {"switch at -1", With(AllOn("A \r\nB"), [](SyntaxCheckInput& in) { in.WarnLineEndsWithSpace = -1; }), {}},
      {"post-batch ends with a line break",
       With(AllOn("REGEN"), [](SyntaxCheckInput& in) { in.postBatch = "_SDI 0\r\n"; }),
       {kPostBatch}},
      {"boxes in order after the script",
       With(AllOn("A  B"),
            [](SyntaxCheckInput& in) {
              in.preBatch = "_SDI 1 ";
              in.preUserScript = "ZOOM E\r\n";
              in.postUserScript = "x ";
              in.postBatch = "y\n";
            }),
       {kDouble, kPreBatch, kPreUserScript, kPostUserScript, kPostBatch, kHint}},
      {"box ending with a lone carriage return or a letter",
       With(AllOn("REGEN"),
            [](SyntaxCheckInput& in) {
              in.preBatch = "_SDI 1\r";
              in.postBatch = " x";
            }),
       {}},
      {"boxes warn with every switch off",
       [] {
         SyntaxCheckInput in;
         in.userScript = "A  B\r\n\r\n \r\n(x)";
         in.preUserScript = " ";
         return in;
       }(),
       {kPreUserScript}},
      {"nothing at all", SyntaxCheckInput{}, {}},
      {"every user-script finding",
       AllOn("(a \r\n \r\n\r\nb  c)"),
       {kSpaceLine, kEndsSpace, kDouble, kBlank, kLisp, kHint}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Texts(SyntaxWarnings(c.input)), c.expected) << c.name;
  }
}

TEST(SyntaxCheckTest, WarningsAreExclamationBoxesWithOneButtonUnderTheirTitles) {
  SyntaxCheckInput input = AllOn("ZOOM  E");
  input.postBatch = "_SDI 0 ";
  std::vector<ui::MessageBoxSpec> boxes = SyntaxWarnings(input);
  ASSERT_EQ(boxes.size(), 3u);
  std::vector<std::string> titles;
  for (const ui::MessageBoxSpec& box : boxes) {
    titles.push_back(box.title);
    EXPECT_EQ(box.buttons, ui::MsgButtons::kOk);
    EXPECT_EQ(box.icon, ui::MsgIcon::kExclamation);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{kWarningTitle, kWarningTitle, "Tornavane"}));
}

}  // namespace

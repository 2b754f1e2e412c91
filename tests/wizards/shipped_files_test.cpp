// The add-ins and the reset script the program ships in its LISP and DATA folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "runtime/text.h"

namespace {

std::string ReadShipped(const std::string& relative) {
  const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "data" / relative;
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "no shipped file " << path;
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Where the parentheses of an AutoLISP text, outside strings and comments, first go wrong:
// "" when they balance.
std::string ParenthesisFault(const std::string& code) {
  int depth = 0;
  int line = 1;
  bool inString = false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '\n') ++line;
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == ';') {
      while (i + 1 < code.size() && code[i + 1] != '\n') ++i;
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth < 0) {
      return "a ')' without its '(' on line " + std::to_string(line);
    }
  }
  if (inString) return "a string left open";
  if (depth != 0) return std::to_string(depth) + " '(' left open";
  return "";
}

TEST(ParenthesisFaultTest, FindsWhatAnAddInCheckMustCatch) {
  EXPECT_EQ(ParenthesisFault("(defun C:X () (princ \")(\")) ; (("), "");
  EXPECT_EQ(ParenthesisFault("(defun C:X () (princ \"\\\"(\"))"), "");
  EXPECT_EQ(ParenthesisFault("(defun C:X ()\n (princ))\n)"), "a ')' without its '(' on line 3");
  EXPECT_EQ(ParenthesisFault("(defun C:X () (princ \"a)"), "a string left open");
  EXPECT_EQ(ParenthesisFault("(defun C:X () (princ ; )\n)"), "1 '(' left open");
}

struct AddIn {
  const char* file;
  const char* command;
};

void PrintTo(const AddIn& addIn, std::ostream* os) {
  *os << addIn.file;
}

class AddInTest : public ::testing::TestWithParam<AddIn> {};

TEST_P(AddInTest, BalancesAndDefinesTheCommandItsScriptLineCalls) {
  const std::string code = ReadShipped(std::string("LISP/") + GetParam().file);
  ASSERT_FALSE(code.empty());
  EXPECT_EQ(ParenthesisFault(code), "");
  const std::string definition = std::string("(defun C:") + GetParam().command + " ";
  EXPECT_NE(runtime::FindNoCase(code, definition), std::string::npos) << "no " << definition;
}

INSTANTIATE_TEST_SUITE_P(Shipped, AddInTest,
                         ::testing::Values(AddIn{"TB_WIZ1.LSP", "TB_WIZ1"}, AddIn{"REPTEXT.LSP", "REPTEXT"},
                                           AddIn{"LOG_TEXT.LSP", "LOG_TEXT"}, AddIn{"LIMITS_OUT.LSP", "LIMITS_OUT"}),
                         [](const ::testing::TestParamInfo<AddIn>& tested) {
                           std::string name = tested.param.command;
                           std::erase(name, '_');
                           return name;
                         });

// AutoCAD reads the reset script line by line and must end on its quit, so it shuts down.
TEST(ResetScriptTest, EndsAutoCADWithItsQuit) {
  const std::string script = ReadShipped("DATA/reset.scr");
  ASSERT_TRUE(script.ends_with("\r\n"));
  EXPECT_TRUE(script.ends_with("\r\n_.QUIT\r\n_Y\r\n"));
  EXPECT_EQ(script.find("\n\r\n"), std::string::npos) << "an empty line repeats AutoCAD's last command";
}

}  // namespace

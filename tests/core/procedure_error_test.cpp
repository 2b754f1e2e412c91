#include "core/procedure_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"

namespace core {
namespace {

TEST(ProcedureErrorTest, NamesTheErrorItsProcedureAndWhereThatLives) {
  const runtime::Error missing(runtime::kFileNotFound);
  const runtime::Error own(75, "Path/File access error");
  struct Case {
    std::string text;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {ErrorText(missing), "Error 53 (File not found)"},
      {ProcedureErrorText(own, "cmdOK_Click", "frmOptions"),
       "Error 75 (Path/File access error) in procedure cmdOK_Click of Form frmOptions"},
      {ProcedureErrorText(missing, "mnuGotoDir_Click"),
       "Error 53 (File not found) in procedure mnuGotoDir_Click of Form frmMain"},
      {ModuleErrorText(missing, "StripFirstXChars", "modStringManipulation"),
       "Error 53 (File not found) in procedure StripFirstXChars of Module modStringManipulation"},
      {ProcedureErrorText("Error 58 (File already exists)", "cmdDoIt_Click", "frmFileRenamer"),
       "Error 58 (File already exists) in procedure cmdDoIt_Click of Form frmFileRenamer"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.expected);
}

}  // namespace
}  // namespace core

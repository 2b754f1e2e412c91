#include "batch/save_as.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace batch_test {
namespace {

TEST(SaveAsTest, NameIsPrefixBaseNameSuffixAndExtension) {
  struct Case {
    std::string prefix;
    std::string path;
    std::string suffix;
    std::string name;
  };
  const std::vector<Case> cases = {
      {"NEW-", "C:\\DWG\\A-102.dwg", "", "NEW-A-102.dwg"},
      {"", "C:\\DWG\\A-102.dwg", "-R1", "A-102-R1.dwg"},
      {"", "C:\\DWG\\plan.DXF", "", "plan.DWG"},  // saved as a drawing
      {"", "C:\\DWG\\plan.Dxf", "", "plan.DWG"},
      {"", "C:\\DWG\\a.dxf-old.dxf", "", "a.dxf-old.DWG"},  // only the extension changes
      {".dxf", "C:\\DWG\\A.dwg", ".dxf", ".dxfA.dxf.dwg"},  // the user's own parts stay
      {"P-", "A:", "-S", "P--SA:"},                         // no base name: the last four characters
      {"", "\\\\SRV\\Jobs\\B.DWG", "", "B.DWG"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(batch::SaveAsName(row.prefix, row.path, row.suffix), row.name);
  }
}

TEST(SaveAsTest, FormatDontChangeInAnyCaseIsLeftOut) {
  EXPECT_EQ(batch::SaveAsFormat("Don't Change"), "");
  EXPECT_EQ(batch::SaveAsFormat("DON'T CHANGE"), "");
  EXPECT_EQ(batch::SaveAsFormat("2004"), "2004");
  EXPECT_EQ(batch::SaveAsFormat("Don't Change "), "Don't Change ");
}

TEST(SaveAsTest, LineQuotesTheTargetAndAnswersOverwrite) {
  EXPECT_EQ(batch::SaveAsLine("2004", "C:\\DWG\\NEW-A.dwg", true), "_SAVEAS 2004 \"C:\\DWG\\NEW-A.dwg\" Y");
  EXPECT_EQ(batch::SaveAsLine("", "C:\\DWG\\NEW-A.dwg", false), "_SAVEAS  \"C:\\DWG\\NEW-A.dwg\"");
}

}  // namespace
}  // namespace batch_test

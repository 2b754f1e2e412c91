#include "batch/folder_scan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace batch_test {
namespace {

TEST(FolderScanTest, FolderOfALineFromItsDriveLetterToItsLastBackslash) {
  struct Case {
    std::string line;
    std::string folder;
  };
  const std::vector<Case> cases = {
      {"\"C:\\DWG\\A.dwg\"", "C:\\DWG\\"},
      {"_SAVEAS 2004 \"D:\\OUT\\A\\NEW-A.dwg\" Y", "D:\\OUT\\A\\"},
      {"C:\\DWG\\A.dwg", "C:\\DWG\\"},
      {"_OPEN", ""},
      {"\"\\\\SRV\\Jobs\\A.dwg\"", ""},  // a network path is never tested
      {":\\DWG\\A.dwg", ""},             // no drive letter before the colon: skipped
      {"; 12:30 C\\X", ""},              // a colon but no ":\"
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.line);
    EXPECT_EQ(batch::FolderToCheck(row.line), row.folder);
  }
}

TEST(FolderScanTest, LinesSplitAtCrLfCrOrLf) {
  std::vector<std::string> lines;
  batch::ForEachLine("a\r\nb\rc\nd\r\n\r\ne", [&](std::string_view line) {
    lines.emplace_back(line);
    return true;
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
  lines.clear();
  batch::ForEachLine("a\r\nb\r\n", [&](std::string_view line) {
    lines.emplace_back(line);
    return line != "a";
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"a"}));
}

TEST(FolderScanTest, FirstMissingFolderStopsAtTheFirstOne) {
  const std::string script =
      "_OPEN\r\n\"C:\\DWG\\A.dwg\"\r\n_SAVEAS  \"D:\\OUT\\A\\A.dwg\"\r\n_SAVEAS  \"D:\\OUT\\B\\B.dwg\"\r\n";
  std::vector<std::string> asked;
  const std::set<std::string> existing = {"C:\\DWG\\"};
  EXPECT_EQ(batch::FirstMissingFolder(script,
                                      [&](const std::string& folder) {
                                        asked.push_back(folder);
                                        return existing.count(folder) != 0;
                                      }),
            "D:\\OUT\\A\\");
  EXPECT_EQ(asked, (std::vector<std::string>{"C:\\DWG\\", "D:\\OUT\\A\\"}));
  EXPECT_EQ(batch::FirstMissingFolder(script, [](const std::string&) { return true; }), "");
}

TEST(FolderScanTest, AFolderCreatedForAnEarlierLineIsNotReportedAgain) {
  const std::string script = "\"D:\\OUT\\A\\1.dwg\"\r\n\"D:\\OUT\\B\\2.dwg\"\r\n\"D:\\OUT\\A\\3.dwg\"\r\n";
  std::set<std::string> existing;
  std::vector<std::string> created;
  batch::ForEachMissingFolder(
      script, [&](const std::string& folder) { return existing.count(folder) != 0; },
      [&](const std::string& folder) {
        created.push_back(folder);
        existing.insert(folder);
      });
  EXPECT_EQ(created, (std::vector<std::string>{"D:\\OUT\\A\\", "D:\\OUT\\B\\"}));
}

}  // namespace
}  // namespace batch_test

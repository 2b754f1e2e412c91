#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build_fixture.h"
#include "core/text_file.h"
#include "tags/frm_project_tag_manager.h"

namespace {

class ProjectTagsBuildTest : public test::BuildFixture {};

// The index changes only with "&Done": a project made active counts from then on.
TEST_F(ProjectTagsBuildTest, AProjectMadeActiveIsAppliedToTheBatchScriptAfterDone) {
  std::vector<std::string> lines(41);
  lines[0] = "C:\\DWG\\";
  lines[1] = "ACME";
  core::WriteLineList(fileSystem, std::string(kProgramFolder) + "\\DATA\\JOB.PRX", lines);
  QueueAndScript({kA}, "TEXT $PROJECTTAG1$ $PROJECTTAG2$");

  tags::frmProjectTagManager& manager = app.frmProjectTagManager();
  manager.Show();
  user.ChooseTab(manager.SSTabProjMode, 1);
  user.ClickItem(manager.ProjectInactiveList, 0);
  user.Click(manager.cmdProjMode);
  ExpectMessage("Warning",
                "The output script contains Project Tags that were not substituted.\r\n"
                "The first occurence is on line 12 of the output file");
  ExpectNotice();
  ClickCreate();
  EXPECT_NE(Written().find("TEXT $PROJECTTAG1$ $PROJECTTAG2$\r\n"), std::string::npos);

  user.Click(manager.cmdClose);
  ExpectNotice();
  ClickCreate();
  EXPECT_NE(Written().find("TEXT ACME \r\n"), std::string::npos) << Written();
}

}  // namespace

#include "filetools/frm_wdp_prompt.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "options/frm_options.h"
#include "queue/queue_fixture.h"

namespace {

using Lines = std::vector<std::string>;
constexpr const char* kProject = "C:\\Proj\\demo.wdp";

class WdpPrompt : public test::QueueFixture {
 protected:
  WdpPrompt() {
    fileSystem.AddFile(kProject, "+desc\r\n*x\r\nE-001.dwg\r\nsub\\E-002.dwg\r\n");
    fileSystem.AddFile("C:\\Proj\\E-001.DWG", "");
    fileSystem.AddFile("C:\\Proj\\E-003.dwg", "");
  }

  void WithPrompt(const std::function<void(filetools::frmWDPPrompt&)>& script) {
    OnModal<filetools::frmWDPPrompt>([this, script](filetools::frmWDPPrompt& prompt) {
      script(prompt);
      user.Click(prompt.cmdClose);
    });
    mainwindow::frmMain& main = Main();
    main.Dir1.SetPath("C:\\Proj");
    main.ShowWDPPrompt(kProject);
  }
};

TEST_F(WdpPrompt, TheProjectsDrawingsAndThoseItDoesNotListAreQueued) {
  WithQueue({"C:\\Q.dwg"});
  WithPrompt([&](filetools::frmWDPPrompt& prompt) {
    user.Click(prompt.cmdLoadWDP);
    EXPECT_EQ(QueueEntries(), (Lines{"C:\\Proj\\E-001.dwg", "C:\\Proj\\sub\\E-002.dwg"}));
    user.Click(prompt.cbClearQueueOnLoad);
    user.Click(prompt.cmdLoadWDP);
    EXPECT_EQ(QueueEntries().size(), 4u);
    user.Click(prompt.cmdLoadFilesNotInProject);
    EXPECT_EQ(QueueEntries(), Lines{"C:\\Proj\\E-003.dwg"});
    EXPECT_TRUE(Main().cmdRemoveAllDwg.Enabled());
  });
}

TEST_F(WdpPrompt, AProjectFileReadAfreshOnEveryPress) {
  WithQueue({"C:\\Q.dwg"});
  WithPrompt([&](filetools::frmWDPPrompt& prompt) {
    fileSystem.AddFile(kProject, "*only\r\n+skipped\r\n");
    user.Click(prompt.cmdLoadWDP);
    EXPECT_EQ(QueueEntries(), Lines{});
    fileSystem.AddFile("C:\\Q.dwg", "");
    Main().List1.AddItem("C:\\Q.dwg");
    fileSystem.DeleteFile(kProject);
    ExpectMessage("Tornavane for AutoCAD",
                  "Error 53 (File not found) in procedure cmdLoadWDP_Click of Form frmWDPPrompt");
    user.Click(prompt.cmdLoadWDP);
    EXPECT_EQ(QueueEntries(), Lines{"C:\\Q.dwg"});
  });
}

TEST_F(WdpPrompt, TheEditorGetsTheQuotedProjectOrTheUserIsSentToTheOptions) {
  fileSystem.AddFile("C:\\My Jobs\\p.wdp", "");
  WithQueue({});
  Main().settings.TextEditor = "notepad.exe";
  OnModal<filetools::frmWDPPrompt>([this](filetools::frmWDPPrompt& prompt) {
    user.Click(prompt.cmdOpenWDP);
    ASSERT_EQ(shell.executeCalls.size(), 1u);
    EXPECT_EQ(shell.executeCalls[0].file, "notepad.exe");
    EXPECT_EQ(shell.executeCalls[0].parameters, "\"C:\\My Jobs\\p.wdp\"");
    Main().settings.TextEditor = "";
    ExpectMessage("Tornavane", "Please select menu 'Tools -> Options' and setup a text editor");
    OnModal<options::frmOptions>([this](options::frmOptions& dialog) { user.Close(dialog); });
    user.Click(prompt.cmdOpenWDP);
    user.Click(prompt.cmdClose);
  });
  Main().ShowWDPPrompt("C:\\My Jobs\\p.wdp");
}

}  // namespace

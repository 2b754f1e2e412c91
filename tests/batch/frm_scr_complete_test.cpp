// The notice after a build: its two text sets and its "don't show again" box.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "build_fixture.h"

namespace test {
namespace {

constexpr const char* kRunHeading =
    "After you press the 'OK' button below, AutoCAD will be started, and the script you created will be run...";

struct NoticeTexts {
  std::string label3;
  bool macroVisible;
  std::string label8;
  std::string label5;
  std::string label6;
};

NoticeTexts TextsOf(const batch::frmScrComplete& notice) {
  return {notice.Label3.Caption(), notice.Text1.Visible(), notice.Label8.Caption(), notice.Label5.Caption(),
          notice.Label6.Caption()};
}

void ExpectBuildTexts(const batch::frmScrComplete& notice) {
  const NoticeTexts texts = TextsOf(notice);
  EXPECT_EQ(texts.label3,
            "1) Alt-Tab into AutoCAD and click on the Tornavane toolbar button to run your Batch Script.  If this "
            "Toolbar doesn't exist, please create a new toolbar button with:");
  EXPECT_TRUE(texts.macroVisible);
  EXPECT_EQ(texts.label8, "as the macro associated with this button.");
  EXPECT_EQ(texts.label5, "OR");
  EXPECT_EQ(
      texts.label6,
      "2) Use the \"Create and RUN Batch\" button to RUN the batch script.  AutoCAD will boot and the script will "
      "be run automatically.  This will save you from having to configure a toolbar button.");
}

void ExpectRunTexts(const batch::frmScrComplete& notice) {
  const NoticeTexts texts = TextsOf(notice);
  EXPECT_EQ(texts.label3, kRunHeading);
  EXPECT_FALSE(texts.macroVisible);
  EXPECT_EQ(texts.label8, "");
  EXPECT_EQ(texts.label5, "");
  EXPECT_EQ(texts.label6, "");
}

class NoticeTest : public BuildFixture {
 protected:
  void SetUpAutoCAD() {
    fileSystem.AddFile("C:\\ACAD\\acad.exe", "MZ");
    Options().tbAutoCadEXE.SetText("C:\\ACAD\\acad.exe");
  }
  std::optional<std::string> StoredShowSCRComplete() {
    return settings.Read("TornavanePowerTool", "Startup", "ShowSCRComplete");
  }
};

TEST_F(NoticeTest, DesignTexts) {
  batch::frmScrComplete& notice = Notice();
  EXPECT_EQ(notice.Caption(), " Tornavane Message");
  EXPECT_EQ(notice.Label1.Caption(), "Tornavane Batch Script has been sucessfully created in:");
  EXPECT_EQ(notice.Text1.Text(), "^C^C_script tornavane.scr");
  EXPECT_EQ(notice.Label2.Caption(),
            "Also, until you are sure as to your settings are 100%,  you may want to change or confirm some of "
            "Tornavanes Options... Please see the menu View-->Options in Tornavane.  Or click the button below...");
  EXPECT_EQ(notice.Command2.Caption(), "&Options");
  EXPECT_TRUE(notice.Command2.Default());
  EXPECT_EQ(notice.Check1.Caption(), "Show this box everytime a Tornavane script is created");
  EXPECT_EQ(notice.Check1.Value(), ui::kChecked);
  EXPECT_EQ(notice.Command1.Caption(), "&OK");
  ExpectBuildTexts(notice);
}

TEST_F(NoticeTest, APlainBuildAfterARunShowsTheBuildTextsAgain) {
  SetUpAutoCAD();
  WorkedExampleQueue();
  ExpectNotice([this](batch::frmScrComplete& notice) {
    ExpectRunTexts(notice);
    EXPECT_TRUE(shell.executeCalls.empty()) << "AutoCAD starts only after the notice";
  });
  ClickRun();
  EXPECT_EQ(shell.executeCalls.size(), 1u);

  ExpectNotice([](batch::frmScrComplete& notice) { ExpectBuildTexts(notice); });
  ClickCreate();
}

TEST_F(NoticeTest, UntickedBoxSwitchesTheNoticeOffForGood) {
  WorkedExampleQueue();
  OnModal<batch::frmScrComplete>([this](batch::frmScrComplete& notice) {
    user.Click(notice.Check1);
    user.Click(notice.Command1);
  });
  ClickCreate();
  EXPECT_EQ(Main().settings.ShowSCRComplete, 0);
  EXPECT_EQ(StoredShowSCRComplete(), "0");
  EXPECT_TRUE(Notice().Loaded());
  EXPECT_FALSE(Notice().Visible());

  ClickCreate();  // no notice registered: showing one would fail the test
  EXPECT_EQ(backend.ModalForms().size(), 1u);
}

TEST_F(NoticeTest, TickedBoxStoresNothing) {
  WorkedExampleQueue();
  ExpectNotice();
  ClickCreate();
  EXPECT_EQ(Main().settings.ShowSCRComplete, 1);
  EXPECT_EQ(StoredShowSCRComplete(), std::nullopt);
}

TEST_F(NoticeTest, CloseBoxActsAsOkAndKeepsTheNotice) {
  WorkedExampleQueue();
  OnModal<batch::frmScrComplete>([this](batch::frmScrComplete& notice) {
    user.Click(notice.Check1);
    user.Close(notice);
  });
  ClickCreate();
  EXPECT_TRUE(Notice().Loaded());
  EXPECT_EQ(Notice().Check1.Value(), ui::kUnchecked);
  EXPECT_EQ(StoredShowSCRComplete(), "0");
}

TEST_F(NoticeTest, OptionsButtonOpensTheOptionsDialogOverTheNotice) {
  WorkedExampleQueue();
  OnModal<batch::frmScrComplete>([this](batch::frmScrComplete& notice) {
    OnModal<options::frmOptions>([this, &notice](options::frmOptions& options) {
      EXPECT_EQ(options.Owner(), &notice);
      user.Click(options.Command2);
    });
    user.Click(notice.Command2);
    user.Click(notice.Command1);
  });
  ClickCreate();
  EXPECT_EQ(backend.ModalForms(), (std::vector<std::string>{"frmScrComplete", "frmOptions"}));
}

TEST_F(NoticeTest, LabelNamesTheFileTheBuildWrote) {
  fileSystem.AddFolder("C:\\Alt");
  Main().settings.SCROutputPath = "C:\\Alt\\other.scr";
  WorkedExampleQueue();
  ExpectNotice(
      [](batch::frmScrComplete& notice) { EXPECT_EQ(notice.lblOutputPathAndFile.Caption(), "C:\\Alt\\other.scr"); });
  ClickCreate();
}

}  // namespace
}  // namespace test

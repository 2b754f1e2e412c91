#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "options/frm_about.h"
#include "options/frm_tips.h"
#include "options/tips_file.h"
#include "options_fixture.h"
#include "ui/native_window.h"

namespace {

using options::frmAbout;
using options::frmTips;

class AboutBoxTest : public test::OptionsFixture {};

TEST_F(AboutBoxTest, ShowsTheVersionAndOpensTheProjectsLinks) {
  app.AppVersion = "2.4.1";
  OnModal<frmAbout>([&](frmAbout& about) {
    EXPECT_EQ(about.lblVersion.Caption(), "Version 2.4.1");
    EXPECT_EQ(about.Owner(), &Main());
    EXPECT_EQ(about.lblSupport.Caption(), "support@tornavane.example");
    user.Click(about.lblVelmora);
    user.Click(about.lblSupport);
    user.Click(about.cmdOK);
  });
  Main().Show();
  user.ChooseMenu(Main().mnuHelpAbout);
  ASSERT_EQ(shell.executeCalls.size(), 2u);
  EXPECT_EQ(shell.executeCalls[0].verb, "open");
  EXPECT_EQ(shell.executeCalls[0].file, "https://tornavane.example/");
  EXPECT_EQ(shell.executeCalls[1].verb, "open");
  EXPECT_EQ(shell.executeCalls[1].file, "mailto:support@tornavane.example");
}

TEST_F(AboutBoxTest, CloseUnloadsItAndEscapePressesClose) {
  app.AppVersion = "1.0.0";
  OnModal<frmAbout>([&](frmAbout& about) { user.PressKey(about.cmdOK, ui::kKeyEscape); });
  Main().Show();
  user.ChooseMenu(Main().mnuHelpAbout);
  EXPECT_EQ(backend.ModalForms(), std::vector<std::string>{"frmAbout"});
  ctx.CollectRetired();
  EXPECT_EQ(app.frmAbout().lblVersion.Caption(), "Version Info");
}

TEST_F(AboutBoxTest, AFailingLinkShowsNothing) {
  shell.missingPrograms.push_back("https://tornavane.example/");
  OnModal<frmAbout>([&](frmAbout& about) {
    user.Click(about.lblVelmora);
    user.Click(about.cmdOK);
  });
  Main().Show();
  user.ChooseMenu(Main().mnuHelpAbout);
  EXPECT_TRUE(backend.Messages().empty());
}

// A back end's window behind the main window, so that the handle handed to the shell shows.
class WindowPeer : public ui::FormPeer, public ui::NativeWindowSource {
 public:
  static constexpr std::uintptr_t kHandle = 0x5150;
  void Changed(ui::Property) override {}
  void MenuChanged(ui::MenuItem&) override {}
  std::uintptr_t WindowHandle() const override { return kHandle; }
};

TEST_F(AboutBoxTest, TheHelpEntriesOpenTheProjectsPagesOwnedByTheMainWindow) {
  mainwindow::frmMain& main = Main();
  main.Show();
  main.AttachPeer(std::make_unique<WindowPeer>());
  for (ui::MenuItem* item : {&main.mnuReadmeh, &main.mnuOnlineFAQ, &main.mnuForum, &main.mnuSGenWWW2}) {
    user.ChooseMenu(*item);
  }
  std::vector<std::string> opened;
  for (const auto& call : shell.executeCalls) {
    opened.push_back(call.verb + " " + call.file);
    EXPECT_EQ(call.owner, WindowPeer::kHandle) << call.file;
  }
  EXPECT_EQ(opened,
            (std::vector<std::string>{"open https://tornavane.example/setup", "open https://tornavane.example/faq",
                                      "open https://tornavane.example/forum", "open https://tornavane.example/"}));
}

class TipsTest : public test::OptionsFixture {
 protected:
  static constexpr const char* kTipsFile = "C:\\Program Files\\Tornavane\\DATA\\tips.txt";

  void WriteTips(const std::string& text) { fileSystem.AddFile(kTipsFile, text); }
  // One start of the program: the window loads afresh and the user's script runs in it.
  void Start(std::function<void(frmTips&)> script) {
    if (app.frmTips().Loaded()) app.frmTips().Unload();
    ctx.CollectRetired();
    OnModal<frmTips>(std::move(script));
    app.frmTips().Show(ui::ShowMode::kModal);
  }
  void FromMenu(std::function<void(frmTips&)> script) {
    OnModal<frmTips>(std::move(script));
    Main().Show();
    user.ChooseMenu(Main().mnuTipOfTheDay);
  }
};

TEST_F(TipsTest, EachStartShowsTheTipAfterTheOneLastClosed) {
  WriteTips("First tip\r\nSecond tip\r\nThird tip\r\n");
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 2/3");
    EXPECT_EQ(tips.Text1.Text(), "Second tip");
    user.Click(tips.cmdClose);
  });
  EXPECT_EQ(Stored("Startup", "TipNumber"), "1");
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 3/3");
    user.Click(tips.cmdClose);
  });
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 1/3");
    EXPECT_EQ(tips.Text1.Text(), "First tip");
    user.Click(tips.cmdClose);
  });
}

TEST_F(TipsTest, TheButtonsPageThroughTheTipsInARing) {
  WriteTips("a\r\nb\r\nc");
  settings.Write(kSettingsApp, "Startup", "TipNumber", "1");
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 3/3");
    user.Click(tips.cmdNextTip);
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 1/3");
    user.Click(tips.cmdPreviousTip);
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 3/3");
    EXPECT_EQ(tips.Text1.Text(), "c");
    user.Click(tips.cmdPreviousTip);
    user.Click(tips.cmdClose);
  });
  EXPECT_EQ(Stored("Startup", "TipNumber"), "1");
}

TEST_F(TipsTest, AOneTipFileAndOddStoredNumbersShowTheFirstTip) {
  WriteTips("Only tip");
  for (const char* stored : {"0", "5", "-9", "junk"}) {
    settings.Write(kSettingsApp, "Startup", "TipNumber", stored);
    Start([&](frmTips& tips) {
      EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 1/1") << stored;
      user.Close(tips);
    });
  }
}

TEST_F(TipsTest, TwoBlanksShowTwoParagraphs) {
  WriteTips("Drag files onto the queue.  Lists work too.\r\n");
  settings.Write(kSettingsApp, "Startup", "TipNumber", "-1");
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.Text1.Text(), "Drag files onto the queue.\r\n\r\nLists work too.");
    user.Click(tips.cmdClose);
  });
}

TEST_F(TipsTest, TheMenuShowsTheWindowAsItWasClosedWithoutReadingTheFileAgain) {
  WriteTips("a\r\nb\r\nc\r\n");
  Start([&](frmTips& tips) {
    user.Click(tips.cmdNextTip);
    user.Click(tips.cmdClose);
  });
  WriteTips("x\r\n");
  FromMenu([&](frmTips& tips) {
    EXPECT_EQ(tips.Owner(), &Main());
    EXPECT_EQ(tips.lblTipNum.Caption(), "Tip 3/3");
    EXPECT_EQ(tips.Text1.Text(), "c");
    user.Click(tips.cmdClose);
  });
}

TEST_F(TipsTest, TheCloseBoxStoresNoTipNumber) {
  WriteTips("a\r\nb\r\n");
  Start([&](frmTips& tips) { user.Close(tips); });
  EXPECT_EQ(Stored("Startup", "TipNumber"), std::nullopt);
}

TEST_F(TipsTest, TheStartUpBoxWritesTheStoredSettingOnly) {
  WriteTips("a\r\nb\r\n");
  Main().settings.TipsShow = 1;
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.Check1.Value(), 1);
    user.Click(tips.Check1);
    EXPECT_EQ(Stored("Startup", "TipsShow"), "0");
    user.Click(tips.Check1);
    EXPECT_EQ(Stored("Startup", "TipsShow"), "1");
    user.Click(tips.Check1);
    user.Click(tips.cmdClose);
  });
  EXPECT_EQ(Stored("Startup", "TipsShow"), "0");
  EXPECT_EQ(Main().settings.TipsShow, 1);

  Main().settings.TipsShow = 0;
  Start([&](frmTips& tips) {
    EXPECT_EQ(tips.Check1.Value(), 0);
    user.Click(tips.cmdClose);
  });
}

// The window shows the choice as it is stored, which may differ from the one the program
// started with, and opening it stores nothing: only the user's click does.
TEST_F(TipsTest, OpeningTheWindowShowsTheStoredChoiceAndStoresNothing) {
  struct Case {
    std::int16_t running;
    std::optional<std::string> stored;
    int shown;
  };
  const Case cases[] = {{1, std::nullopt, 1}, {0, std::nullopt, 0}, {1, "0", 0},
                        {0, "1", 1},          {1, "junk", 1},       {0, "junk", 0}};
  WriteTips("a\r\nb\r\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored.value_or("none"));
    settings.DeleteKey(kSettingsApp, "Startup", "TipsShow");
    if (c.stored) settings.Write(kSettingsApp, "Startup", "TipsShow", *c.stored);
    Main().settings.TipsShow = c.running;
    Start([&](frmTips& tips) {
      EXPECT_EQ(tips.Check1.Value(), c.shown);
      user.Close(tips);
    });
    EXPECT_EQ(Stored("Startup", "TipsShow"), c.stored);
  }
}

// Unticked at start-up and closed with the close box, the choice survives the menu's opening.
TEST_F(TipsTest, TheUsersChoiceSurvivesTheCloseBoxAndTheMenu) {
  WriteTips("a\r\nb\r\n");
  Main().settings.TipsShow = 1;
  Start([&](frmTips& tips) {
    user.Click(tips.Check1);
    user.Close(tips);
  });
  ctx.CollectRetired();
  FromMenu([&](frmTips& tips) {
    EXPECT_EQ(tips.Check1.Value(), 0);
    user.Click(tips.cmdClose);
  });
  EXPECT_EQ(Stored("Startup", "TipsShow"), "0");
}

TEST_F(TipsTest, AMissingOrEmptyFileIsSaidInTheWindow) {
  struct Case {
    bool exists;
    const char* text;
  };
  for (const Case& c :
       {Case{false, "TIPS.TXT file not found in Tornavane directory"}, Case{true, "TIPS.TXT file is empty"}}) {
    if (c.exists) WriteTips("");
    Start([&](frmTips& tips) {
      EXPECT_EQ(tips.Text1.Text(), c.text);
      for (ui::Control* hidden :
           std::initializer_list<ui::Control*>{&tips.cmdNextTip, &tips.cmdPreviousTip, &tips.Check1, &tips.lblTipNum}) {
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
      }
      user.Click(tips.cmdClose);
    });
  }
  EXPECT_TRUE(backend.Messages().empty());
}

TEST(ShippedTipsTest, TheTipsFileHoldsADozenTipsInItsLayout) {
  std::filesystem::path file = std::filesystem::path(__FILE__).parent_path() / "../../data/DATA/tips.txt";
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file;
  std::stringstream bytes;
  bytes << in.rdbuf();
  std::string text = bytes.str();
  std::vector<std::string> tips = options::ParseTips(text);
  EXPECT_GE(tips.size(), 12u);
  EXPECT_LE(tips.size(), options::kMaxTips);
  EXPECT_TRUE(text.ends_with("\r\n"));
  std::size_t lineFeeds = std::count(text.begin(), text.end(), '\n');
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), static_cast<std::ptrdiff_t>(lineFeeds));
  for (const std::string& tip : tips) EXPECT_FALSE(tip.empty());
}

}  // namespace

// The Create step of the small wizards over the real windows: the menu entries, Append and
// Overwrite, the hand-over into the user script and the windows' life cycle.
#include <gtest/gtest.h>

#include <string>

#include "wizard_fixture.h"
#include "wizards/frm_log_text_wiz.h"
#include "wizards/frm_mtext_snr.h"
#include "wizards/frm_purge_wiz.h"
#include "wizards/frm_rep_text_wiz.h"
#include "wizards/frm_report_limits_wiz.h"

namespace test {
namespace {

using wizards::frmLOGTextWiz;
using wizards::frmMtextSNR;
using wizards::frmPurgeWiz;
using wizards::frmReportLimitsWiz;
using wizards::frmRepTextWiz;

constexpr const char* kLimitsBlock =
    "(LOAD \"C:/PROGRAM FILES/TORNAVANE/LISP/LIMITS_OUT.LSP\")\r\n;-------------\r\nLIMITS_OUT\r\n"
    "C:\\LIMITS_OUT.CSV\r\n;-------------";

class HandOverTest : public WizardFixture {};

TEST_F(HandOverTest, PurgeFromTheMenuAppendsItsBlockAndHides) {
  Main().Text1.SetText("ZOOM\r\nE\r\n");
  Open<frmPurgeWiz>(Main().mnuPurgeWiz, [&](frmPurgeWiz& wizard) {
    EXPECT_EQ(wizard.Owner(), &Main());
    user.Click(wizard.optLayers);
    ExpectDone();
    user.Click(wizard.cmdCreate);
    EXPECT_FALSE(wizard.Visible());
  });
  EXPECT_EQ(UserScript(), "ZOOM\r\nE\r\n-PURGE\r\nLA\r\n*\r\nN\r\n;-------------");
  EXPECT_TRUE(app.frmPurgeWiz().Loaded());
}

// Each block is assigned once: the change handling (and the live META scan) runs once, not
// once per line.
TEST_F(HandOverTest, TheUserScriptChangesOncePerCreate) {
  int changes = 0;
  ui::TextBox& text1 = Main().Text1;
  auto handler = text1.onChange;
  text1.onChange = [&] {
    ++changes;
    handler();
  };
  Open<frmReportLimitsWiz>(Main().mnuReportLimitsWiz, [&](frmReportLimitsWiz& wizard) {
    ExpectDone();
    user.PressKey(wizard.tbOutput, ui::kKeyReturn);
  });
  EXPECT_EQ(UserScript(), kLimitsBlock);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Main().settings.SCRChanged, core::kTrue);
}

TEST_F(HandOverTest, OverwriteAnsweredNoChangesNothing) {
  Main().Text1.SetText("REGEN");
  Open<frmLOGTextWiz>(Main().mnuReportTextWiz, [&](frmLOGTextWiz& wizard) {
    user.Fill(wizard.tbSearchFor, "Rev*");
    user.Click(wizard.optOverWrite);
    ExpectWarning(ui::MsgAnswer::kNo);
    user.Click(wizard.cmdCreate);
    EXPECT_TRUE(wizard.Visible());
    EXPECT_EQ(wizard.tbSearchFor.Text(), "Rev*");
    EXPECT_TRUE(wizard.optOverWrite.Value());
    user.Click(wizard.cmdCancel);
  });
  EXPECT_EQ(UserScript(), "REGEN");
}

TEST_F(HandOverTest, OverwriteAnsweredYesReplacesTheUserScript) {
  Main().Text1.SetText("REGEN\r\n;-------------");
  Open<frmReportLimitsWiz>(Main().mnuReportLimitsWiz, [&](frmReportLimitsWiz& wizard) {
    user.Click(wizard.optOverWrite);
    ExpectWarning(ui::MsgAnswer::kYes);
    ExpectDone();
    user.Click(wizard.cmdCreate);
  });
  EXPECT_EQ(UserScript(), kLimitsBlock);
}

TEST_F(HandOverTest, OverwriteOnAnEmptyScriptEqualsAppend) {
  auto create = [&](bool overwrite) {
    Main().Text1.SetText("");
    Open<frmMtextSNR>(Main().mnuMTEXTSnR, [&](frmMtextSNR& wizard) {
      user.Fill(wizard.tbSource, "A");
      user.Fill(wizard.tbReplace, "B");
      user.Click(overwrite ? wizard.optOverWrite : wizard.optAppend);
      if (overwrite) ExpectWarning(ui::MsgAnswer::kYes);
      ExpectDone();
      user.Click(wizard.cmdCreate);
    });
    return UserScript();
  };
  const std::string appended = create(false);
  EXPECT_EQ(create(true), appended);
  EXPECT_TRUE(appended.starts_with("-VBALOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n")) << appended;
}

// A hidden wizard keeps its inputs for the next opening; the close box drops them.
TEST_F(HandOverTest, InputsKeptAfterCreateNotAfterTheCloseBox) {
  Open<frmLOGTextWiz>(Main().mnuReportTextWiz, [&](frmLOGTextWiz& wizard) {
    user.Fill(wizard.tbSearchFor, "DWG-*");
    user.Fill(wizard.tbOutput, "C:\\Log.lst");
    ExpectDone();
    user.Click(wizard.cmdCreate);
  });
  Open<frmLOGTextWiz>(Main().mnuReportTextWiz, [&](frmLOGTextWiz& wizard) {
    EXPECT_EQ(wizard.tbSearchFor.Text(), "DWG-*");
    EXPECT_EQ(wizard.tbOutput.Text(), "C:\\Log.lst");
    EXPECT_TRUE(wizard.optAppend.Value());
    user.Close(wizard);
  });
  ctx.CollectRetired();
  Open<frmLOGTextWiz>(Main().mnuReportTextWiz, [&](frmLOGTextWiz& wizard) {
    EXPECT_EQ(wizard.tbSearchFor.Text(), "*SEARCH TEXT*");
    EXPECT_EQ(wizard.tbOutput.Text(), "$TOR_PATH$DATA/$USER$-TextLog.lst");
    user.Close(wizard);
  });
}

TEST_F(HandOverTest, PurgeSelectionSurvivesHidingAndResetsAfterClosing) {
  Open<frmPurgeWiz>(Main().mnuPurgeWiz, [&](frmPurgeWiz& wizard) {
    user.Click(wizard.optShapes);
    user.Click(wizard.optOverWrite);
    ExpectWarning(ui::MsgAnswer::kYes);
    ExpectDone();
    user.Click(wizard.cmdCreate);
  });
  Open<frmPurgeWiz>(Main().mnuPurgeWiz, [&](frmPurgeWiz& wizard) {
    EXPECT_TRUE(wizard.optShapes.Value());
    EXPECT_FALSE(wizard.optALL.Value());
    EXPECT_TRUE(wizard.optOverWrite.Value());
    user.Close(wizard);
  });
  ctx.CollectRetired();
  Open<frmPurgeWiz>(Main().mnuPurgeWiz, [&](frmPurgeWiz& wizard) {
    EXPECT_TRUE(wizard.optALL.Value());
    EXPECT_TRUE(wizard.optAppend.Value());
    user.Close(wizard);
  });
  EXPECT_EQ(UserScript(), "-PURGE\r\nSH\r\n*\r\nN\r\n;-------------");
}

// One row per combination of the four boxes: whether Create is enabled, and the answers
// REPTEXT gets (text, dimensions, blocks) and whether the MText block follows.
struct BoxesCase {
  bool text, dims, blocks, mtext;
  bool enabled;
  const char* answers;
};

TEST_F(HandOverTest, SearchAndReplaceOverTheSixteenBoxCombinations) {
  const BoxesCase cases[] = {
      {false, false, false, false, false, ""},
      {true, false, false, false, true, "Y\r\nN\r\nN"},
      {false, true, false, false, true, "N\r\nY\r\nN"},
      {true, true, false, false, true, "Y\r\nY\r\nN"},
      {false, false, true, false, true, "N\r\nN\r\nY\r\nY"},
      {true, false, true, false, true, "Y\r\nN\r\nY\r\nY"},
      {false, true, true, false, true, "N\r\nY\r\nY\r\nY"},
      {true, true, true, false, true, "Y\r\nY\r\nY\r\nY"},
      {false, false, false, true, true, "N\r\nN\r\nN"},
      {true, false, false, true, true, "Y\r\nN\r\nN"},
      {false, true, false, true, true, "N\r\nY\r\nN"},
      {true, true, false, true, true, "Y\r\nY\r\nN"},
      {false, false, true, true, true, "N\r\nN\r\nY\r\nY"},
      {true, false, true, true, true, "Y\r\nN\r\nY\r\nY"},
      {false, true, true, true, true, "N\r\nY\r\nY\r\nY"},
      {true, true, true, true, true, "Y\r\nY\r\nY\r\nY"},
  };
  const std::string load = "(LOAD \"C:/PROGRAM FILES/TORNAVANE/LISP/REPTEXT.LSP\")\r\n;-------------\r\nREPTEXT\r\n";
  const std::string mtext =
      "\r\n-VBALOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n-VBARUN MTEXT.SearchAndReplace\r\nOLD\r\nNEW\r\n"
      "VBAUNLOAD \"$TOR_PATH$LISP/Mtext.dvb\"\r\n;-------------";
  for (const BoxesCase& c : cases) {
    SCOPED_TRACE(std::string(c.text ? "T" : "-") + (c.dims ? "D" : "-") + (c.blocks ? "B" : "-") +
                 (c.mtext ? "M" : "-"));
    Main().Text1.SetText("");
    Open<frmRepTextWiz>(Main().mnuRepTextWiz, [&](frmRepTextWiz& wizard) {
      user.Fill(wizard.tbSearchFor, "OLD");
      user.Fill(wizard.tbReplaceText, "NEW");
      const std::pair<ui::CheckBox*, bool> boxes[] = {{&wizard.chkRegText, c.text},
                                                      {&wizard.chkDims, c.dims},
                                                      {&wizard.chkBlocks, c.blocks},
                                                      {&wizard.chkSearchMtext, c.mtext}};
      // Ticks first, so Create never passes through all four unticked on the way.
      for (auto [box, on] : boxes) {
        if (on && box->Value() != ui::kChecked) user.Click(*box);
      }
      for (auto [box, on] : boxes) {
        if (!on && box->Value() == ui::kChecked) user.Click(*box);
      }
      EXPECT_EQ(wizard.cmdCreate.Enabled(), c.enabled);
      if (c.enabled) {
        ExpectDone();
        user.Click(wizard.cmdCreate);
      } else {
        user.Click(wizard.cmdCancel);
      }
    });
    const std::string expected =
        c.enabled ? load + "OLD\r\nNEW\r\n" + c.answers + "\r\nALL\r\n\r\n;-------------" + (c.mtext ? mtext : "") : "";
    EXPECT_EQ(UserScript(), expected);
  }
}

}  // namespace
}  // namespace test

// The fit walk on small forms of its own: each fault it must find, one control each, and a
// tidy form where it finds nothing (list boxes of any height included: they show whole rows).

#include "app_win32/fit_walk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_services.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"

namespace {

struct Program {
  platform::win32::Win32Services os;
  ui::win32::Win32Backend backend;
  ui::Context ctx{backend, os.services, ui::AppInfo{os.system.ProgramFolder(), "Fit", "fit"}};
};

class frmFaulty : public ui::Form {
 public:
  explicit frmFaulty(ui::Context& ctx) : Form(ctx, "frmFaulty") {
    SetCaption(" A title far longer than the narrow window it names");
    SetBorderStyle(ui::BorderStyle::kFixedDialog);
    Move(0, 0, 3600, 4200);
    lblName.SetCaption("Project Name:");
    lblName.Move(120, 120, 600, 510);
    optSort.SetCaption("Standard - Ascending");
    optSort.Move(120, 720, 1200, 255);
    chkShort.SetCaption("Show");
    chkShort.Move(120, 1080, 1200, 120);
    cmdLong.SetCaption("Capture AutoCAD Commands --->");
    cmdLong.Move(120, 1320, 1500, 495);
    chkTouch.SetCaption("Show tips at startup");
    chkTouch.Move(120, 1920, 2400, 255);
    cmdTouched.SetCaption("&Close");
    cmdTouched.Move(1500, 1920, 1095, 375);
    txtNotes.SetMultiLine(true);
    txtNotes.SetScrollBars(ui::ScrollBars::kBoth);
    txtNotes.SetText("Short line\r\nA line of instructions much too long to be read without scrolling");
    txtNotes.Move(120, 2400, 2400, 1095);
  }

  ui::Label lblName{this, "lblName"};
  ui::OptionButton optSort{this, "optSort"};
  ui::CheckBox chkShort{this, "chkShort"};
  ui::CommandButton cmdLong{this, "cmdLong"};
  ui::CheckBox chkTouch{this, "chkTouch"};
  ui::CommandButton cmdTouched{this, "cmdTouched"};
  ui::TextBox txtNotes{this, "txtNotes"};
};

class frmTidy : public ui::Form {
 public:
  explicit frmTidy(ui::Context& ctx) : Form(ctx, "frmTidy") {
    SetCaption(" Tidy");
    SetBorderStyle(ui::BorderStyle::kFixedDialog);
    Move(0, 0, 7200, 4800);
    lblName.SetCaption("Project Name:");
    lblName.Move(120, 120, 1800, 255);
    optSort.SetCaption("Standard - Ascending");
    optSort.Move(120, 480, 3000, 315);
    cmdLong.SetCaption("Capture AutoCAD Commands --->");
    cmdLong.Move(120, 900, 3600, 375);
    txtNotes.SetMultiLine(true);
    txtNotes.SetScrollBars(ui::ScrollBars::kBoth);
    txtNotes.SetText("Short line\r\nAnother");
    txtNotes.Move(120, 1380, 3000, 1095);
    for (int i = 0; i < 6; ++i) {
      lstRows.Load(i).Move(3840 + 540 * i, 120, 500, 1500 + 45 * i);
      lstRows[i].AddItem("row");
    }
  }

  ui::Label lblName{this, "lblName"};
  ui::OptionButton optSort{this, "optSort"};
  ui::CommandButton cmdLong{this, "cmdLong"};
  ui::TextBox txtNotes{this, "txtNotes"};
  ui::ControlArray<ui::ListBox> lstRows{this, "lstRows"};
};

bool Finds(const std::vector<std::string>& misfits, const std::string& start) {
  for (const std::string& misfit : misfits) {
    if (misfit.rfind(start, 0) == 0) return true;
  }
  return false;
}

TEST(FitWalkTest, FindsEachKindOfMisfit) {
  Program program;
  frmFaulty form(program.ctx);
  form.Show();
  std::vector<std::string> misfits = fit::Misfits(program.backend, form);
  const char* expected[] = {
      "title \" A title far",                        // cut in the title bar
      "lblName \"Project Name:\": wraps",            // a box's name on two lines
      "optSort \"Standard - Ascending\": needs",     // wider than its button
      "chkShort \"Show\": needs",                    // lower than its text
      "cmdLong \"Capture AutoCAD Commands --->\"",   // wrapped in its button
      "chkTouch \"Show tips at startup\": reaches",  // on the button beside it
      "txtNotes line \"A line of instructions",      // cut at the box's edge
  };
  for (const char* start : expected) EXPECT_TRUE(Finds(misfits, start)) << start << fit::Lines(misfits);
  EXPECT_FALSE(Finds(misfits, "txtNotes line \"Short line\"")) << fit::Lines(misfits);
}

TEST(FitWalkTest, FindsNothingOnATidyFormWithListsOfAnyHeight) {
  Program program;
  frmTidy form(program.ctx);
  form.Show();
  std::vector<std::string> misfits = fit::Misfits(program.backend, form);
  EXPECT_TRUE(misfits.empty()) << fit::Lines(misfits);
}

}  // namespace

#include "mainwindow/frm_settings.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "ui/tab_order.h"

namespace mainwindow {

namespace {

void FlowBox(ui::TextBox& box, int top) {
  box.SetMultiLine(true);
  box.SetScrollBars(ui::ScrollBars::kBoth);
  box.SetFontName("Courier New");
  box.SetFontSize(9.75);
  box.SetFontBold(true);
  box.Move(1680, top, 7815, 1800);
}

void StepLabel(ui::Label& label, const char* caption, const char* tip, int left, int top, int width) {
  label.SetCaption(caption);
  label.SetToolTipText(tip);
  label.Move(left, top, width, 255);
}

void FixedStep(ui::Label& label, const char* caption, int top, int width) {
  label.SetCaption(caption);
  label.SetFontBold(true);
  label.Move(1680, top, width, 255);
}

}  // namespace

frmSettings::frmSettings(app::App& app) : Form(app.Ctx(), "frmSettings"), app_(app) {
  SetCaption(" Batch Script Settings");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  Move(0, 0, 10440, 10500);

  Frame1.SetCaption("Batch Script Flow");
  Frame1.Move(120, 120, 10095, 9855);
  StepLabel(Label1, "PreBatch", "This happens BEFORE any drawings are openend.", 360, 1200, 1095);
  FlowBox(tbPreBatch, 480);
  FixedStep(Label5, "OPEN FILE (File from Queue)", 2400, 3735);
  StepLabel(Label2, "PreUserScript", "This is the first thing that happens on every file when it is opened.", 240, 3480,
            1335);
  FlowBox(tbPreUserScript, 2760);
  FixedStep(Label6, "USER SCRIPT (Specified in User Script Editor)", 4680, 4335);
  FixedStep(Label7, "QSAVE (Using \"Save Options)", 5040, 3735);
  StepLabel(Label3, "PostUserScript", "This is the last thing that happens on every file (after it is saved).", 240,
            6120, 1335);
  FlowBox(tbPostUserScript, 5400);
  StepLabel(Label4, "PostBatch", "This is the last thing that happens, after all files have been processed.", 240, 8040,
            1335);
  FlowBox(tbPostBatch, 7320);
  Label8.SetCaption("Loop");
  Label8.SetAlignment(ui::Alignment::kCenter);
  Label8.Move(9480, 4680, 495, 255);
  Line1.SetPoints(9360, 2520, 9840, 2520);
  Line2.SetPoints(9840, 2520, 9840, 4560);
  Line3.SetPoints(9840, 5040, 9840, 7250);
  Line4.SetPoints(9360, 7250, 9840, 7250);
  cmdCancel.SetCaption("&Cancel");
  cmdCancel.Move(6720, 9240, 1335, 375);
  cmdOK.SetCaption("&Ok");
  cmdOK.Move(8280, 9240, 1335, 375);
  ui::SetTabOrder({&tbPreBatch, &tbPreUserScript, &tbPostUserScript, &tbPostBatch, &cmdCancel, &cmdOK});

  onLoad = [this] { GetTextFromMain(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmSettings::GetTextFromMain() {
  frmMain& main = app_.frmMain();
  tbPreBatch.SetText(main.tbPreBatch.Text());
  tbPreUserScript.SetText(main.tbPreUserScript.Text());
  tbPostUserScript.SetText(main.tbPostUserScript.Text());
  tbPostBatch.SetText(main.tbPostBatch.Text());
}

void frmSettings::cmdOK_Click() {
  frmMain& main = app_.frmMain();
  main.tbPreBatch.SetText(tbPreBatch.Text());
  main.tbPreUserScript.SetText(tbPreUserScript.Text());
  main.tbPostUserScript.SetText(tbPostUserScript.Text());
  main.tbPostBatch.SetText(tbPostBatch.Text());
  Ctx().DoEvents();
  Hide();
}

void frmSettings::cmdCancel_Click() {
  Hide();
}

}  // namespace mainwindow

#include "wizards/frm_report_limits_wiz.h"

#include "app/app.h"
#include "wizards/hand_over.h"

namespace wizards {

frmReportLimitsWiz::frmReportLimitsWiz(app::App& app) : Form(app.Ctx(), "frmReportLimitsWiz"), app_(app) {
  SetCaption(" Report Limits Wizard");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 5040, 2610);

  Label2.SetCaption("Report in:");
  Label2.Move(240, 240, 4335, 255);
  tbOutput.SetText(LimitsInputs{}.output);
  tbOutput.Move(240, 495, 4335, 315);

  DesignHandOverOptions(Frame1, optAppend, optOverWrite, 240, 975, 2535);
  cmdCreate.SetCaption("&Create");
  cmdCreate.SetDefault(true);
  cmdCreate.Move(3360, 1065, 1215, 375);
  cmdCancel.SetCaption("Cancel");
  cmdCancel.SetCancel(true);
  cmdCancel.Move(3360, 1455, 1215, 375);

  cmdCreate.onClick = [this] { cmdCreate_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

LimitsInputs frmReportLimitsWiz::Inputs() const {
  return {.output = tbOutput.Text()};
}

void frmReportLimitsWiz::cmdCreate_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return LimitsScript(Inputs(), Ctx().App().path, userScript); });
}

void frmReportLimitsWiz::cmdCancel_Click() {
  Hide();
}

}  // namespace wizards

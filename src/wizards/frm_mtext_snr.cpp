#include "wizards/frm_mtext_snr.h"

#include "app/app.h"
#include "wizards/hand_over.h"

namespace wizards {

frmMtextSNR::frmMtextSNR(app::App& app) : Form(app.Ctx(), "frmMtextSNR"), app_(app) {
  SetCaption("MText Search and Replace");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 5040, 3930);

  Label3.SetCaption(
      "This Wizard creates a script to perform a \"search and replace\" on MTEXT and regular text in your "
      "drawings.");
  Label3.SetWordWrap(true);
  Label3.Move(240, 180, 4335, 615);
  Label1.SetCaption("Search for:");
  Label1.Move(240, 915, 4335, 255);
  tbSource.Move(240, 1170, 4335, 315);
  Label2.SetCaption("Replace With:");
  Label2.Move(240, 1605, 4335, 255);
  tbReplace.Move(240, 1860, 4335, 315);

  DesignHandOverOptions(Frame1, optAppend, optOverWrite, 240, 2340, 2535);
  cmdCreate.SetCaption("&Create");
  cmdCreate.SetDefault(true);
  cmdCreate.Move(3360, 2820, 1215, 375);

  cmdCreate.onClick = [this] { cmdCreate_Click(); };
}

MtextInputs frmMtextSNR::Inputs() const {
  return {.source = tbSource.Text(), .replace = tbReplace.Text()};
}

void frmMtextSNR::cmdCreate_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return MtextScript(Inputs(), userScript); });
}

}  // namespace wizards

#include "wizards/frm_rep_text_wiz.h"

#include "app/app.h"
#include "wizards/hand_over.h"

namespace wizards {

frmRepTextWiz::frmRepTextWiz(app::App& app) : Form(app.Ctx(), "frmRepTextWiz"), app_(app) {
  SetCaption(" Search and Replace Text Wizard");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 5040, 4530);

  Label1.SetCaption("Search for:");
  Label1.Move(240, 240, 4335, 255);
  tbSearchFor.Move(240, 495, 4335, 315);
  Label2.SetCaption("Replace with:");
  Label2.Move(240, 930, 4335, 255);
  tbReplaceText.Move(240, 1185, 4335, 315);

  chkRegText.SetCaption("Process regular TEXT Entities");
  chkRegText.SetValue(ui::kChecked);
  chkRegText.Move(240, 1650, 4335, 255);
  chkDims.SetCaption("Process DIMENSION");
  chkDims.Move(240, 1950, 4335, 255);
  chkBlocks.SetCaption("Process BLOCKS");
  chkBlocks.Move(240, 2250, 4335, 255);
  chkSearchMtext.SetCaption("Process MTEXT (VBA)");
  chkSearchMtext.Move(240, 2550, 4335, 255);

  DesignHandOverOptions(Frame1, optAppend, optOverWrite, 240, 2940, 2535);
  cmdCreate.SetCaption("&Create");
  cmdCreate.SetDefault(true);
  cmdCreate.Move(3360, 3030, 1215, 375);
  cmdCancel.SetCaption("Cancel");
  cmdCancel.SetCancel(true);
  cmdCancel.Move(3360, 3420, 1215, 375);

  for (ui::CheckBox* box : {&chkRegText, &chkDims, &chkBlocks, &chkSearchMtext}) {
    box->onClick = [this] { UpdateCreateButton(); };
  }
  cmdCreate.onClick = [this] { cmdCreate_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmRepTextWiz::UpdateCreateButton() {
  bool any = false;
  for (const ui::CheckBox* box : {&chkBlocks, &chkDims, &chkRegText, &chkSearchMtext}) {
    any = any || box->Value() == ui::kChecked;
  }
  cmdCreate.SetEnabled(any);
}

RepTextInputs frmRepTextWiz::Inputs() const {
  return {.searchFor = tbSearchFor.Text(),
          .replaceText = tbReplaceText.Text(),
          .regularText = chkRegText.Value() == ui::kChecked,
          .dimensions = chkDims.Value() == ui::kChecked,
          .blocks = chkBlocks.Value() == ui::kChecked,
          .mtext = chkSearchMtext.Value() == ui::kChecked};
}

void frmRepTextWiz::cmdCreate_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return RepTextScript(Inputs(), Ctx().App().path, userScript); });
}

void frmRepTextWiz::cmdCancel_Click() {
  Hide();
}

}  // namespace wizards

#include "wizards/frm_page_setup_in_wiz.h"

#include "app/app.h"
#include "wizards/frm_page_setup_wiz_select.h"
#include "wizards/hand_over.h"
#include "wizards/layout_text.h"

namespace wizards {

frmPageSetupInWiz::frmPageSetupInWiz(app::App& app) : Form(app.Ctx(), "frmPageSetupInWiz"), app_(app) {
  SetCaption(" PageSetup Wizard (Copies PageSetups from another DWG file)");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 6735, 3945);

  Label3.SetCaption(
      "Select the source file from which the PageSetup will be copied from, and enter the PageSetup name.  (Make "
      "sure that the source file DOES have the PageSetup name!!)");
  Label3.SetWordWrap(true);
  Label3.Move(120, 120, 6375, 615);
  Label1.SetCaption("Source Drawing:");
  Label1.Move(120, 900, 1455, 255);
  Text1.Move(1680, 855, 3735, 315);
  cmdSelectFile.SetCaption("Select");
  cmdSelectFile.Move(5520, 825, 975, 375);
  Label2.SetCaption("PageSetup:");
  Label2.Move(120, 1380, 1455, 255);
  Text2.SetText("<default>");
  Text2.Move(1680, 1335, 3735, 315);

  DesignHandOverOptions(Frame1, optAppend, optOverWrite, 120, 1860, 3135);
  cmdCreate.SetCaption("&Create Script");
  cmdCreate.SetDefault(true);
  cmdCreate.Move(3480, 2340, 1455, 375);
  cmdCancel.SetCaption("Cancel");
  cmdCancel.Move(5040, 2340, 1455, 375);

  cmdSelectFile.onClick = [this] { cmdSelectFile_Click(); };
  cmdCreate.onClick = [this] { cmdCreate_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmPageSetupInWiz::cmdSelectFile_Click() {
  app_.frmPageSetupWizSelect().Show(ui::ShowMode::kModal, this);
}

void frmPageSetupInWiz::cmdCreate_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return CreatePageSetupScript(userScript); });
}

void frmPageSetupInWiz::cmdCancel_Click() {
  Hide();
}

std::string frmPageSetupInWiz::CreatePageSetupScript(const std::string& userScript) const {
  return PageSetupScript({.sourceDrawing = Text1.Text(), .pageSetup = Text2.Text()}, userScript);
}

}  // namespace wizards

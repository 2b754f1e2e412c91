#include "wizards/frm_log_text_wiz.h"

#include "app/app.h"
#include "wizards/hand_over.h"

namespace wizards {

frmLOGTextWiz::frmLOGTextWiz(app::App& app) : Form(app.Ctx(), "frmLOGTextWiz"), app_(app) {
  SetCaption(" Search and LOG Text Wizard");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 7695, 5640);

  const LogTextInputs initial;
  Label4.SetCaption("This Wizard creates scripts that search through TEXT entities only!");
  Label4.SetFontBold(true);
  Label4.SetWordWrap(true);
  Label4.Move(240, 180, 7095, 435);
  Label1.SetCaption("Search for:");
  Label1.Move(240, 660, 2415, 255);
  Label5.SetCaption("(CaSe SeNsItIvE)");
  Label5.Move(2760, 660, 4575, 255);
  tbSearchFor.SetText(initial.searchFor);
  tbSearchFor.Move(240, 915, 7095, 315);
  Label6.SetCaption("Remember to use Wildcards such as:");
  Label6.Move(240, 1350, 7095, 255);
  lblWildcards.SetCaption(
      "* (asterisk) - matches any character sequence\r\n"
      "? (question mark) - matches any single character\r\n"
      "~ (tilde) - if this is the first character, it matches anything except the matchstring\r\n"
      "@ (at) - matches any single alphabetic character\r\n"
      "# (pound) - matches any single numeric digit\r\n"
      ". (period) - matches any single numeric digit");
  lblWildcards.SetWordWrap(true);
  lblWildcards.Move(480, 1605, 6855, 1575);
  Label2.SetCaption("Report in:");
  Label2.Move(240, 3300, 7095, 255);
  tbOutput.SetText(initial.output);
  tbOutput.Move(240, 3555, 7095, 315);

  DesignHandOverOptions(Frame1, optAppend, optOverWrite, 240, 4035, 2535);
  cmdCreate.SetCaption("&Create");
  cmdCreate.SetDefault(true);
  cmdCreate.Move(6120, 4125, 1215, 375);
  cmdCancel.SetCaption("Cancel");
  cmdCancel.SetCancel(true);
  cmdCancel.Move(6120, 4515, 1215, 375);

  cmdCreate.onClick = [this] { cmdCreate_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

LogTextInputs frmLOGTextWiz::Inputs() const {
  return {.searchFor = tbSearchFor.Text(), .output = tbOutput.Text()};
}

void frmLOGTextWiz::cmdCreate_Click() {
  CreateStep(app_, *this, optAppend, optOverWrite,
             [this](const std::string& userScript) { return LogTextScript(Inputs(), Ctx().App().path, userScript); });
}

void frmLOGTextWiz::cmdCancel_Click() {
  Hide();
}

}  // namespace wizards

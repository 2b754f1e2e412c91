#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace app {
class App;
}

namespace tags {

// The user tag manager: the settings of the dynamic tags "$FIRSTFILECHARS$", "$SHEET$" and
// "$COUNTER$", the values of the 50 static tags "$TAG1$" to "$TAG50$", and the tag templates
// (named sets of static tag values in the DATA folder). It is loaded hidden while the main
// window loads and keeps its boxes between openings; its boxes are the editing copy of the
// settings fields.
class frmVARSetup : public ui::Form {
 public:
  static constexpr int kTagCount = 50;

  explicit frmVARSetup(app::App& app);

  // ---- "DYNAMIC Variables Settings" ------------------------------------------------------
  ui::Frame fraDynamic{this, "fraDynamic"};
  ui::Frame fraFirstFileChars{&fraDynamic, "fraFirstFileChars"};
  ui::Label lblFirst{&fraFirstFileChars, "lblFirst"};
  ui::TextBox tbFirstFileChars{&fraFirstFileChars, "tbFirstFileChars"};
  ui::Label lblFirstCharacters{&fraFirstFileChars, "lblFirstCharacters"};
  ui::Label lblFirstInFilename{&fraFirstFileChars, "lblFirstInFilename"};

  ui::Frame fraSheet{&fraDynamic, "fraSheet"};
  ui::Label lblLast{&fraSheet, "lblLast"};
  ui::TextBox tbSheetChars{&fraSheet, "tbSheetChars"};
  ui::Label lblSheetCharacters{&fraSheet, "lblSheetCharacters"};
  ui::Label lblSheetInFilename{&fraSheet, "lblSheetInFilename"};
  ui::CheckBox chkTrimZeros{&fraSheet, "chkTrimZeros"};

  ui::Frame fraCounter{&fraDynamic, "fraCounter"};
  ui::Label lblStartAt{&fraCounter, "lblStartAt"};
  ui::TextBox tbCounterStart{&fraCounter, "tbCounterStart"};
  ui::Label lblStep{&fraCounter, "lblStep"};
  ui::TextBox tbCounterStep{&fraCounter, "tbCounterStep"};
  ui::CheckBox chkPadCounter{&fraCounter, "chkPadCounter"};
  ui::TextBox tbPadCounter{&fraCounter, "tbPadCounter"};
  ui::VScrollBar vsPadCounter{&fraCounter, "vsPadCounter"};
  ui::Label lblDigits{&fraCounter, "lblDigits"};

  // ---- "STATIC Tags" ---------------------------------------------------------------------
  ui::Frame fraStatic{this, "fraStatic"};
  ui::Frame fraTemplate{&fraStatic, "fraTemplate"};
  ui::CheckBox chkLock{&fraTemplate, "chkLock"};
  ui::ComboBox cmbTAGSelector{&fraTemplate, "cmbTAGSelector"};
  ui::CommandButton cmdDelTAG{&fraTemplate, "cmdDelTAG"};
  ui::CommandButton cmdSaveTAG{&fraTemplate, "cmdSaveTAG"};
  ui::TabControl SSTab1{&fraStatic, "SSTab1"};
  ui::CommandButton cmdClearAllTags{SSTab1.Page(0), "cmdClearAllTags"};

  ui::CommandButton cmdOK{this, "cmdOK"};

  // The box of static tag n (1 to 50), named tbTag1 to tbTag50, and its label "$TAGn$"
  // (lblTag, index n).
  ui::TextBox& tbTag(int n) const;
  ui::Label& lblTag(int n) const;

  // Fills the boxes from the settings fields and lists the templates.
  void Form_Load();
  // Shows the spin button's value in tbPadCounter.
  void vsPadCounter_Change();
  // The template names of the DATA folder, in the selector's sorted list.
  void FillTemplateList();
  // The lock state of the template the selector names: a read-only template file ticks
  // "Read Only" and disables "&Delete" and "&Save".
  void cmbTAGSelector_Change();

  // "&Ok": stores every value under "UserTags", copies it into the settings fields and
  // hides the dialog.
  void cmdOK_Click();
  // Empties the 50 tag boxes after the user confirms; the fields keep their values until OK.
  void cmdClearAllTags_Click();
  // A character count that the tag engine cannot use is reset, with a message.
  void tbSheetChars_LostFocus();
  void tbFirstFileChars_LostFocus();

  // Templates. A list entry picked loads that template.
  void cmbTAGSelector_Click();
  void cmdSaveTAG_Click();
  void cmdDelTAG_Click();
  // Locks or unlocks the selected template's file, then UpdateLockButtons.
  void chkLock_Click();
  // "&Delete" and "&Save" are disabled while "Read Only" is ticked.
  void UpdateLockButtons();
  // Loads the template fileName (relative to the DATA folder) into the tag boxes and the main
  // window's TAG1 to TAG50, and reports the result in the main window's status label. Never
  // fails toward its caller.
  void LoadTAG(const std::string& fileName);
  // Writes the 50 tag boxes as the template fileName; reports a failure and returns false.
  bool SaveTAG(const std::string& fileName);

 private:
  void DesignDynamicGroup();
  void DesignStaticGroup();

  bool SaveNameAccepted(const std::string& name);
  bool CounterAccepted(ui::TextBox& box, const char* what);
  void ShowLockState(bool locked);
  std::string DataFile(const std::string& fileName) const;

  app::App& app_;
  std::vector<std::unique_ptr<ui::Label>> lblTags_;
  std::vector<std::unique_ptr<ui::TextBox>> tbTags_;
};

}  // namespace tags

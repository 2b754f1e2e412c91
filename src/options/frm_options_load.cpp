// The options dialog's load and the rules that enable its controls.

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "options/setting_controls.h"

namespace options {

// Fills every control from the settings fields, so the dialog always shows
// the live values, also when it loads again after its close box dropped it. The output
// choice, the scripts folder and the delay box's enabling are not rows of their own.
void frmOptions::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  if (main.settings.OutputToDefaultPath == 1) {
    optNormalOutputPath.SetValue(true);
  } else {
    optAltOutputPath.SetValue(true);
  }
  UpdateButtons();
  SetMenus();
  for (const app::SettingRow& row : app::SettingRows()) ShowInDialog(row, *this, main.settings);
  tbScriptDir.SetText(main.settings.SCRIPTSDir);
  tbDelay.SetEnabled(main.settings.EnableDelay == 1);
  EnableSortOptions();
}

void frmOptions::SetMenus() {
  mainwindow::frmMain& main = app_.frmMain();
  bool enable = main.settings.LT != 1;
  for (ui::MenuItem* item :
       {&main.mnuReportLimitsWiz, &main.mnuReportTextWiz, &main.mnuRepTextWiz, &main.mnuTBWiz, &main.mnuMTEXTSnR}) {
    item->SetEnabled(enable);
  }
}

void frmOptions::UpdateButtons() {
  if (chkMetaEnable.Value() == ui::kChecked) {
    chkMetaImmediate.SetEnabled(true);
  } else {
    chkMetaImmediate.SetValue(ui::kUnchecked);
    chkMetaImmediate.SetEnabled(false);
  }
}

void frmOptions::EnableSortOptions() {
  bool enable = chkAutoSortEnabled.Value() != ui::kUnchecked;
  for (ui::OptionButton* option : optSort.Elements()) option->SetEnabled(enable);
}

// AutoCAD LT has no DBMOD variable to reset after opening, so the captions leave it out.
void frmOptions::chkLT_Click() {
  bool lt = chkLT.Value() == ui::kChecked;
  optLoadOpen[0].SetCaption(lt ? "Use OPEN" : "Use OPEN (with DBMOD)");
  optLoadOpen[1].SetCaption(lt ? "Use RECOVER" : "Use RECOVER (with DBMOD)");
}

void frmOptions::chkMetaEnable_Click() {
  UpdateButtons();
}

void frmOptions::chkAutoSortEnabled_Click() {
  EnableSortOptions();
}

// Showing a dialog modally while it is open modeless would fail; bring it to the front.
void frmOptions::ShowFromMenu(ui::Form& owner) {
  if (Visible()) {
    Show(ui::ShowMode::kModeless);
    return;
  }
  Show(ui::ShowMode::kModal, &owner);
}

}  // namespace options

// The options dialog's load and the rules that enable its controls.

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/convert.h"

namespace options {

namespace {

// A settings switch as a check box shows it: ticked only for 1.
int CheckValue(std::int16_t field) {
  return field == 1 ? ui::kChecked : ui::kUnchecked;
}

// Chooses the option of a group with this index; a value without an option leaves the
// group as it is.
void ChooseOption(ui::ControlArray<ui::OptionButton>& group, int index) {
  if (group.Exists(index)) group[index].SetValue(true);
}

}  // namespace

// Fills every control from the main window's settings fields, so the dialog always shows
// the live values, also when it loads again after its close box dropped it.
void frmOptions::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  if (main.OutputToDefaultPath == 1) {
    optNormalOutputPath.SetValue(true);
  } else {
    optAltOutputPath.SetValue(true);
  }
  if (main.LT == 1) chkLT.SetValue(ui::kChecked);
  UpdateButtons();
  SetMenus();

  tbAutoCadEXE.SetText(main.AutoCADEXE);
  tbSwitches.SetText(main.Switches);
  Text1.SetText(main.SCROutputPathNorm);
  tbAltOutput.SetText(main.SCROutputPathAlt);
  tbScriptDir.SetText(main.SCRIPTSDir);
  optScriptDirDefault[main.SCRIPTSPathOption != 0 ? 1 : 0].SetValue(true);

  Text2.SetText(main.TextEditor);
  Check1.SetValue(CheckValue(main.AutoLaunchEditor));
  chkFavorites.SetValue(CheckValue(main.AutoADDFavorites));

  tbDelay.SetEnabled(main.EnableDelay == 1);
  tbDelay.SetText(main.Delay);

  chkShowPreview.SetValue(CheckValue(main.DWGPreviewShow));
  chkAutoSortEnabled.SetValue(CheckValue(main.AutoSortEnabled));
  EnableSortOptions();

  chkAutoMinimize.SetValue(CheckValue(main.AutoMinimize));
  chkWarnBlankLine.SetValue(CheckValue(main.WarnBlankLine));
  chkWarnDoubleSpace.SetValue(CheckValue(main.WarnDoubleSpace));
  chkWarnLineEndsWithSpace.SetValue(CheckValue(main.WarnLineEndsWithSpace));
  chkWarnLTLisp.SetValue(CheckValue(main.WarnLTLisp));
  chkWarnSpaceInBlank.SetValue(CheckValue(main.WarnSpaceInBlank));
  chkVerifyFilesInQueue.SetValue(CheckValue(main.VerifyFilesBit));
  chkWarnFolderNotExist.SetValue(CheckValue(main.WarnFoldersNotExist));
  chkMetaEnable.SetValue(CheckValue(main.METAEnabled));
  chkMetaImmediate.SetValue(CheckValue(main.METAImmediate));
  chkResourcesStarved.SetValue(CheckValue(main.ResourceWarning));
  tbResourceFileLimit.SetText(runtime::IntegerToText(main.ResourceFileLimit));
  chkScanForRogueTags.SetValue(CheckValue(main.ScanForRogueTags));
  chkEnableLogging.SetValue(CheckValue(main.EnableLogging));
  tbOpenOther.SetText(main.OpenOther);

  ChooseOption(optLoadOpen, main.LoadOpen);
  ChooseOption(optSort, main.AutoSortType);
}

void frmOptions::SetMenus() {
  mainwindow::frmMain& main = app_.frmMain();
  bool enable = main.LT != 1;
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

// The options dialog's "&OK": checks the boxes, then copies every control into the main
// window's settings fields, stores them and hides the dialog.

#include "app/app.h"
#include "core/app_title.h"
#include "core/file_helpers.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "options/options_values.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace options {

namespace {

constexpr int kPrefsTab = 1;

// Puts the trimmed number back into its box, or the default when the box is empty.
void NormalizeNumberBox(ui::TextBox& box, const char* defaultText) {
  std::string text = runtime::Trim(box.Text());
  box.SetText(text.empty() ? std::string(defaultText) : text);
}

OptionsInput ReadInput(const frmOptions& form) {
  OptionsInput input;
  input.normalOutput = form.optNormalOutputPath.Value();
  input.otherScriptsFolder = form.optScriptDirDefault[1].Value();
  input.normalPath = form.Text1.Text();
  input.altPath = form.tbAltOutput.Text();
  input.autoCadExe = form.tbAutoCadEXE.Text();
  input.switches = form.tbSwitches.Text();
  input.scriptDir = form.tbScriptDir.Text();
  input.textEditor = form.Text2.Text();
  input.delay = form.tbDelay.Text();
  input.resourceFileLimit = form.tbResourceFileLimit.Text();
  input.openOther = form.tbOpenOther.Text();
  input.loadOpen = ChosenOption(form.optLoadOpen).value_or(3);
  input.sortType = ChosenOption(form.optSort);
  input.lt = form.chkLT.Value();
  input.launchEditor = form.Check1.Value();
  input.favorites = form.chkFavorites.Value();
  input.showPreview = form.chkShowPreview.Value();
  input.autoSortEnabled = form.chkAutoSortEnabled.Value();
  input.autoMinimize = form.chkAutoMinimize.Value();
  input.metaEnable = form.chkMetaEnable.Value();
  input.metaImmediate = form.chkMetaImmediate.Value();
  input.resourcesStarved = form.chkResourcesStarved.Value();
  input.scanForRogueTags = form.chkScanForRogueTags.Value();
  input.enableLogging = form.chkEnableLogging.Value();
  input.warnBlankLine = form.chkWarnBlankLine.Value();
  input.warnDoubleSpace = form.chkWarnDoubleSpace.Value();
  input.warnLineEndsWithSpace = form.chkWarnLineEndsWithSpace.Value();
  input.warnLTLisp = form.chkWarnLTLisp.Value();
  input.warnSpaceInBlank = form.chkWarnSpaceInBlank.Value();
  input.verifyFiles = form.chkVerifyFilesInQueue.Value();
  input.warnFolderNotExist = form.chkWarnFolderNotExist.Value();
  return input;
}

}  // namespace

void frmOptions::Command2_Click() {
  if (optAltOutputPath.Value()) {
    ui::MsgAnswer answer = Ctx().MsgBox({"Your Alternate Output path has been selected as active, are you sure?",
                                         "Really?", ui::MsgButtons::kYesNo, ui::MsgIcon::kQuestion, 2});
    if (answer == ui::MsgAnswer::kNo) optNormalOutputPath.SetValue(true);
  }
  if (optScriptDirDefault[1].Value() && tbScriptDir.Text().empty()) return;
  // A disabled delay box keeps what it was given: the user could not correct it.
  if (tbDelay.Enabled() && !IsValidDelay(tbDelay.Text())) {
    RefuseNumber(tbDelay, "The delay value must be a whole number of milliseconds from 0 to 32767.");
    return;
  }
  if (!IsValidFileLimit(tbResourceFileLimit.Text())) {
    RefuseNumber(tbResourceFileLimit, "The number of files must be a whole number from 1 to 32767.");
    return;
  }
  NormalizeNumberBox(tbDelay, kDefaultDelay);
  NormalizeNumberBox(tbResourceFileLimit, kDefaultFileLimit);

  OptionsInput input = ReadInput(*this);
  const std::string& programFolder = Ctx().App().path;
  mainwindow::frmMain& main = app_.frmMain();
  ApplyOptions(input, programFolder, main);
  try {
    main.File2.SetPath(main.SCRIPTSDir);
  } catch (const runtime::Error&) {
    Ctx().MsgBox({"The user scripts folder cannot be listed:\r\n" + core::ShortenPath(main.SCRIPTSDir) +
                      "\r\n\r\nPlease check that it exists.",
                  std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  }
  if (main.LT == 1) {
    main.chkTestRun.SetValue(ui::kUnchecked);
    main.chkTestRun.SetEnabled(false);
  } else {
    main.chkTestRun.SetEnabled(true);
  }

  platform::SettingsStore& store = Ctx().Services().settings;
  for (const StoreEntry& entry : OptionsStoreEntries(input, programFolder)) {
    store.Write(kSettingsApp, entry.section, entry.key, entry.value);
  }
  main.FillOutFormatList();
  Hide();
  SetMenus();
}

void frmOptions::RefuseNumber(ui::TextBox& box, const std::string& text) {
  SSTab1.SetTab(kPrefsTab);
  Ctx().MsgBox({text, std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  if (box.IsShown() && box.IsEnabled()) box.SetFocus();
}

}  // namespace options

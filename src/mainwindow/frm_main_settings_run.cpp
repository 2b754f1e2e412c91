// The settings run of the main window's load: every stored setting is read into its field,
// in a fixed order, and pushed at once into the control that shows it on the main window, in
// the options dialog or in the user tag manager. The first push into each dialog loads it,
// hidden; from then on it keeps its copies of the settings in its controls.
#include "mainwindow/frm_main_settings_run.h"

#include <string>

#include "app/app.h"
#include "core/store_bindings.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/convert.h"
#include "tags/frm_var_setup.h"

namespace mainwindow {

namespace {

using core::LoadSteps;

void ReadWindowAndBatchFlow(LoadSteps& steps) {
  for (auto key : {"Left", "Top", "HDividerTop", "HLeftDividerTop", "SimpleMode", "SimpleScriptPathOverride",
                   "DWGPattern", "SCRPattern", "Initialize", "PreUserScript", "PostUserScript", "Uninitialize",
                   "Counter", "TestRun", "UseDelay", "SAVEAS"}) {
    steps.Read(key);
  }
}

void ReadSaveAsSettings(frmMain& main, LoadSteps& steps) {
  steps.ReadAndPush("NamePrefix", [&] { main.tbPrefix.SetText(main.NamePrefix); });
  steps.ReadAndPush("NameSuffix", [&] { main.tbSuffix.SetText(main.NameSuffix); });
  steps.ReadAndPush("OverWriteFiles", [&] { main.chkOverwriteExistingFiles.SetValue(main.OverWriteFiles); });
  steps.ReadAndPush("SaveAsType", [&] { main.cmbOutFormat.SetText(main.SaveAsType); });
  for (auto key : {"SaveAsOriginalLocation", "DebugComments", "IncludeStatus"}) steps.Read(key);
}

// AutoCAD LT runs no test run: the box is cleared as well as greyed, so a build never
// writes a test run the user cannot see or change.
void ReadLT(frmMain& main, LoadSteps& steps) {
  main.R14Compatible = 0;
  steps.Read("LT");
  steps.Step([&] {
    if (main.LT == 1) {
      main.chkTestRun.SetValue(0);
      main.TestRun = 0;
    }
    main.chkTestRun.SetEnabled(main.LT != 1);
  });
}

void ReadSwitchesAndPaths(frmMain& main, LoadSteps& steps, const std::string& programFolder) {
  for (auto key : {"AutoLaunchEditor", "AutoADDFavorites", "EnableDelay", "AutoMinimize", "AutoCADEXE", "Switches",
                   "OutputNorm", "OutputAlt", "SCRIPTSPathOption", "SCRIPTSPath"}) {
    steps.Read(key);
  }
  if (main.SCRIPTSDir.empty()) main.SCRIPTSDir = programFolder + "\\SCRIPTS";
}

void ReadPage(frmMain& main, LoadSteps& steps) {
  steps.ReadAndPush("Face", [&] { main.optPage[main.Face].SetValue(true); });
}

// Reads a switch and ticks its box in the dialog the accessor reaches (touching it each time,
// as a dialog is reached through the App).
template <class Dialog>
void PushCheck(LoadSteps& steps, std::string_view key, Dialog& (app::App::*dialog)(), app::App& app,
               ui::CheckBox Dialog::*box, const std::int16_t& field) {
  steps.ReadAndPush(key, [&app, dialog, box, &field] { ((app.*dialog)().*box).SetValue(field); });
}

void ReadOptions(frmMain& main, app::App& app, LoadSteps& steps) {
  using options::frmOptions;
  auto check = [&](std::string_view key, ui::CheckBox frmOptions::*box, const std::int16_t& field) {
    PushCheck(steps, key, &app::App::frmOptions, app, box, field);
  };
  steps.Read("OutputToDefaultPath");
  steps.Read("Delay");
  steps.Step([&] { app.frmOptions(); });
  steps.Push("Delay", [&] { app.frmOptions().tbDelay.SetText(main.Delay); });
  check("WarnBlankLine", &frmOptions::chkWarnBlankLine, main.WarnBlankLine);
  check("WarnDoubleSpace", &frmOptions::chkWarnDoubleSpace, main.WarnDoubleSpace);
  check("WarnLineEndsWithSpace", &frmOptions::chkWarnLineEndsWithSpace, main.WarnLineEndsWithSpace);
  check("WarnLTLisp", &frmOptions::chkWarnLTLisp, main.WarnLTLisp);
  check("WarnSpaceInBlank", &frmOptions::chkWarnSpaceInBlank, main.WarnSpaceInBlank);
  check("VerifyFiles", &frmOptions::chkVerifyFilesInQueue, main.VerifyFilesBit);
  check("WarnFolderNotExist", &frmOptions::chkWarnFolderNotExist, main.WarnFoldersNotExist);
  check("METAEnabled", &frmOptions::chkMetaEnable, main.METAEnabled);
  check("METAImmediate", &frmOptions::chkMetaImmediate, main.METAImmediate);
  check("ResourceWarning", &frmOptions::chkResourcesStarved, main.ResourceWarning);
  steps.ReadAndPush("ResourceFileLimit", [&] {
    app.frmOptions().tbResourceFileLimit.SetText(runtime::IntegerToText(main.ResourceFileLimit));
  });
  check("ScanForRogueTags", &frmOptions::chkScanForRogueTags, main.ScanForRogueTags);
  check("EnableLogging", &frmOptions::chkEnableLogging, main.EnableLogging);
}

void ReadBrowserAndWindow(frmMain& main, LoadSteps& steps) {
  for (auto key : {"Source", "TextEditor", "Height", "Width", "ShowSCRComplete", "DWGPreviewShow", "AutoSortEnabled",
                   "AutoSortType", "TipsShow"}) {
    steps.Read(key);
  }
  steps.ReadAndPush("DWGOutFolder", [&] { main.tbSpecFolder.SetText(main.DWGOutFolder); });
}

void ReadUserTags(frmMain& main, app::App& app, LoadSteps& steps) {
  using tags::frmVARSetup;
  steps.Read("FirstFileChars");
  steps.Step([&] { app.frmVARSetup(); });
  steps.Push("FirstFileChars", [&] { app.frmVARSetup().tbFirstFileChars.SetText(main.FIRSTFILECHARS); });
  steps.ReadAndPush("SheetChars", [&] { app.frmVARSetup().tbSheetChars.SetText(main.SHEETCHARS); });
  PushCheck(steps, "TrimZeros", &app::App::frmVARSetup, app, &frmVARSetup::chkTrimZeros, main.TRIMZEROS);
  steps.ReadAndPush("CounterStart",
                    [&] { app.frmVARSetup().tbCounterStart.SetText(runtime::IntegerToText(main.COUNTERSTART)); });
  steps.ReadAndPush("CounterStep",
                    [&] { app.frmVARSetup().tbCounterStep.SetText(runtime::IntegerToText(main.COUNTERSTEP)); });
  PushCheck(steps, "PadCounterEnabled", &app::App::frmVARSetup, app, &frmVARSetup::chkPadCounter, main.PADCOUNTER);
  steps.ReadAndPush("PadDigits", [&] { app.frmVARSetup().vsPadCounter.SetValue(main.PADDIGITS); });
  for (int i = 0; i < 50; ++i) {
    const std::string key = "TAG" + std::to_string(i + 1);
    steps.ReadAndPush(key, [&, i] { app.frmVARSetup().tbTag(i + 1).SetText(main.TAG[i]); });
  }
}

void ReadLoadMethod(frmMain& main, app::App& app, LoadSteps& steps) {
  steps.ReadAndPush("LoadMethod_Open", [&] { app.frmOptions().optLoadOpen[main.LoadOpen].SetValue(true); });
  steps.ReadAndPush("LoadMethod_Other", [&] { app.frmOptions().tbOpenOther.SetText(main.OpenOther); });
}

}  // namespace

void SettingsRun(frmMain& main, app::App& app, LoadSteps& steps, const std::string& programFolder) {
  ReadWindowAndBatchFlow(steps);
  ReadSaveAsSettings(main, steps);
  ReadLT(main, steps);
  ReadSwitchesAndPaths(main, steps, programFolder);
  ReadPage(main, steps);
  ReadOptions(main, app, steps);
  ReadBrowserAndWindow(main, steps);
  ReadUserTags(main, app, steps);
  ReadLoadMethod(main, app, steps);
}

}  // namespace mainwindow

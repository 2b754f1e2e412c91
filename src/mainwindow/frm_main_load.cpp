// The main window's load: it builds the whole working state of the program before the window
// is first shown. Each action is answered on its own (LoadSteps), so a damaged setting or a
// missing file costs only that one value and everything after it still loads; the shutdown
// then saves real values, never the blanks of a load that stopped half-way.
#include <string>

#include "app/app.h"
#include "app/settings_table.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "core/system_helpers.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_main_settings_run.h"
#include "mainwindow/frm_main_working_set.h"
#include "options/frm_options.h"
#include "platform/file_system.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

constexpr const char* kRootFolderMessage =
    "You have attempted to launch Tornavane from the ROOT directory on a drive.\r\n"
    "\r\n"
    "Please place the Tornavane files into a directory, then relaunch Tornavane\r\n"
    "\r\n"
    "Thanks.";

std::string FolderUnavailable(const std::string& folder) {
  return " The previously saved working-path is unavailable (possibly renamed)..." + core::ShortenPath(folder) +
         "\r Defaulting to current path.";
}

// Points the browser at the stored drawing folder, on a drive or a network share. A folder
// that is gone, or a drive that does not answer, gets the message and the browser shows the
// current folder instead.
void RestoreBrowserFolder(frmMain& main) {
  try {
    // A network folder has no drive letter for the drive box; the folder box takes it alone.
    if (!core::IsNetworkPath(main.settings.SourcePath)) main.Drive1.SetDrive(main.settings.SourcePath.substr(0, 3));
    main.Dir1.SetPath(main.settings.SourcePath);
  } catch (const runtime::Error& error) {
    const int number = error.Number();
    if (number != runtime::kPathNotFound && number != runtime::kDeviceUnavailable && number != runtime::kDiskNotReady) {
      return;
    }
    main.Ctx().MsgBox(
        {FolderUnavailable(main.settings.SourcePath), " No big deal...", ui::MsgButtons::kOk, ui::MsgIcon::kNone});
    try {
      main.Dir1.SetPath("");
    } catch (const runtime::Error&) {
      // The current folder is always there.
    }
  }
}

// The queue's buttons and menu entries start disabled; UpdateQueueControls gives them their
// state from the queue at the end of the load.
void DisableQueueControls(frmMain& main) {
  if (main.File1.ListCount() == 0) main.cmdAddAll.SetEnabled(false);
  for (ui::CommandButton* button : {&main.cmdAddDwg, &main.cmdRemoveAllDwg, &main.cmdRemoveDwg}) {
    button->SetEnabled(false);
  }
  for (ui::MenuItem* item :
       {&main.mnuVerifyFilesInQueue, &main.mnuVerifyFiles2, &main.mnuRemoveDuplicates, &main.mnuRemoveDuplicates2,
        &main.mnuCopySelectedtoClip, &main.mnuReverseOrder, &main.mnuQueueUpperCase, &main.mnuQueueLowerCase}) {
    item->SetEnabled(false);
  }
}

void PushPreviewAndSortOptions(frmMain& main, app::App& app, core::LoadSteps& steps) {
  if (main.settings.DWGPreviewShow == 1) steps.Step([&] { main.cmdDWGPreviewShow.SetValue(true); });
  steps.Step([&] { app.frmOptions().chkShowPreview.SetValue(main.settings.DWGPreviewShow == 1 ? 1 : 0); });
  steps.Step([&] { app.frmOptions().chkAutoSortEnabled.SetValue(main.settings.AutoSortEnabled == 1 ? 1 : 0); });
  steps.Push(app::Binding("AutoSortType"),
             [&] { app.frmOptions().optSort[main.settings.AutoSortType].SetValue(true); });
}

// The Settings and QSAVE switches, in this order: SAVEAS ticked after Test Run clears it, so
// of the two stored as ticked SAVEAS wins. With AutoCAD LT Test Run stays clear.
void PushBatchSwitches(frmMain& main, core::LoadSteps& steps) {
  main.settings.SCRChanged = core::kFalse;
  if (main.settings.LT == 1) main.settings.TestRun = 0;
  steps.Push(app::Binding("UseDelay"), [&] { main.chkDelay.SetValue(main.settings.UseDelay); });
  steps.Push(app::Binding("TestRun"), [&] { main.chkTestRun.SetValue(main.settings.TestRun); });
  steps.Push(app::Binding("SAVEAS"), [&] { main.chkSaveAS.SetValue(main.settings.SAVEAS); });
  steps.Push(app::Binding("DebugComments"), [&] { main.cbIncludeDebugComments.SetValue(main.settings.DebugComments); });
  steps.Push(app::Binding("IncludeStatus"), [&] { main.chkIncludeStatus.SetValue(main.settings.IncludeStatus); });
}

}  // namespace

void frmMain::Form_Load() {
  core::LoadSteps steps(Ctx(), Ctx().Services().settings, settings);
  platform::SystemInfo& system = Ctx().Services().system;
  const std::string programFolder = system.ProgramFolder();
  // A program in the root of a drive would keep its data in the drive's own folders: it says
  // so and ends before the load reads, pushes or writes anything.
  if (platform::IsDriveRoot(programFolder)) {
    Ctx().MsgBox({kRootFolderMessage, "Ooops", ui::MsgButtons::kOk, ui::MsgIcon::kCritical});
    Ctx().End();
  }

  List1.SetAcceptDrops(true);
  settings.OS_Platform = core::WindowsPlatformText(core::GetWindowsPlatform(system));
  settings.OS = core::WindowsVersionText(core::GetWindowsVersion(system));

  SettingsRun(*this, app_, steps, programFolder);

  settings.ProgramPath = programFolder;
  steps.Step([&] {
    File2.SetPath(settings.SCRIPTSPathOption != core::kFalse ? settings.SCRIPTSDir : programFolder + "\\SCRIPTS");
  });
  settings.ProgramPath += "\\";
  if (settings.SimpleMode == 1) {
    steps.Step([&] { fsSimpleScript.SetPath(programFolder + "\\SCRIPTS-SIMPLE"); });
    if (settings.SimpleScriptPathOverride == 1)
      steps.Step([&] { fsSimpleScript.SetPath(programFolder + "\\SCRIPTS"); });
  }

  RestoreWorkingSet(*this, steps);

  steps.Step([&] { Move(settings.LeftCoord, settings.TopCoord); });
  steps.Step([&] { Picture2.SetTop(settings.HDividerTop); });
  steps.Step([&] { Picture3.SetTop(settings.HLeftDividerTop); });
  steps.Step([&] { ApplySimpleModeLayout(); });
  steps.Step([&] { SetHeight(settings.FormHeight); });
  steps.Step([&] { SetWidth(settings.FormWidth); });

  RestoreBrowserFolder(*this);
  steps.Step([&] { tbDWGFilter.SetText(settings.DWGPattern); });
  steps.Step([&] { scrFilter.SetText(settings.SCRPattern); });
  lblFilesProcessed.SetCaption("Processed = " + runtime::DoubleToText(settings.TotalFilesProcessed));
  lblUpdate.SetCaption("Ready");

  DisableQueueControls(*this);
  steps.Step([&] { FillOutFormatList(); });
  PushPreviewAndSortOptions(*this, app_, steps);
  settings.SCROutputPath = settings.OutputToDefaultPath == 1 ? settings.SCROutputPathNorm : settings.SCROutputPathAlt;
  steps.Step([&] {
    optOriginalLocation.SetValue(settings.SaveAsOriginalLocation == -1);
    optSpecFolder.SetValue(settings.SaveAsOriginalLocation != -1);
  });
  steps.Step([&] { app_.frmOptions().Text2.SetText(settings.TextEditor); });
  steps.Step([&] { tbPreBatch.SetText(settings.PreBatch); });
  steps.Step([&] { tbPreUserScript.SetText(settings.PreUserScript); });
  steps.Step([&] { tbPostUserScript.SetText(settings.PostUserScript); });
  steps.Step([&] { tbPostBatch.SetText(settings.PostBatch); });
  PushBatchSwitches(*this, steps);
  steps.Step([&] { gSetHorizontalExtent(List1); });
  steps.Step([&] { UpdateQueueControls(); });
}

}  // namespace mainwindow

// The settings run of the main window's load: every stored setting is read into its field,
// in the order of the settings table, and pushed at once into the control that shows it on
// the main window, in the options dialog or in the user tag manager. The first push into each
// dialog loads it, hidden; from then on it keeps its copies of the settings in its controls.
#include "mainwindow/frm_main_settings_run.h"

#include <functional>
#include <string>
#include <variant>

#include "app/app.h"
#include "app/settings_table.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "options/setting_controls.h"
#include "runtime/convert.h"
#include "tags/frm_var_setup.h"

namespace mainwindow {

namespace {

using core::LoadSteps;
using Push = std::function<void()>;

// The pushes into controls of the main window and of the user tag manager, by key; nothing
// for a setting that has none.
Push OwnPush(const app::SettingRow& row, frmMain& main, app::App& app) {
  if (const auto* tag = std::get_if<core::TagField>(&row.field)) {
    const int i = tag->index;
    return [&main, &app, i] { app.frmVARSetup().tbTag(i + 1).SetText(main.settings.TAG[i]); };
  }
  const std::string_view key = row.key;
  if (key == "NamePrefix") return [&main] { main.tbPrefix.SetText(main.settings.NamePrefix); };
  if (key == "NameSuffix") return [&main] { main.tbSuffix.SetText(main.settings.NameSuffix); };
  if (key == "OverWriteFiles")
    return [&main] { main.chkOverwriteExistingFiles.SetValue(main.settings.OverWriteFiles); };
  if (key == "SaveAsType") return [&main] { main.cmbOutFormat.SetText(main.settings.SaveAsType); };
  if (key == "Face") return [&main] { main.optPage[main.settings.Face].SetValue(true); };
  if (key == "DWGOutFolder") return [&main] { main.tbSpecFolder.SetText(main.settings.DWGOutFolder); };
  if (key == "SheetChars") return [&main, &app] { app.frmVARSetup().tbSheetChars.SetText(main.settings.SHEETCHARS); };
  if (key == "TrimZeros") return [&main, &app] { app.frmVARSetup().chkTrimZeros.SetValue(main.settings.TRIMZEROS); };
  if (key == "CounterStart") {
    return
        [&main, &app] { app.frmVARSetup().tbCounterStart.SetText(runtime::IntegerToText(main.settings.COUNTERSTART)); };
  }
  if (key == "CounterStep") {
    return
        [&main, &app] { app.frmVARSetup().tbCounterStep.SetText(runtime::IntegerToText(main.settings.COUNTERSTEP)); };
  }
  if (key == "PadCounterEnabled")
    return [&main, &app] { app.frmVARSetup().chkPadCounter.SetValue(main.settings.PADCOUNTER); };
  if (key == "PadDigits") return [&main, &app] { app.frmVARSetup().vsPadCounter.SetValue(main.settings.PADDIGITS); };
  return nullptr;
}

// What the run does right after reading some keys.
void AfterRead(const app::SettingRow& row, frmMain& main, app::App& app, LoadSteps& steps,
               const std::string& programFolder) {
  const std::string_view key = row.key;
  if (key == "LT") {
    // AutoCAD LT runs no test run: the box is cleared as well as greyed, so a build never
    // writes a test run the user cannot see or change.
    steps.Step([&] {
      if (main.settings.LT == 1) {
        main.chkTestRun.SetValue(0);
        main.settings.TestRun = 0;
      }
      main.chkTestRun.SetEnabled(main.settings.LT != 1);
    });
  } else if (key == "SCRIPTSPath") {
    if (main.settings.SCRIPTSDir.empty()) main.settings.SCRIPTSDir = programFolder + "\\SCRIPTS";
  } else if (key == "Delay") {
    // The first touch loads the options dialog, which shows the settings read so far.
    steps.Step([&] { app.frmOptions(); });
    steps.Push(row, [&] { app.frmOptions().tbDelay.SetText(main.settings.Delay); });
  } else if (key == "FirstFileChars") {
    steps.Step([&] { app.frmVARSetup(); });
    steps.Push(row, [&] { app.frmVARSetup().tbFirstFileChars.SetText(main.settings.FIRSTFILECHARS); });
  }
}

}  // namespace

void SettingsRun(frmMain& main, app::App& app, LoadSteps& steps, const std::string& programFolder) {
  main.settings.R14Compatible = 0;
  bool optionsLoaded = false;
  for (const app::SettingRow& row : app::SettingRows()) {
    Push push = OwnPush(row, main, app);
    const bool shownInOptions = !std::holds_alternative<std::monostate>(row.control);
    if (!push && optionsLoaded && shownInOptions && row.push == app::OptionsPush::kAtRead) {
      push = [&main, &app, &row] { options::PushIntoDialog(row, app.frmOptions(), main.settings); };
    }
    if (push) {
      steps.ReadAndPush(row, push);
    } else {
      steps.Read(row);
    }
    AfterRead(row, main, app, steps, programFolder);
    // The options dialog is loaded once "Delay" is read; the rows read after it are pushed.
    if (row.key == "Delay") optionsLoaded = true;
  }
}

}  // namespace mainwindow

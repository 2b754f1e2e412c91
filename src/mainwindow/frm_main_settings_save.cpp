// The settings save: the main window's geometry and batch settings go to the settings store,
// the active User Set and the working set to their files. It runs when the main window
// closes and from "&Save Settings Now". Each step stands on its own, so whatever fails, the
// working set (the user's queue and script) is still written.
#include <functional>
#include <limits>
#include <optional>

#include "app/settings_table.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_main_working_set.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

// A twips value as a 16-bit field takes it; nothing when it does not fit, so the field keeps
// the value it had.
std::optional<std::int16_t> AsInt16(int twips) {
  if (twips < std::numeric_limits<std::int16_t>::min() || twips > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(twips);
}

void Keep(std::int16_t& field, int twips) {
  if (auto value = AsInt16(twips)) field = *value;
}

// Runs one step of the save; a failure ends that step only.
void Isolated(const std::function<void()>& step) {
  try {
    step();
  } catch (const runtime::Error&) {
    // The steps after it still run.
  }
}

}  // namespace

void frmMain::SaveAllSettings() {
  Isolated([&] {
    if (WindowState() == ui::WindowState::kMinimized) return;
    Keep(settings.LeftCoord, Left());
    Keep(settings.TopCoord, Top());
    Keep(settings.FormWidth, Width());
    Keep(settings.FormHeight, Height());
  });
  Isolated([&] { settings.SourcePath = Dir1.Path(); });
  Isolated([&] {
    settings.PreBatch = tbPreBatch.Text();
    settings.PreUserScript = tbPreUserScript.Text();
    settings.PostUserScript = tbPostUserScript.Text();
    settings.PostBatch = tbPostBatch.Text();
  });
  Isolated([&] {
    settings.DebugComments = static_cast<std::int16_t>(cbIncludeDebugComments.Value());
    settings.IncludeStatus = static_cast<std::int16_t>(chkIncludeStatus.Value());
    settings.TestRun = static_cast<std::int16_t>(chkTestRun.Value());
    settings.UseDelay = static_cast<std::int16_t>(chkDelay.Value());
    settings.SAVEAS = static_cast<std::int16_t>(chkSaveAS.Value());
  });
  Isolated([&] {
    settings.NamePrefix = tbPrefix.Text();
    settings.NameSuffix = tbSuffix.Text();
    settings.OverWriteFiles = static_cast<std::int16_t>(chkOverwriteExistingFiles.Value());
    settings.SaveAsType = cmbOutFormat.Text();
    settings.SaveAsOriginalLocation = optOriginalLocation.Value() ? core::kTrue : core::kFalse;
    settings.DWGOutFolder = tbSpecFolder.Text();
  });
  Isolated([&] {
    Keep(settings.HDividerTop, Picture2.Top());
    Keep(settings.HLeftDividerTop, Picture3.Top());
  });
  platform::SettingsStore& store = Ctx().Services().settings;
  for (const app::SettingRow& row : app::SettingRows()) {
    if (row.savedByMainWindow) Isolated([&] { core::WriteBinding(store, row, settings); });
  }
  Isolated([&] { SaveFaceSetting(store, settings.Face); });
  Isolated([&] { WriteWorkingSet(*this); });
}

void frmMain::mnuSaveSettings_Click() {
  lblUpdate.SetCaption("Saving");
  Ctx().DoEvents();
  SaveAllSettings();
  lblUpdate.SetCaption("Ready");
}

// Closing the main window saves everything and ends the program at once: the other windows
// are closed without their own closing work, and closing cannot be cancelled.
void frmMain::Form_Unload() {
  SaveAllSettings();
  Ctx().End();
}

}  // namespace mainwindow

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
    Keep(LeftCoord, Left());
    Keep(TopCoord, Top());
    Keep(FormWidth, Width());
    Keep(FormHeight, Height());
  });
  Isolated([&] { SourcePath = Dir1.Path(); });
  Isolated([&] {
    PreBatch = tbPreBatch.Text();
    PreUserScript = tbPreUserScript.Text();
    PostUserScript = tbPostUserScript.Text();
    PostBatch = tbPostBatch.Text();
  });
  Isolated([&] {
    DebugComments = static_cast<std::int16_t>(cbIncludeDebugComments.Value());
    IncludeStatus = static_cast<std::int16_t>(chkIncludeStatus.Value());
    TestRun = static_cast<std::int16_t>(chkTestRun.Value());
    UseDelay = static_cast<std::int16_t>(chkDelay.Value());
    SAVEAS = static_cast<std::int16_t>(chkSaveAS.Value());
  });
  Isolated([&] {
    NamePrefix = tbPrefix.Text();
    NameSuffix = tbSuffix.Text();
    OverWriteFiles = static_cast<std::int16_t>(chkOverwriteExistingFiles.Value());
    SaveAsType = cmbOutFormat.Text();
    SaveAsOriginalLocation = optOriginalLocation.Value() ? core::kTrue : core::kFalse;
    DWGOutFolder = tbSpecFolder.Text();
  });
  Isolated([&] {
    Keep(HDividerTop, Picture2.Top());
    Keep(HLeftDividerTop, Picture3.Top());
  });
  platform::SettingsStore& store = Ctx().Services().settings;
  for (const app::SettingRow& row : app::SettingRows()) {
    if (row.savedByMainWindow) Isolated([&] { core::WriteBinding(store, row, *this); });
  }
  Isolated([&] { SaveFaceSetting(store, Face); });
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

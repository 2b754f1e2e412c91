// The options dialog's "&OK": checks the boxes, then copies every control into the
// settings fields, stores them and hides the dialog.

#include <string>
#include <vector>

#include "app/app.h"
#include "app/settings_table.h"
#include "core/app_title.h"
#include "core/file_helpers.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "options/options_values.h"
#include "options/setting_controls.h"
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

// One value "&OK" writes to the settings store.
struct StoreEntry {
  const app::SettingRow& row;
  std::string value;
};

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

  mainwindow::frmMain& main = app_.frmMain();
  std::vector<StoreEntry> entries;
  for (const app::SettingRow& row : app::SettingRows()) {
    if (auto value = TakeFromDialog(row, *this, main.settings)) entries.push_back({row, std::move(*value)});
  }
  main.settings.SCRIPTSDir = ScriptsFolder(optScriptDirDefault[1].Value(), tbScriptDir.Text(), Ctx().App().path);
  entries.push_back({app::Binding("SCRIPTSPath"), main.settings.SCRIPTSDir});
  // The output in use is set but not stored here; the settings save stores it.
  main.settings.OutputToDefaultPath = optNormalOutputPath.Value() ? 1 : 0;
  main.settings.SCROutputPath =
      optNormalOutputPath.Value() ? main.settings.SCROutputPathNorm : main.settings.SCROutputPathAlt;
  try {
    main.File2.SetPath(main.settings.SCRIPTSDir);
  } catch (const runtime::Error&) {
    Ctx().MsgBox({"The user scripts folder cannot be listed:\r\n" + core::ShortenPath(main.settings.SCRIPTSDir) +
                      "\r\n\r\nPlease check that it exists.",
                  std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  }
  if (main.settings.LT == 1) {
    main.chkTestRun.SetValue(ui::kUnchecked);
    main.chkTestRun.SetEnabled(false);
  } else {
    main.chkTestRun.SetEnabled(true);
  }

  platform::SettingsStore& store = Ctx().Services().settings;
  for (const StoreEntry& entry : entries) {
    store.Write(kSettingsApp, std::string(entry.row.section), std::string(entry.row.key), entry.value);
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

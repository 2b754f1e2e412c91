// The user tag manager's "&Ok", "Clear All" and the checks of its number boxes.

#include <string>

#include "app/app.h"
#include "app/settings_table.h"
#include "core/app_title.h"
#include "core/store_bindings.h"
#include "mainwindow/frm_main.h"
#include "tags/frm_var_setup.h"
#include "tags/user_tag_values.h"

namespace tags {

namespace {

// Resets a character-count box the tag engine could not use, telling the user why.
void CheckCharacterCount(ui::Context& ctx, ui::TextBox& box, const std::string& refusal, const char* title,
                         const char* reset) {
  if (refusal.empty()) return;
  std::string text = refusal + "\r\nResetting to \"" + reset + "\".";
  ctx.MsgBox({text, title, ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  box.SetText(reset);
}

UserTagInput ReadInput(const frmVARSetup& form) {
  UserTagInput input;
  input.firstFileChars = form.tbFirstFileChars.Text();
  input.sheetChars = form.tbSheetChars.Text();
  input.trimZeros = form.chkTrimZeros.Value() == ui::kChecked;
  input.counterStart = form.tbCounterStart.Text();
  input.counterStep = form.tbCounterStep.Text();
  input.padCounter = form.chkPadCounter.Value() == ui::kChecked;
  input.padDigits = form.tbPadCounter.Text();
  for (int n = 1; n <= frmVARSetup::kTagCount; ++n) input.tags[static_cast<std::size_t>(n - 1)] = form.tbTag(n).Text();
  return input;
}

}  // namespace

void frmVARSetup::cmdOK_Click() {
  // Enter presses OK without moving the focus, so the count checks run here as well.
  tbSheetChars_LostFocus();
  tbFirstFileChars_LostFocus();
  if (!CounterAccepted(tbCounterStart, "start") || !CounterAccepted(tbCounterStep, "step")) return;

  platform::SettingsStore& store = Ctx().Services().settings;
  mainwindow::frmMain& main = app_.frmMain();
  const std::string application(core::kStoreApp);
  const std::string section(kUserTagsSection);
  for (const UserTagEntry& entry : UserTagEntries(ReadInput(*this))) {
    store.Write(application, section, entry.key, entry.value);
    core::AssignFromText(app::Binding(entry.key), main.settings, entry.value);
  }
  Hide();
}

// A counter start or step that is no whole 32-bit number is refused before anything is
// stored, so the store and the main window never get a value the counter cannot take.
bool frmVARSetup::CounterAccepted(ui::TextBox& box, const char* what) {
  if (IsCounterValue(box.Text())) return true;
  std::string text = std::string("The counter ") + what + " must be a whole number from -2147483648 to 2147483647.";
  Ctx().MsgBox({text, "Counter Value", ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  if (box.IsShown() && box.IsEnabled()) box.SetFocus();
  return false;
}

void frmVARSetup::cmdClearAllTags_Click() {
  ui::MsgAnswer answer = Ctx().MsgBox({"Are you sure you want to clear the displayed user tags?", "Clear?",
                                       ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation, 2});
  if (answer != ui::MsgAnswer::kYes) return;
  for (int n = 1; n <= kTagCount; ++n) tbTag(n).SetText("");
}

void frmVARSetup::tbSheetChars_LostFocus() {
  CheckCharacterCount(Ctx(), tbSheetChars, SheetCharCountRefusal(tbSheetChars.Text()), "Sheet Value", "1");
}

void frmVARSetup::tbFirstFileChars_LostFocus() {
  CheckCharacterCount(Ctx(), tbFirstFileChars, FirstFileCharCountRefusal(tbFirstFileChars.Text()), "Filename Value",
                      "4");
}

}  // namespace tags

// The META scan: the option lines of the user script applied to the main window's controls.
#include <string>

#include "app/app.h"
#include "batch/meta_commands.h"
#include "core/file_helpers.h"
#include "mainwindow/frm_main.h"
#include "tags/frm_var_setup.h"

namespace mainwindow {

namespace {

// Swallows the message of an unclosed quote: the scan that follows every keystroke would
// otherwise raise a box per key until the quote is typed.
class QuietMessages : public ui::MessageService {
 public:
  ui::MsgAnswer Show(const ui::MessageBoxSpec&) override { return ui::MsgAnswer::kOk; }
};

int CheckValue(bool on) {
  return on ? ui::kChecked : ui::kUnchecked;
}

}  // namespace

// Each command is applied by setting its control, so the controls' own handlers run as for
// a click. The rows run in table order; a later row wins over an earlier one.
// NOLINTNEXTLINE(readability-identifier-naming): IncludeSort is the designed name.
void frmMain::ScanForMetaCommands(std::int16_t IncludeSort) {
  const bool withSorts = IncludeSort == core::kTrue;
  QuietMessages quiet;
  ui::MessageService& messages = withSorts ? static_cast<ui::MessageService&>(Ctx().GetBackend()) : quiet;
  for (const batch::MetaCommand& command : batch::MetaCommands()) {
    if (command.sorts && !withSorts) continue;
    if (!batch::MetaCommandPresent(command, Text1.Text())) continue;
    std::string value;
    if (!command.startMark.empty()) value = core::GetTextBetween(messages, Text1.Text(), command.startMark, "\"");
    ApplyMetaCommand(command.action, value);
  }
  Ctx().DoEvents();
}

void frmMain::ApplyMetaCommand(batch::MetaAction action, const std::string& value) {
  using batch::MetaAction;
  switch (action) {
    case MetaAction::kTestRunOn:
    case MetaAction::kTestRunOff:
      chkTestRun.SetValue(CheckValue(action == MetaAction::kTestRunOn));
      break;
    case MetaAction::kDelayOn:
    case MetaAction::kDelayOff:
      chkDelay.SetValue(CheckValue(action == MetaAction::kDelayOn));
      break;
    case MetaAction::kSaveAsOn:
    case MetaAction::kSaveAsOff:
      chkSaveAS.SetValue(CheckValue(action == MetaAction::kSaveAsOn));
      break;
    case MetaAction::kPrefix:
      tbPrefix.SetText(value);
      break;
    case MetaAction::kSuffix:
      tbSuffix.SetText(value);
      break;
    case MetaAction::kSameLocation:
      optOriginalLocation.SetValue(true);
      break;
    case MetaAction::kThisLocation:
      optSpecFolder.SetValue(true);
      tbSpecFolder.SetText(value);
      break;
    case MetaAction::kTemplate:
      // Reaching the user tag manager loads it, hidden, when the close box has discarded it.
      app_.frmVARSetup().cmbTAGSelector.SetText(value);
      app_.frmVARSetup().LoadTAG(value + ".TAG");
      break;
    case MetaAction::kOverwriteOn:
    case MetaAction::kOverwriteOff:
      chkOverwriteExistingFiles.SetValue(CheckValue(action == MetaAction::kOverwriteOn));
      break;
    default:
      ApplyMetaSort(action);
      break;
  }
}

void frmMain::ApplyMetaSort(batch::MetaAction action) {
  using batch::MetaAction;
  switch (action) {
    case MetaAction::kSortAuto:
      PerformSort();
      break;
    case MetaAction::kSortAscending:
      mnuSortAscending_Click();
      break;
    case MetaAction::kSortDescending:
      mnuSortDescending_Click();
      break;
    case MetaAction::kSmartSortAscending:
      SmartSort();
      break;
    case MetaAction::kSmartSortDescending:
      SmartSort();
      mnuReverseOrder_Click();
      break;
    default:
      break;
  }
}

}  // namespace mainwindow

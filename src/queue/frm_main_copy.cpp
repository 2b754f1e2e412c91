// The queue pop-up's clipboard copies.
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "core/app_title.h"
#include "mainwindow/frm_main.h"
#include "queue/copy_list_to_clipboard.h"
#include "queue/queue_copy.h"
#include "runtime/error.h"
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

struct CopyRow {
  bool onlySelected;
  queue::CopyForm form;
  queue::CopyJoin join;
  bool refresh;  // the queue's controls are refreshed after the copy
};

// Puts the row's text on the clipboard. A step that fails is passed over and the copy goes
// on; the count is reported in any case.
void CopyRowToClipboard(frmMain& main, const CopyRow& row) {
  ui::Context& ctx = main.Ctx();
  std::optional<ui::ScreenHourglass> hourglass(std::in_place, ctx);
  std::vector<std::string> entries;
  std::vector<bool> selected;
  for (int i = 0; i < main.List1.ListCount(); ++i) {
    entries.push_back(main.List1.List(i));
    selected.push_back(main.List1.Selected(i));
  }
  queue::CopyText copy = queue::BuildCopyText(entries, selected, row.onlySelected, row.form, row.join);
  platform::Clipboard& clipboard = ctx.Services().clipboard;
  try {
    clipboard.Clear();
  } catch (const runtime::Error&) {
  }
  try {
    clipboard.SetText(copy.text);
  } catch (const runtime::Error&) {
  }
  if (row.refresh) main.UpdateQueueControls();
  hourglass.reset();
  ctx.MsgBox({.text = std::to_string(copy.count) + " Items Copied to the Clipboard",
              .title = std::string(core::kAppTitle),
              .buttons = ui::MsgButtons::kOk,
              .icon = ui::MsgIcon::kInformation});
}

using queue::CopyForm;
using queue::CopyJoin;

}  // namespace

void frmMain::mnuCopyListtoClip_Click() {
  queue::CopyListToClipboard(Ctx(), List1);
}

void frmMain::mnuCopyWithExt_Click() {
  CopyRowToClipboard(*this, {false, CopyForm::kFileName, CopyJoin::kLinesBetween, false});
}

void frmMain::mnuCopyWOExtension_Click() {
  CopyRowToClipboard(*this, {false, CopyForm::kBaseName, CopyJoin::kLinesBetween, false});
}

void frmMain::mnuCopyClipCSV_Click() {
  CopyRowToClipboard(*this, {false, CopyForm::kBaseName, CopyJoin::kComma, true});
}

void frmMain::mnuCopySelectedtoClip_Click() {
  CopyRowToClipboard(*this, {true, CopyForm::kPath, CopyJoin::kLineAfterEach, true});
}

void frmMain::mnuCopySelFilewithExt_Click() {
  CopyRowToClipboard(*this, {true, CopyForm::kFileName, CopyJoin::kLineAfterEach, true});
}

void frmMain::mnuCopySelFileWOExt_Click() {
  CopyRowToClipboard(*this, {true, CopyForm::kBaseName, CopyJoin::kLineAfterEach, true});
}

void frmMain::mnuCopySelFileCSV_Click() {
  CopyRowToClipboard(*this, {true, CopyForm::kBaseName, CopyJoin::kComma, true});
}

}  // namespace mainwindow

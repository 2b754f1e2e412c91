// Removal of duplicate entries under the stop window.
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "core/app_title.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_scan_stop.h"
#include "queue/queue_order.h"
#include "ui/busy_guard.h"

namespace mainwindow {

// Of every group of entries equal in text order only the last stays. The removals go one by
// one, in a fixed order, with events let run and the progress shown after each, so a Stop
// after k removals leaves exactly those k taken out; the list itself is compacted once.
void frmMain::RemoveDuplicateItems(ui::ListBox& list) {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  queue::frmScanStop& stop = app_.frmScanStop();
  Ctx().SetScreenPointer(ui::Pointer::kHourglass);
  stop.Show(ui::ShowMode::kModeless);
  STOPSCAN = 0;
  stop.lblScanned.SetCaption("Buffering File Names");
  Ctx().DoEvents();

  const long total = list.ListCount() - 1;
  std::vector<std::string> keys;
  keys.reserve(static_cast<std::size_t>(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) keys.push_back(Ctx().Services().locale.CollationKey(list.List(i)));
  const std::vector<std::size_t> removals = queue::DuplicateRemovalOrder(std::move(keys));

  // A Stop pressed before the first comparison ends the removal before it starts.
  const bool stoppedAtStart = STOPSCAN == 1 && list.ListCount() >= 2;
  std::vector<bool> removed(static_cast<std::size_t>(list.ListCount()), false);
  long count = 0;
  for (std::size_t i = 0; i < removals.size() && !stoppedAtStart; ++i) {
    removed[removals[i]] = true;
    ++count;
    Ctx().DoEvents();
    stop.lblScanned.SetCaption(queue::RemovalProgress(count, total));
    if (STOPSCAN == 1) break;
  }
  list.RemoveItems(removed);

  stop.Hide();
  Ctx().SetScreenPointer(ui::Pointer::kDefault);
  Ctx().MsgBox({.text = std::to_string(count) + " Duplicate Items Removed ",
                .title = std::string(core::kAppTitle),
                .buttons = ui::MsgButtons::kOk,
                .icon = ui::MsgIcon::kInformation});
}

// The queue's count caption and entries follow the shorter queue at once.
void frmMain::mnuRemoveDuplicates_Click() {
  RemoveDuplicateItems(List1);
  UpdateQueueControls();
}

void frmMain::mnuRemoveDuplicates2_Click() {
  mnuRemoveDuplicates_Click();
}

}  // namespace mainwindow

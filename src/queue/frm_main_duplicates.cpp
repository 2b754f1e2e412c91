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
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

// Takes the duplicates out one by one in their fixed order, lets events run and shows the
// progress after each, and ends at a Stop; the list is compacted once at the end. Returns
// the number removed. Events run through the pump between items, which a shown program skips
// while its last pump is a few milliseconds old.
long RemoveShowingProgress(app::App& app, ui::ListBox& list) {
  ui::Context& ctx = app.Ctx();
  const long total = list.ListCount() - 1;
  std::vector<std::string> keys;
  keys.reserve(static_cast<std::size_t>(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) keys.push_back(ctx.Services().locale.CollationKey(list.List(i)));
  const std::vector<std::size_t> removals = queue::DuplicateRemovalOrder(std::move(keys));

  // A Stop pressed before the first comparison ends the removal before it starts.
  if (app.frmMain().settings.STOPSCAN == 1 && list.ListCount() >= 2) return 0;
  std::vector<bool> removed(static_cast<std::size_t>(list.ListCount()), false);
  long count = 0;
  for (std::size_t index : removals) {
    removed[index] = true;
    ++count;
    ctx.DoEventsBetweenItems();
    app.frmScanStop().lblScanned.SetCaption(queue::RemovalProgress(count, total));
    if (app.frmMain().settings.STOPSCAN == 1) break;
  }
  list.RemoveItems(removed);
  return count;
}

}  // namespace

// Of every group of entries equal in text order only the last stays. The removals go one by
// one, in a fixed order, so a Stop after k removals leaves exactly those k taken out.
void frmMain::RemoveDuplicateItems(ui::ListBox& list) {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  long removed = 0;
  {
    ui::ScreenHourglass hourglass(Ctx());
    queue::frmScanStop& stop = app_.frmScanStop();
    stop.Show(ui::ShowMode::kModeless);
    settings.STOPSCAN = 0;
    stop.lblScanned.SetCaption("Buffering File Names");
    Ctx().DoEvents();
    try {
      removed = RemoveShowingProgress(app_, list);
    } catch (...) {
      stop.Hide();
      throw;
    }
    stop.Hide();
  }
  Ctx().MsgBox({.text = std::to_string(removed) + " Duplicate Items Removed ",
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

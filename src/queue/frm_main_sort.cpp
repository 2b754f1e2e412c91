// The queue's orderings: sort ascending and descending, the smart sort, the reverse, the
// automatic sort, the change of letter case and the queue's text size. Every ordering
// rebuilds the list in one step: no entry selected or current afterwards, so the entries
// that depend on the selection are refreshed.
#include <string>
#include <vector>

#include "app/app.h"
#include "core/procedure_error.h"
#include "mainwindow/frm_main.h"
#include "queue/queue_order.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/busy_guard.h"
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

std::vector<std::string> Entries(const ui::ListBox& list) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
  return entries;
}

std::vector<std::string> CollationKeys(platform::Locale& locale, const ui::ListBox& list) {
  std::vector<std::string> keys;
  keys.reserve(static_cast<std::size_t>(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) keys.push_back(locale.CollationKey(list.List(i)));
  return keys;
}

// The steps of the ascending sort, which reports its own errors: the queue changes only in
// its last step, so an error leaves it as it was.
void SortAscending(frmMain& main) {
  ui::Context& ctx = main.Ctx();
  main.lblUpdate.SetCaption("Sorting");
  ctx.DoEvents();
  {
    ui::ScreenHourglass hourglass(ctx);
    try {
      std::vector<std::size_t> order = queue::SelectionSortOrder(CollationKeys(ctx.Services().locale, main.List1));
      main.List1.SetOrder(order);
      main.UpdateQueueControls();
    } catch (const runtime::Error& error) {
      core::ReportProcedureError(ctx, error, "mnuSortAscending_Click");
    }
  }
  main.lblUpdate.SetCaption("Ready");
}

void Reverse(frmMain& main) {
  ui::ScreenHourglass hourglass(main.Ctx());
  std::vector<std::size_t> order(static_cast<std::size_t>(main.List1.ListCount()));
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = order.size() - 1 - i;
  main.List1.SetOrder(order);
  main.UpdateQueueControls();
}

// The smart sort keeps its own list of keys and lets no event run: the queue is
// never seen empty halfway.
void SmartSortEntries(frmMain& main) {
  platform::Locale& locale = main.Ctx().Services().locale;
  const ui::ListBox& list = main.List1;
  std::vector<std::size_t> order = queue::SmartSortOrder(
      static_cast<std::size_t>(list.ListCount()), [&list](std::size_t i) { return list.ListText(static_cast<int>(i)); },
      [&locale](const std::string& key) { return locale.CollationKey(key); });
  main.List1.SetOrder(order);
  main.UpdateQueueControls();
}

void ChangeCase(frmMain& main, bool upper) {
  ui::Context& ctx = main.Ctx();
  ui::ScreenHourglass hourglass(ctx);
  try {
    std::vector<std::string> entries = Entries(main.List1);
    for (std::string& entry : entries) entry = upper ? runtime::UpperCase(entry) : runtime::LowerCase(entry);
    main.List1.SetItems(std::move(entries));
    main.UpdateQueueControls();
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(ctx, error, upper ? "mnuQueueUpperCase_Click" : "mnuQueueLowerCase_Click");
  }
}

// The wrappers of the menu entries: "Sorting", let events run, the ordering, "Ready".
template <typename Ordering>
void WithSortingStatus(frmMain& main, Ordering ordering) {
  main.lblUpdate.SetCaption("Sorting");
  main.Ctx().DoEvents();
  ordering(main);
  main.lblUpdate.SetCaption("Ready");
}

}  // namespace

void frmMain::mnuSortAscending_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  SortAscending(*this);
}

void frmMain::mnuSortDescending_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  SortAscending(*this);
  Reverse(*this);
}

void frmMain::mnuReverseOrder_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  Reverse(*this);
}

void frmMain::SmartSort() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  SmartSortEntries(*this);
}

void frmMain::PerformSort() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  lblUpdate.SetCaption("Performing AutoSort");
  Ctx().DoEvents();
  switch (settings.AutoSortType) {
    case 0:
      SortAscending(*this);
      break;
    case 1:
      SortAscending(*this);
      Reverse(*this);
      break;
    case 2:
      SmartSortEntries(*this);
      break;
    case 3:
      SmartSortEntries(*this);
      Reverse(*this);
      break;
    default:
      break;
  }
  lblUpdate.SetCaption("Ready");
}

void frmMain::mnuAscending2_Click() {
  mnuSortAscending_Click();
}

void frmMain::mnuDescending2_Click() {
  mnuSortDescending_Click();
}

void frmMain::mnuSmartSort2_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  WithSortingStatus(*this, SmartSortEntries);
}

void frmMain::mnuSmartSort_Click() {
  mnuSmartSort2_Click();
}

void frmMain::mnuReverseOrder2_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  WithSortingStatus(*this, Reverse);
}

void frmMain::mnuQueueUpperCase_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  ChangeCase(*this, true);
}

void frmMain::mnuQueueLowerCase_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  ChangeCase(*this, false);
}

// One point larger up to 12 points, one smaller down to 4; the size holds for the run.
void frmMain::mnuTextLarger_Click() {
  double size = List1.Font().size;
  if (size < 12) List1.SetFontSize(size + 1);
}

void frmMain::mnuTextSmaller_Click() {
  double size = List1.Font().size;
  if (size > 4) List1.SetFontSize(size - 1);
}

}  // namespace mainwindow

#include "batch/frm_file_error_report.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "queue/copy_list_to_clipboard.h"
#include "runtime/text.h"

namespace batch {

namespace {

constexpr const char* kReadOnlyText =
    "Files shown in 'lowercase' are marked READONLY or are LOCKED by another user - (These files can be processed, "
    "but the changes WILL NOT BE SAVED)";

// How a queue entry reads in the report for a problem of this kind.
std::string ReportForm(const std::string& queueEntry, FileProblem problem) {
  return problem == FileProblem::kMissing ? runtime::UpperCase(queueEntry) : runtime::LowerCase(queueEntry);
}

}  // namespace

frmFileErrorReport::frmFileErrorReport(app::App& app) : Form(app.Ctx(), "frmFileErrorReport"), app_(app) {
  Design();
  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  cmdCopytoClip.onClick = [this] { cmdCopytoClip_Click(); };
  cmdRemoveREADONLY.onClick = [this] { cmdRemoveREADONLY_Click(); };
  cmdContinue.onClick = [this] { cmdContinue_Click(); };
  cmdIgnore.onClick = [this] { cmdIgnore_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmFileErrorReport::Design() {
  SetCaption(" File Access Error Report");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 10290, 5535);
  Frame1.SetCaption("There are problems with the following files:");
  Frame1.Move(120, 60, 9960, 4935);
  lblNonExist.SetCaption(
      "Files shown in \"uppercase\" - DO NOT EXIST - (They will be AUTOMATICALLY be removed from the queue)");
  lblNonExist.Move(240, 300, 9480, 255);
  lblReadOnly.SetCaption(kReadOnlyText);
  lblReadOnly.SetWordWrap(true);
  lblReadOnly.Move(240, 600, 9480, 435);
  lstFileErrors.Move(240, 1110, 9480, 2400);
  cmdCopytoClip.SetCaption("Copy &List to Clipboard");
  cmdCopytoClip.Move(240, 3660, 2055, 495);
  cmdRemoveREADONLY.SetCaption("R&emove READ-ONLY Files from Queue");
  cmdRemoveREADONLY.Move(2415, 3660, 2895, 495);
  lblOR.SetCaption("OR");
  lblOR.SetAlignment(ui::Alignment::kCenter);
  lblOR.Move(5400, 3780, 495, 255);
  cmdContinue.SetCaption("&Continue");
  cmdContinue.SetDefault(true);
  cmdContinue.Move(5985, 3660, 1575, 495);
  Label1.SetCaption("OR");
  Label1.SetAlignment(ui::Alignment::kCenter);
  Label1.Move(7650, 3780, 495, 255);
  cmdIgnore.SetCaption("&Ignore");
  cmdIgnore.Move(8235, 3660, 1485, 495);
  cmdCancel.SetCaption("C&ancel");
  cmdCancel.Move(8235, 4260, 1485, 435);
}

void frmFileErrorReport::ClearEntries() {
  lstFileErrors.Clear();
  lblNonExist.SetEnabled(false);
  lblReadOnly.SetEnabled(false);
  cmdRemoveREADONLY.SetEnabled(false);
}

void frmFileErrorReport::AddEntry(const std::string& queueEntry, FileProblem problem) {
  lstFileErrors.AddItem(ReportForm(queueEntry, problem));
  lstFileErrors.SetItemData(lstFileErrors.NewIndex(), static_cast<int>(problem));
  if (problem == FileProblem::kMissing) {
    lblNonExist.SetEnabled(true);
  } else {
    cmdRemoveREADONLY.SetEnabled(true);
    lblReadOnly.SetEnabled(true);
  }
}

FileProblem frmFileErrorReport::ProblemOf(int index) const {
  return static_cast<FileProblem>(lstFileErrors.ItemData(index));
}

void frmFileErrorReport::Form_Load() {
  lblNonExist.SetEnabled(false);
  lblReadOnly.SetEnabled(false);
  cmdRemoveREADONLY.SetEnabled(false);
  app_.frmMain().gSetHorizontalExtent(lstFileErrors);
}

void frmFileErrorReport::Form_Activate() {
  lblReadOnly.SetCaption(kReadOnlyText);
}

// The close box cancels, as "C&ancel" does; the window is only hidden, so its list stays.
void frmFileErrorReport::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  if (mode != ui::UnloadMode::kFormControlMenu) return;
  cancel = true;
  cmdCancel_Click();
}

void frmFileErrorReport::cmdCopytoClip_Click() {
  queue::CopyListToClipboard(Ctx(), lstFileErrors);
}

int frmFileErrorReport::RemoveFromQueue(FileProblem problem) {
  ui::ListBox& queue = app_.frmMain().List1;
  int removed = 0;
  for (int entry = lstFileErrors.ListCount() - 1; entry >= 0; --entry) {
    if (ProblemOf(entry) != problem) continue;
    const std::string text = lstFileErrors.List(entry);
    for (int at = queue.ListCount() - 1; at >= 0; --at) {
      if (ReportForm(queue.List(at), problem) != text) continue;
      queue.RemoveItem(at);
      lstFileErrors.RemoveItem(entry);
      ++removed;
      break;
    }
  }
  return removed;
}

void frmFileErrorReport::RemoveMissingFiles() {
  if (RemoveFromQueue(FileProblem::kMissing) == 0) return;
  lblNonExist.SetEnabled(false);
  app_.frmMain().UpdateQueueControls();
}

void frmFileErrorReport::cmdRemoveREADONLY_Click() {
  if (RemoveFromQueue(FileProblem::kUnavailable) == 0) return;
  cmdRemoveREADONLY.SetEnabled(false);
  lblReadOnly.SetEnabled(false);
  app_.frmMain().UpdateQueueControls();
}

void frmFileErrorReport::cmdContinue_Click() {
  RemoveMissingFiles();
  if (app_.frmMain().settings.LT != 0) cmdRemoveREADONLY_Click();
  Hide();
  Ctx().DoEvents();
}

// Goes on with the queue as it is: nothing is removed and the build is not stopped.
void frmFileErrorReport::cmdIgnore_Click() {
  Hide();
}

void frmFileErrorReport::cmdCancel_Click() {
  app_.frmMain().settings.StopBatch = core::kTrue;
  cmdRemoveREADONLY.SetEnabled(false);
  lblNonExist.SetEnabled(false);
  lblReadOnly.SetEnabled(false);
  Hide();
}

}  // namespace batch

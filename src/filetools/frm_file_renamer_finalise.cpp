// The file renamer's finalisation, its manual edit of one new name, and the queue given
// back when the window closes.
#include "app/app.h"
#include "core/app_title.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "core/settings_model.h"
#include "filetools/frm_file_renamer.h"
#include "filetools/frm_file_renamer_manual.h"
#include "mainwindow/frm_main.h"
#include "ui/hourglass.h"

namespace filetools {

namespace {

constexpr const char* kShortPreview =
    "The preview does not give every file a new name.\r\nPreview again before finalizing.";
constexpr const char* kNothingRenamed =
    "No file was renamed.\r\nChange the new names of the files that already exist, then finalize again.";

}  // namespace

std::vector<RenameLine> frmFileRenamer::Lines() const {
  std::vector<RenameLine> lines;
  lines.reserve(static_cast<std::size_t>(lstSource.ListCount()));
  for (int i = 0; i < lstSource.ListCount(); ++i) {
    lines.push_back({core::GetFolder(lstMainList.List(i)), lstSource.List(i), lstDestination.List(i)});
  }
  return lines;
}

// Checks every new name before any file is touched; renames only when no two new paths are
// one and no new path names a file that exists already.
void frmFileRenamer::cmdDoIt_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  if (lstDestination.ListCount() != lstSource.ListCount()) {
    Alert(kShortPreview, ui::MsgIcon::kExclamation);
    return;
  }
  BadFlag = core::kFalse;
  std::vector<RenameLine> lines = Lines();
  if (auto bad = FindBadNewName(lines)) {
    Alert(*bad, ui::MsgIcon::kExclamation);
    return;
  }
  CheckForDuplicates(lstDestination);
  bool asked = false;
  if (!AskAboutExistingTargets(lines, asked)) return;
  if (BadFlag == core::kTrue) {
    if (asked) Alert(kNothingRenamed, ui::MsgIcon::kInformation);
    return;
  }
  RenameAndFollowTheDisk(lines);
}

// Two lines that would give the same path (folder and name, letter case ignored).
void frmFileRenamer::CheckForDuplicates(ui::ListBox& list) {
  bool collide = false;
  {
    ui::ScreenHourglass hourglass(Ctx());
    Ctx().DoEvents();
    std::vector<RenameLine> targets;
    targets.reserve(static_cast<std::size_t>(list.ListCount()));
    for (int i = 0; i < list.ListCount(); ++i)
      targets.push_back({core::GetFolder(lstMainList.List(i)), "", list.List(i)});
    collide = HasCollidingTargets(targets);
  }
  if (!collide) return;
  BadFlag = core::kTrue;
  Alert("FileName Collisions Detected, can't rename.", ui::MsgIcon::kInformation);
}

bool frmFileRenamer::AskAboutExistingTargets(const std::vector<RenameLine>& lines, bool& asked) {
  platform::FileSystem& fs = app_.Services().fileSystem;
  for (const RenameLine& line : lines) {
    if (!line.Changed() || core::PathFileExists(fs, line.NewPath()) == 0) continue;
    BadFlag = core::kTrue;
    asked = true;
    ui::MsgAnswer answer =
        Ctx().MsgBox({.text = "The file\r\n" + line.NewPath() +
                              "\r\nalready exists.. (Collision Detected)\r\n\r\nWould you like to continue?",
                      .title = std::string(core::kAppTitle),
                      .buttons = ui::MsgButtons::kYesNo,
                      .icon = ui::MsgIcon::kExclamation,
                      .defaultButton = 2});
    if (answer == ui::MsgAnswer::kNo) return false;
  }
  return true;
}

// A line takes its new name only when its file got it. While a changed line is left with its
// old name, the preview and "&Finalize It!" stay, so a second press renames what is left.
void frmFileRenamer::RenameAndFollowTheDisk(const std::vector<RenameLine>& lines) {
  RenameRun run = RenameChangedFiles(app_.Services().fileSystem, lines,
                                     [this](const std::string& text) { Alert(text, ui::MsgIcon::kExclamation); });
  std::vector<std::string> names;
  names.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    names.push_back(run.outcomes[i] == RenameOutcome::kRenamed ? lines[i].wanted : lines[i].current);
  }
  lstSource.SetItems(std::move(names));
  if (run.stop) Alert(core::ProcedureErrorText(*run.stop, "cmdDoIt_Click", "frmFileRenamer"), ui::MsgIcon::kNone);
  if (run.LeftUnrenamed()) return;
  lstDestination.Clear();
  cmdDoIt.SetEnabled(false);
  cmdReplace2Compound.SetEnabled(false);
}

void frmFileRenamer::lstDestination_DblClick() {
  int line = lstDestination.ListIndex();
  if (line < 0) return;
  frmFileRenamerManual& manual = app_.frmFileRenamerManual();
  manual.tbFileName.SetText(lstDestination.List(line));
  manual.Show(ui::ShowMode::kModal, this);
}

// The queue given back in its order, each file in its folder under the name it has now.
void frmFileRenamer::Form_Unload() {
  mainwindow::frmMain& main = app_.frmMain();
  std::vector<std::string> queue;
  queue.reserve(static_cast<std::size_t>(lstSource.ListCount()));
  for (int i = 0; i < lstSource.ListCount(); ++i)
    queue.push_back(core::GetFolder(lstMainList.List(i)) + lstSource.List(i));
  main.List1.SetItems(std::move(queue));
  main.File1.Refresh();
  main.UpdateQueueControls();
}

}  // namespace filetools

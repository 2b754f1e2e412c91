// The main window's "&File Renamer": the queue cleaned and verified, a warning, then the
// renamer over the queue.
#include "app/app.h"
#include "core/app_title.h"
#include "filetools/frm_file_renamer.h"
#include "mainwindow/frm_main.h"
#include "ui/busy_guard.h"
#include "ui/context.h"

namespace mainwindow {

namespace {

// The queue check before the renamer, under the busy guard. False when the check stopped the
// renamer or another long operation holds the guard.
bool VerifyForRenamer(frmMain& main) {
  ui::BusyGuard busy(main.Ctx());
  if (!busy) return false;
  main.settings.StopBatch = core::kFalse;
  main.VerifyQueueFiles();
  return main.settings.StopBatch != core::kTrue;
}

}  // namespace

// Refused, as "&Verify Files" is, while a build or another long operation lets events run:
// its check would run inside that operation and hold it still until it ended. The guard is
// let go before the renamer opens, whose own work takes it.
void frmMain::mnuRenamer_Click() {
  if (Ctx().Busy()) return;
  RemoveDuplicateItems(List1);
  if (!VerifyForRenamer(*this)) return;
  ui::MsgAnswer answer = Ctx().MsgBox({.text = "WARNING\r\n"
                                               "The Renamer function must be used with care!!\r\n"
                                               "\r\n"
                                               "--Use it at Your Own Risk--\r\n"
                                               "\r\n"
                                               "Please rename copies of your files, and\r\n"
                                               "keep the originals in a safe place.\r\n"
                                               "\r\n"
                                               "Continue?",
                                       .title = std::string(core::kAppTitle),
                                       .buttons = ui::MsgButtons::kOkCancel,
                                       .icon = ui::MsgIcon::kInformation,
                                       .defaultButton = 2});
  if (answer != ui::MsgAnswer::kOk) return;
  app_.frmFileRenamer().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

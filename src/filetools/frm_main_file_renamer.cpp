// The main window's "&File Renamer": the queue cleaned and verified, a warning, then the
// renamer over the queue.
#include "app/app.h"
#include "core/app_title.h"
#include "filetools/frm_file_renamer.h"
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::mnuRenamer_Click() {
  RemoveDuplicateItems(List1);
  StopBatch = core::kFalse;
  VerifyQueueFiles();
  if (StopBatch == core::kTrue) return;
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

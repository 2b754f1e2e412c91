// The main window's openers of the saved drawing lists window and the project prompt.
#include "app/app.h"
#include "filetools/frm_file_lists.h"
#include "filetools/frm_wdp_prompt.h"
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::WireFileListEvents() {
  cmdFileList.onClick = [this] { cmdFileList_Click(); };
  mnuFileLists.onClick = [this] { cmdFileList_Click(); };
}

// Save New needs a queue; after the window is put away its list (unless its close box
// unloaded it) and the queue's controls are brought up to date.
void frmMain::cmdFileList_Click() {
  filetools::frmFileLists& lists = app_.frmFileLists();
  lists.cmdSaveNew.SetEnabled(List1.ListCount() > 0);
  lists.Show(ui::ShowMode::kModal, this);
  if (lists.Loaded()) lists.File1.Refresh();
  UpdateQueueControls();
}

void frmMain::ShowWDPPrompt(const std::string& projectFile) {
  settings.WDPCurrentFile = projectFile;
  app_.frmWDPPrompt().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

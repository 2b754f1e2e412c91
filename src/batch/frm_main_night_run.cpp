// Tools > "&Night Run".
#include "app/app.h"
#include "batch/frm_night_run.h"
#include "mainwindow/frm_main.h"

namespace mainwindow {

// Modeless and without an owner, so it can stay open beside the main window all evening.
void frmMain::mnuNightRun_Click() {
  app_.frmNightRun().Show(ui::ShowMode::kModeless);
}

}  // namespace mainwindow

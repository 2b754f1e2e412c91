// Script > "&Create Batch Script in a Different Location".
#include "app/app.h"
#include "batch/frm_write_script_to_loc.h"
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::mnuOutputOther_Click() {
  app_.frmWriteScriptToLoc().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

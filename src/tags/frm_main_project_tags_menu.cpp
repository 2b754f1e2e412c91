// Tools > "Project Tag &Manager".
#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "tags/frm_project_tag_manager.h"

namespace mainwindow {

void frmMain::mnuProjectTagManager_Click() {
  app_.frmProjectTagManager().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

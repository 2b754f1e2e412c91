// The "Filter" buttons beside the drawing filter, the script filter and the Simple Mode
// filter. The dialog writes the chosen pattern into the box itself.
#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_pattern_list.h"

namespace mainwindow {

void frmMain::cmdFilterFormShow_Click() {
  app_.frmDWGFilter().tbFilter.SetText(tbDWGFilter.Text());
  app_.frmDWGFilter().Show(ui::ShowMode::kModal, this);
}

void frmMain::cmdFilterUserScriptShow_Click() {
  app_.frmSCRFilter().tbFilter.SetText(scrFilter.Text());
  app_.frmSCRFilter().Show(ui::ShowMode::kModal, this);
}

void frmMain::Command1_Click() {
  app_.frmSCRFilterSimple().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

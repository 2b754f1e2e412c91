// The main window's menu entries that open the small script wizards and the reset of
// AutoCAD's system variables; each window opens modally over the main window.
#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "ui/hourglass.h"
#include "wizards/frm_layout_wiz.h"
#include "wizards/frm_log_text_wiz.h"
#include "wizards/frm_mtext_snr.h"
#include "wizards/frm_page_setup_in_wiz.h"
#include "wizards/frm_purge_wiz.h"
#include "wizards/frm_rep_text_wiz.h"
#include "wizards/frm_report_limits_wiz.h"
#include "wizards/frm_reset_acad_sys_vars.h"
#include "wizards/frm_tb_wiz.h"

namespace mainwindow {

void frmMain::mnuCopyPageSetups_Click() {
  app_.frmPageSetupInWiz().Show(ui::ShowMode::kModal, this);
}

// The layout wizard fills 50 tag lists and reads its state file as it loads: the hourglass
// shows over the main window until the wizard is gone again.
void frmMain::mnuRenameLayoutTabs_Click() {
  ui::FormHourglass hourglass(*this);
  app_.frmLayoutWiz().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuPurgeWiz_Click() {
  app_.frmPurgeWiz().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuReportLimitsWiz_Click() {
  app_.frmReportLimitsWiz().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuReportTextWiz_Click() {
  app_.frmLOGTextWiz().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuRepTextWiz_Click() {
  app_.frmRepTextWiz().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuMTEXTSnR_Click() {
  app_.frmMtextSNR().Show(ui::ShowMode::kModal, this);
}

// The title block wizard fills 50 value lists when it loads: the hourglass shows meanwhile.
void frmMain::mnuTBWiz_Click() {
  ui::FormHourglass hourglass(*this);
  app_.frmTBWiz().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuResetAcadVars_Click() {
  app_.frmResetAcadSysVars().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

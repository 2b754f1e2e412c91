// Procedures of the main window whose real bodies are being written in their own
// subsystem's files. Each owner deletes its line here in the commit that adds the real one.
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::Form_Load() {}
void frmMain::Form_Unload() {}
void frmMain::SaveAllSettings() {}
void frmMain::FillOutFormatList() {}
void frmMain::SaveFavorites() {}
void frmMain::LoadRecentDir() {}
void frmMain::SaveSnapshot(std::int16_t) {}
void frmMain::LoadSnapshot(std::int16_t) {}
void frmMain::cbIncludeDebugComments_Click() {}
void frmMain::chkIncludeStatus_Click() {}
void frmMain::chkDelay_Click() {}
void frmMain::chkSaveAS_Click() {}
void frmMain::chkTestRun_Click() {}
void frmMain::cmdClear_Click() {}
void frmMain::cmdCloseDefault_Click() {}
void frmMain::cmdSDIDefault_Click() {}
void frmMain::cmdSettingsEditor_Click() {}
void frmMain::cmdOUTBrowse_Click() {}
void frmMain::lblFilesProcessed_Click() {}
void frmMain::mnuSaveSettings_Click() {}

}  // namespace mainwindow

// Procedures of the main window whose real bodies are being written in their own
// subsystem's files. Each owner deletes its line here in the commit that adds the real one.
#include "mainwindow/frm_main.h"

namespace mainwindow {

void frmMain::cmdSettingsEditor_Click() {}

}  // namespace mainwindow

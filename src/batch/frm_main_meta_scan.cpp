#include "mainwindow/frm_main.h"

namespace mainwindow {

// No META command is applied: a script changes no option of the main window.
void frmMain::ScanForMetaCommands(std::int16_t) {}

}  // namespace mainwindow

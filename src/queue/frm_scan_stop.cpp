#include "queue/frm_scan_stop.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"

namespace queue {

frmScanStop::frmScanStop(app::App& app) : Form(app.Ctx(), "frmScanStop"), app_(app) {
  SetCaption(" Scanning...");
  SetBorderStyle(ui::BorderStyle::kFixedToolWindow);
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  // An operation over before "&Stop" could be reached never shows the window.
  SetAppearDelay(500);
  Move(0, 0, 3900, 1545);
  lblScanned.SetCaption("Preparing...");
  lblScanned.SetAlignment(ui::Alignment::kCenter);
  lblScanned.Move(120, 120, 3540, 255);
  cmdCancel.SetCaption("&Stop");
  cmdCancel.SetCancel(true);
  cmdCancel.Move(1305, 540, 1215, 375);

  onLoad = [this] { Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmScanStop::Form_Load() {
  app_.frmMain().settings.STOPSCAN = 0;
}

void frmScanStop::cmdCancel_Click() {
  app_.frmMain().settings.STOPSCAN = 1;
  Ctx().DoEvents();
}

// The window stays for the operation that showed it: its close box asks the operation to
// stop, as the Stop button does, and the operation hides the window when it ends.
void frmScanStop::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  if (mode != ui::UnloadMode::kFormControlMenu) return;
  cancel = true;
  cmdCancel_Click();
}

}  // namespace queue

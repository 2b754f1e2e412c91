#include "queue/frm_dir_wide_browser.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "queue/drive_fallback.h"
#include "runtime/error.h"

namespace queue {

frmDirWideBrowser::frmDirWideBrowser(app::App& app) : Form(app.Ctx(), "frmDirWideBrowser"), app_(app) {
  SetCaption(" Wide Directory Browser");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 10230, 5070);
  Drive1.Move(120, 120, 9900, 315);
  Dir1.Move(120, 510, 9900, 3690);
  cmdClose.SetCaption("&Ok");
  cmdClose.SetDefault(true);
  cmdClose.Move(8805, 4290, 1215, 375);

  onActivate = [this] { Form_Activate(); };
  Drive1.onChange = [this] { Drive1_Change(); };
  Dir1.onChange = [this] { Dir1_Change(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
}

// Opens on the main window's folder; the drive box keeps its own drive.
void frmDirWideBrowser::Form_Activate() {
  Dir1.SetPath(app_.frmMain().Dir1.Path());
}

// The wide list and then the main window's list go to the drive. A drive that does not answer
// falls back to C: (one message), and the main window's list still follows the wide one.
void frmDirWideBrowser::Drive1_Change() {
  try {
    ChangeDriveWithFallback(Ctx(), Drive1, driveFallingBack_, [this] { Dir1.SetPath(Drive1.Drive()); });
    app_.frmMain().Dir1.SetPath(Dir1.Path());
  } catch (const runtime::Error&) {
    return;
  }
}

void frmDirWideBrowser::Dir1_Change() {
  app_.frmMain().Dir1.SetPath(Dir1.Path());
}

void frmDirWideBrowser::cmdClose_Click() {
  Hide();
}

}  // namespace queue

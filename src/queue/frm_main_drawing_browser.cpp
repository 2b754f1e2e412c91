#include "mainwindow/frm_main.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

constexpr int kDeviceUnavailable = 68;

}  // namespace

// A new drive points the folder list at it. A drive that does not answer (no medium) sends
// the browser back to drive C: and says so.
void frmMain::Drive1_Change() {
  try {
    Dir1.SetPath(Drive1.Drive());
  } catch (const runtime::Error& e) {
    if (e.Number() != kDeviceUnavailable) return;
    try {
      Drive1.SetDrive("c:\\");
    } catch (const runtime::Error&) {
    }
    Ctx().SetScreenPointer(ui::Pointer::kDefault);
    Ctx().MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
  }
}

// The file list and, while it follows the drawing folder, the script list move along.
void frmMain::Dir1_Change() {
  File1.SetPath(Dir1.Path());
  UpdateQueueControls();
  if (chkProjDir.Value() == ui::kChecked) File2.SetPath(File1.Path());
}

// The filter text is the file list's pattern and the stored drawing pattern. Each step goes
// on whatever the one before did.
void frmMain::tbDWGFilter_Change() {
  try {
    File1.SetPattern(tbDWGFilter.Text());
  } catch (const runtime::Error&) {
  }
  DWGPattern = tbDWGFilter.Text();
  cmdAddAll.SetEnabled(File1.ListCount() > 0);
}

}  // namespace mainwindow

// The main window's entries for the drawing version tools and the combine tool.
#include "app/app.h"
#include "core/app_title.h"
#include "core/procedure_error.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "filetools/dwg_version.h"
#include "filetools/frm_combine_text_files.h"
#include "filetools/frm_dwg_rev_scan.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "ui/busy_guard.h"

namespace mainwindow {

void frmMain::WireDwgVersionMenus() {
  mnuDWGRevScan.onClick = [this] { mnuDWGRevScan_Click(); };
  mnuCombineText.onClick = [this] { mnuCombineText_Click(); };
  mnuReportDWGVersion.onClick = [this] { ReportQueueDWGVersions(); };
  mnuReportDWGVersions.onClick = [this] { ReportQueueDWGVersions(); };
}

void frmMain::mnuDWGRevScan_Click() {
  app_.frmDWGRevScan().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuCombineText_Click() {
  app_.frmCombineTextFiles().Show(ui::ShowMode::kModal, this);
}

// One line a queued drawing, "<release>, <path>", no header. The report replaces the earlier
// one in one step, so a failure leaves that one whole; the failure is shown with the path and
// the editor is not started. Refused while a build or another long operation lets events run:
// reading every queued drawing would hold that operation still.
void frmMain::ReportQueueDWGVersions() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  settings.Queue.clear();
  for (int i = 0; i < List1.ListCount(); ++i) settings.Queue.push_back(List1.List(i));
  const std::string path =
      Ctx().App().path + "\\DATA\\" + core::GetUserNameClean(Ctx().Services().system) + "-DWGVersion.csv";
  SetMousePointer(ui::Pointer::kHourglass);
  std::string report;
  for (const std::string& entry : settings.Queue) {
    report += filetools::ReturnDWGFileREV(app_, entry);
    report += ", ";
    report += entry;
    report += "\r\n";
  }
  bool written = true;
  try {
    core::WriteFileSafely(Ctx().Services().fileSystem, path, report);
  } catch (const runtime::Error& error) {
    written = false;
    Ctx().MsgBox({.text = core::ErrorText(error) + " ReportQueueDWGVersions - \r\n" + path,
                  .title = std::string(core::kAppTitle)});
  }
  settings.Queue.clear();
  SetMousePointer(ui::Pointer::kArrow);
  if (written) OpenInTextEditor(path);
}

}  // namespace mainwindow

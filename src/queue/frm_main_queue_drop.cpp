// Files, folders and path lists dropped on the queue from the shell.
#include <string>
#include <vector>

#include "app/app.h"
#include "core/path_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_scan_stop.h"
#include "queue/queue_drop.h"
#include "runtime/error.h"
#include "runtime/wildcard.h"
#include "ui/busy_guard.h"
#include "ui/hourglass.h"

namespace mainwindow {

// Each dropped path in the order of the drop: a folder adds its matching files at every
// depth, a path the filter takes is queued itself, a ".TXT" path list adds the drawings it
// lists; anything else is passed over. Nothing is compared with the queue. A folder's scan
// lets events run, so the drop holds the queue until its last path is in; the sort after it
// takes the queue itself. The stop window counts the files of this drop.
void frmMain::List1_OLEDragDrop(const std::vector<std::string>& paths) {
  {
    ui::BusyGuard busy(Ctx());
    if (!busy) return;
    app_.ScanFileCount = 0;
    const runtime::WildcardPatternList filter(tbDWGFilter.Text());
    for (const std::string& path : paths) AddDroppedPath(path, filter);
  }
  AfterAddSteps();
  ClearLoadedListMarker();
}

void frmMain::AddDroppedPath(const std::string& path, const runtime::WildcardPatternList& filter) {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  switch (queue::ClassifyDrop(core::PathIsFolder(fs, path) != 0, path, filter)) {
    case queue::DropKind::kFolder:
      AddDroppedFolder(path);
      break;
    case queue::DropKind::kDrawing:
      List1.AddItem(path);
      break;
    case queue::DropKind::kPathList: {
      // A list that cannot be read adds nothing; the drop goes on with the next path.
      std::vector<std::string> lines;
      try {
        lines = core::ReadLineList(fs, path);
      } catch (const runtime::Error&) {
        return;
      }
      List1.AddItems(queue::PathListEntries(lines, settings.DWGPattern));
      break;
    }
    case queue::DropKind::kIgnored:
      break;
  }
}

// The folder's scan shows its count in the stop window, whose Stop ends this folder's scan.
void frmMain::AddDroppedFolder(const std::string& folder) {
  ui::FormHourglass hourglass(*this);
  app_.frmScanStop().Show(ui::ShowMode::kModeless);
  settings.STOPSCAN = 0;
  try {
    AddFilesRecursive(folder, tbDWGFilter.Text(), List1);
  } catch (...) {
    app_.frmScanStop().Hide();
    throw;
  }
  app_.frmScanStop().Hide();
}

}  // namespace mainwindow

// Files, folders and path lists dropped on the queue from the shell.
#include <string>
#include <vector>

#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "queue/queue_drop.h"
#include "runtime/error.h"
#include "runtime/text_file.h"
#include "runtime/wildcard.h"

namespace mainwindow {

// Each dropped path in the order of the drop: a folder adds its matching files at every
// depth, a path the filter takes is queued itself, a ".TXT" path list adds the drawings it
// lists; anything else is passed over. Nothing is compared with the queue.
void frmMain::List1_OLEDragDrop(const std::vector<std::string>& paths) {
  if (Ctx().Busy()) return;
  const runtime::WildcardPatternList filter(tbDWGFilter.Text());
  for (const std::string& path : paths) AddDroppedPath(path, filter);
  AfterAddSteps();
  ClearLoadedListMarker();
}

void frmMain::AddDroppedPath(const std::string& path, const runtime::WildcardPatternList& filter) {
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  switch (queue::ClassifyDrop(core::PathIsFolder(fs, path) != 0, path, filter)) {
    case queue::DropKind::kFolder:
      break;
    case queue::DropKind::kDrawing:
      List1.AddItem(path);
      break;
    case queue::DropKind::kPathList: {
      // A list that cannot be read adds nothing; the drop goes on with the next path.
      std::vector<std::string> lines;
      try {
        lines = runtime::ReadLineList(fs, path);
      } catch (const runtime::Error&) {
        return;
      }
      for (std::string& entry : queue::PathListEntries(lines, DWGPattern)) List1.AddItem(std::move(entry));
      break;
    }
    case queue::DropKind::kIgnored:
      break;
  }
}

}  // namespace mainwindow

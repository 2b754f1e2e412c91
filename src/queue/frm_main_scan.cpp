// The recursive folder scans and the "+" button that adds a whole folder tree to the queue.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "core/file_helpers.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_scan_stop.h"
#include "queue/name_filter.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/busy_guard.h"
#include "ui/hourglass.h"

namespace mainwindow {

namespace {

std::string WithBackslash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

bool IsFolder(const platform::DirEntry& entry) {
  return (entry.attributes & platform::kAttrDirectory) != 0;
}

using AddPaths = std::function<void(std::vector<std::string>)>;

// The paths a scan found and has not yet handed to the list: they go in one step per
// folder, so a list window shows a long folder once instead of once per file.
struct TreeScan {
  app::App& app;
  const queue::NameFilter& filter;
  const AddPaths& addPaths;
  platform::FileSystem& fs;
  std::vector<std::string> found;

  void Flush() {
    if (found.empty()) return;
    addPaths(std::move(found));
    found.clear();
  }
};

// Depth first, in search order; events run after every entry, and a Stop ends the scan at
// every depth. Junctions and links are not entered (core::EntersFolder).
void ScanTree(TreeScan& scan, const std::string& folder) {
  ui::Context& ctx = scan.app.Ctx();
  mainwindow::frmMain& main = scan.app.frmMain();
  ctx.DoEvents();
  // A Stop left from an earlier operation (the caller did not clear it) ends the scan before
  // anything is added.
  if (main.settings.STOPSCAN == 1) return;
  const std::string path = WithBackslash(folder);
  for (const platform::DirEntry& entry : core::TreeScanEntries(scan.fs, path)) {
    const std::string name = core::StripNulls(entry.name);
    if (IsFolder(entry)) {
      if (core::EntersFolder(entry)) {
        scan.Flush();
        ScanTree(scan, path + name);
      }
    } else if (scan.filter.Takes(name)) {
      scan.found.push_back(path + name);
      ++scan.app.ScanFileCount;
      scan.app.frmScanStop().lblScanned.SetCaption(std::to_string(scan.app.ScanFileCount) + " files found");
    }
    ctx.DoEvents();
    if (main.settings.STOPSCAN == 1) break;
  }
  scan.Flush();
}

void ScanFiles(app::App& app, const std::string& folder, const std::string& pattern, const AddPaths& addPaths) {
  ui::Context& ctx = app.Ctx();
  const queue::NameFilter filter(pattern);
  TreeScan scan{app, filter, addPaths, ctx.Services().fileSystem, {}};
  ui::ScreenHourglass hourglass(ctx);
  ScanTree(scan, folder);
}

// The titles of the folder's own files: a title names a template of that folder.
void ScanTitles(app::App& app, const std::string& folder, const std::string& pattern,
                const std::function<void(std::string)>& append) {
  app.Ctx().DoEvents();
  const queue::NameFilter filter(runtime::LowerCase(pattern));
  const std::string path = WithBackslash(folder);
  for (const platform::DirEntry& entry : core::TreeScanEntries(app.Ctx().Services().fileSystem, path)) {
    const std::string name = runtime::LowerCase(core::StripNulls(entry.name));
    if (IsFolder(entry) || name.size() <= 4 || !filter.Takes(name)) continue;
    append(runtime::UpperCase(name.substr(0, name.size() - 4)));
    ++app.ScanFileCount;
  }
}

}  // namespace

void frmMain::AddFilesRecursive(const std::string& folder, const std::string& pattern, ui::ListBox& list) {
  ScanFiles(app_, folder, pattern, [&list](std::vector<std::string> paths) { list.AddItems(std::move(paths)); });
}

void frmMain::AddFilesRecursive(const std::string& folder, const std::string& pattern, ui::ComboBox& list) {
  ScanFiles(app_, folder, pattern, [&list](std::vector<std::string> paths) {
    for (std::string& path : paths) list.AddItem(std::move(path));
  });
}

void frmMain::AddFileTitlesRecursive(const std::string& folder, const std::string& pattern, ui::ListBox& list) {
  ScanTitles(app_, folder, pattern, [&list](std::string title) { list.AddItem(std::move(title)); });
}

void frmMain::AddFileTitlesRecursive(const std::string& folder, const std::string& pattern, ui::ComboBox& list) {
  ScanTitles(app_, folder, pattern, [&list](std::string title) { list.AddItem(std::move(title)); });
}

// "+": every matching file of the browser's folder tree goes to the end of the queue. The
// after-add steps (refresh, sort, the script's META commands) run once the scan has ended.
// The stop window shows the final count, then goes before the message, which would otherwise
// cover it below its title bar with the count it painted last.
void frmMain::cmdAddAllSub_Click() {
  {
    ui::BusyGuard busy(Ctx());
    if (!busy) return;
    app_.ScanFileCount = 0;
    app_.frmScanStop().Show(ui::ShowMode::kModeless);
    settings.STOPSCAN = 0;
    try {
      AddFilesRecursive(Dir1.Path(), tbDWGFilter.Text(), List1);
    } catch (...) {
      app_.frmScanStop().Hide();
      throw;
    }
    Ctx().DoEvents();
    app_.frmScanStop().Hide();
    Ctx().MsgBox({.text = std::to_string(app_.ScanFileCount) + " Files Added to Queue.",
                  .title = "Scan Complete",
                  .buttons = ui::MsgButtons::kOk});
    settings.STOPSCAN = 0;
    ClearLoadedListMarker();
  }
  AfterAddSteps();
}

void frmMain::WireQueueOrderEvents() {
  cmdAddAllSub.onClick = [this] { cmdAddAllSub_Click(); };

  mnuAscending2.onClick = [this] { mnuAscending2_Click(); };
  mnuDescending2.onClick = [this] { mnuDescending2_Click(); };
  mnuSmartSort2.onClick = [this] { mnuSmartSort2_Click(); };
  mnuReverseOrder2.onClick = [this] { mnuReverseOrder2_Click(); };
  mnuRemoveDuplicates.onClick = [this] { mnuRemoveDuplicates_Click(); };

  mnuSortAscending.onClick = [this] { mnuSortAscending_Click(); };
  mnuSortDescending.onClick = [this] { mnuSortDescending_Click(); };
  mnuSmartSort.onClick = [this] { mnuSmartSort_Click(); };
  mnuReverseOrder.onClick = [this] { mnuReverseOrder_Click(); };
  mnuTextLarger.onClick = [this] { mnuTextLarger_Click(); };
  mnuTextSmaller.onClick = [this] { mnuTextSmaller_Click(); };
  mnuQueueUpperCase.onClick = [this] { mnuQueueUpperCase_Click(); };
  mnuQueueLowerCase.onClick = [this] { mnuQueueLowerCase_Click(); };
  mnuRemoveDuplicates2.onClick = [this] { mnuRemoveDuplicates2_Click(); };

  mnuCopyListtoClip.onClick = [this] { mnuCopyListtoClip_Click(); };
  mnuCopyWithExt.onClick = [this] { mnuCopyWithExt_Click(); };
  mnuCopyWOExtension.onClick = [this] { mnuCopyWOExtension_Click(); };
  mnuCopyClipCSV.onClick = [this] { mnuCopyClipCSV_Click(); };
  mnuCopySelectedtoClip.onClick = [this] { mnuCopySelectedtoClip_Click(); };
  mnuCopySelFilewithExt.onClick = [this] { mnuCopySelFilewithExt_Click(); };
  mnuCopySelFileWOExt.onClick = [this] { mnuCopySelFileWOExt_Click(); };
  mnuCopySelFileCSV.onClick = [this] { mnuCopySelFileCSV_Click(); };
}

}  // namespace mainwindow

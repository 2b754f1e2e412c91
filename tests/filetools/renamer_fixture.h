#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "batch/frm_file_error_report.h"
#include "filetools/frm_file_renamer.h"
#include "filetools/frm_file_renamer_manual.h"
#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"

namespace test {

// The program with drawings in C:\R (a.dwg, b.dwg, c.dwg) and the renamer over a queue.
class RenamerFixture : public ProgramFixture {
 protected:
  static constexpr const char* kVerified = "All Files in Queue are Available to be renamed.";

  RenamerFixture() {
    fileSystem.AddFolder("C:\\R");
    for (const char* name : {"a.dwg", "b.dwg", "c.dwg"}) fileSystem.AddFile(std::string("C:\\R\\") + name, name);
  }

  mainwindow::frmMain& Main() { return app.frmMain(); }

  void SetQueue(const std::vector<std::string>& paths) {
    Main().List1.Clear();
    for (const std::string& path : paths) Main().List1.AddItem(path);
    Main().UpdateQueueControls();
  }

  // The renamer opened over the queue, shown as the menu shows it (after a clean check).
  filetools::frmFileRenamer& Open(const std::vector<std::string>& paths) {
    SetQueue(paths);
    ExpectMessage("Files Verified", kVerified).Icon(ui::MsgIcon::kExclamation);
    filetools::frmFileRenamer& renamer = app.frmFileRenamer();
    renamer.Show(ui::ShowMode::kModeless, &Main());
    return renamer;
  }
  filetools::frmFileRenamer& OpenOnFolderR() { return Open({"C:\\R\\a.dwg", "C:\\R\\b.dwg", "C:\\R\\c.dwg"}); }

  // A preview the user arrived at (by rules and hand edits), ready to finalise.
  void SetPreview(filetools::frmFileRenamer& renamer, const std::vector<std::string>& names) {
    renamer.lstDestination.SetItems(names);
    renamer.cmdDoIt.SetEnabled(true);
  }

  static std::vector<std::string> Items(const ui::ListBox& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
  }
  std::vector<std::string> FilesInR() {
    std::vector<std::string> files;
    for (const platform::DirEntry& entry : fileSystem.Find("C:\\R\\*")) files.push_back(entry.name);
    std::sort(files.begin(), files.end());
    return files;
  }
};

}  // namespace test

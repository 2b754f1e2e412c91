#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "batch/frm_file_error_report.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_scan_stop.h"
#include "support/program_fixture.h"

namespace test {

// The program over a queue of drawings in every state the queue check tells apart.
class VerifyFixture : public ProgramFixture {
 protected:
  static constexpr const char* kNormal = "C:\\Jobs\\A-100.dwg";
  static constexpr const char* kMissing = "C:\\Jobs\\Missing.dwg";
  static constexpr const char* kLocked = "C:\\Jobs\\Locked.dwg";
  static constexpr const char* kReadOnly = "C:\\Jobs\\ReadOnly.dwg";
  static constexpr const char* kLockedReadOnly = "C:\\Jobs\\Both.dwg";
  static constexpr const char* kMissingUnc = "\\\\server\\share\\Gone.dwg";
  static constexpr const char* kMissingOddName = "C:\\Jobs\\Plan #1 [A].dwg";
  static constexpr const char* kMissingRelative = "12.dwg";

  mainwindow::frmMain& Main() { return app.frmMain(); }
  batch::frmFileErrorReport& Report() { return app.frmFileErrorReport(); }

  // The fixture's files on disk, and a queue holding every one of them in the order above.
  void MakeFixtureQueue() {
    fileSystem.AddFile(kNormal, "AC1032");
    fileSystem.AddFile(kLocked, "AC1032");
    fileSystem.AddFile(kReadOnly, "AC1032", platform::kAttrReadOnly | platform::kAttrArchive);
    fileSystem.AddFile(kLockedReadOnly, "AC1032", platform::kAttrReadOnly);
    fileSystem.AddShare("\\\\server\\share");
    held_.push_back(fileSystem.HoldOpen(kLocked));
    held_.push_back(fileSystem.HoldOpen(kLockedReadOnly));
    SetQueue({kNormal, kMissing, kLocked, kReadOnly, kLockedReadOnly, kMissingUnc, kMissingOddName, kMissingRelative});
  }

  void SetQueue(const std::vector<std::string>& paths) {
    Main().List1.Clear();
    for (const std::string& path : paths) Main().List1.AddItem(path);
  }

  std::vector<std::string> QueueEntries() { return Entries(Main().List1); }
  std::vector<std::string> ReportEntries() { return Entries(Report().lstFileErrors); }

  static std::vector<std::string> Entries(const ui::ListBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
  }

  // Half a second passes at the given pump of the check: its stop window is due from then on
  // and appears before the next pump after a file.
  void CheckRunsLongAtPump(int pump) {
    AtPump(pump, [this] { clock.Advance(500); });
  }

  // Runs the menu entry "&Verify Files" as the user's choice.
  void ChooseVerifyFiles() {
    AsEvent([this] { Main().mnuVerifyFilesInQueue_Click(); });
  }
  // Runs the check the way a build does.
  void VerifyQueueFiles() {
    AsEvent([this] { Main().VerifyQueueFiles(); });
  }

  // The report the fixture queue gives, upper case for missing files, lower case for the
  // others, a locked read-only file twice.
  static std::vector<std::string> FixtureReport() {
    return {"C:\\JOBS\\MISSING.DWG", "c:\\jobs\\locked.dwg",        "c:\\jobs\\readonly.dwg",    "c:\\jobs\\both.dwg",
            "c:\\jobs\\both.dwg",    "\\\\SERVER\\SHARE\\GONE.DWG", "C:\\JOBS\\PLAN #1 [A].DWG", "12.DWG"};
  }

 private:
  std::vector<std::shared_ptr<void>> held_;
};

}  // namespace test

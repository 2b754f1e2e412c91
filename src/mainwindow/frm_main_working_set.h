#pragma once

#include <cstdint>
#include <string>

#include "core/load_steps.h"
#include "core/working_set.h"
#include "platform/settings_store.h"

namespace mainwindow {
class frmMain;
}

// The main window's side of the working-set and snapshot files: what it writes from its
// controls and how it restores them.
namespace core {

// The user name that names the per-user files, taken afresh each time.
std::string FileUserName(mainwindow::frmMain& main);
// The program folder and its DATA folder.
std::string ProgramFolder(mainwindow::frmMain& main);
std::string MainDataFolder(mainwindow::frmMain& main);

// The queue, the user script and its name as the main window shows them.
WorkingSet CurrentWorkingSet(const mainwindow::frmMain& main);

// Writes the working-set files; true when all were written. Failures are reported (see
// WriteDataFiles) and point the folder list back at the current folder.
bool WriteWorkingSet(mainwindow::frmMain& main);
// Writes the snapshot files of a page from the working set, the drive and the folder, then
// marks the user script as saved. True when all were written.
bool WriteSnapshot(mainwindow::frmMain& main, std::int16_t page);
// Restores the working set as the load does: appends the queue file's lines to the queue,
// puts the script file into the user script (a file of fewer than two characters leaves it
// as it is) and the name file's first line into the script name ("" when the file is
// missing or empty).
void RestoreWorkingSet(mainwindow::frmMain& main, LoadSteps& steps);

// Stores the active User Set page: Startup "Face".
void SaveFaceSetting(platform::SettingsStore& store, std::int16_t page);

}  // namespace core

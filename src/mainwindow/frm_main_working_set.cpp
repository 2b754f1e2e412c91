#include "mainwindow/frm_main_working_set.h"

#include <vector>

#include "core/data_files.h"
#include "core/store_bindings.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "runtime/convert.h"

namespace core {

namespace {

std::vector<std::string> QueueEntries(const mainwindow::frmMain& main) {
  std::vector<std::string> entries;
  for (int i = 0; i < main.List1.ListCount(); ++i) entries.push_back(main.List1.List(i));
  return entries;
}

// After a reported failure the folder list goes back to the current folder, as it always has.
std::function<void()> ResetFolderList(mainwindow::frmMain& main) {
  return [&main] {
    try {
      main.Dir1.SetPath("");
    } catch (const runtime::Error&) {
      // The current folder is always there; nothing more to do if it is not.
    }
  };
}

}  // namespace

std::string FileUserName(mainwindow::frmMain& main) {
  return GetUserNameClean(main.Ctx().Services().system);
}

std::string ProgramFolder(mainwindow::frmMain& main) {
  return main.Ctx().Services().system.ProgramFolder();
}

std::string MainDataFolder(mainwindow::frmMain& main) {
  return DataFolder(ProgramFolder(main));
}

WorkingSet CurrentWorkingSet(const mainwindow::frmMain& main) {
  return WorkingSet{QueueEntries(main), main.Text1.Text(), main.Text2.Text()};
}

bool WriteWorkingSet(mainwindow::frmMain& main) {
  auto files = WorkingSetFiles(MainDataFolder(main), FileUserName(main), CurrentWorkingSet(main));
  return WriteDataFiles(main.Ctx(), ProgramFolder(main), files, ResetFolderList(main));
}

bool WriteSnapshot(mainwindow::frmMain& main, std::int16_t page) {
  Snapshot snapshot{CurrentWorkingSet(main), main.Drive1.Drive(), main.Dir1.Path()};
  auto files = SnapshotFiles(MainDataFolder(main), FileUserName(main), page, snapshot);
  const bool written = WriteDataFiles(main.Ctx(), ProgramFolder(main), files, ResetFolderList(main));
  main.SCRChanged = kFalse;
  return written;
}

void RestoreWorkingSet(mainwindow::frmMain& main, LoadSteps& steps) {
  platform::FileSystem& fs = main.Ctx().Services().fileSystem;
  const std::string folder = MainDataFolder(main);
  const std::string user = FileUserName(main);
  auto exists = [&](std::string_view suffix) {
    return DataFileExists(main.Ctx(), folder, WorkingSetFileName(user, suffix));
  };
  auto path = [&](std::string_view suffix) { return InFolder(folder, WorkingSetFileName(user, suffix)); };

  steps.Step([&] {
    if (!exists(kQueueSuffix)) return;
    std::vector<std::string> lines = core::ReadLineList(fs, path(kQueueSuffix));
    if (!lines.empty()) main.Waste = lines.back();
    main.List1.AddItems(std::move(lines));
  });
  steps.Step([&] {
    if (!exists(kScriptSuffix)) return;
    if (auto script = core::ReadTextDump(fs, path(kScriptSuffix))) main.Text1.SetText(*script);
  });
  steps.Step([&] { main.Text2.SetText(exists(kNameSuffix) ? FirstLine(fs, path(kNameSuffix)) : std::string()); });
}

void SaveFaceSetting(platform::SettingsStore& store, std::int16_t page) {
  store.Write(std::string(kStoreApp), "Startup", "Face", runtime::IntegerToText(page));
}

}  // namespace core

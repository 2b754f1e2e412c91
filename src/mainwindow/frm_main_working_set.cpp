#include "mainwindow/frm_main_working_set.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/data_files.h"
#include "core/store_bindings.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "runtime/convert.h"
#include "runtime/text.h"
#include "ui/text_list.h"

namespace mainwindow {

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
  return core::GetUserNameClean(main.Ctx().Services().system);
}

std::string ProgramFolder(mainwindow::frmMain& main) {
  return main.Ctx().Services().system.ProgramFolder();
}

std::string MainDataFolder(mainwindow::frmMain& main) {
  return core::DataFolder(ProgramFolder(main));
}

core::WorkingSet CurrentWorkingSet(const mainwindow::frmMain& main) {
  return core::WorkingSet{QueueEntries(main), main.Text1.Text(), main.Text2.Text()};
}

bool WriteWorkingSet(mainwindow::frmMain& main) {
  auto files = core::WorkingSetFiles(MainDataFolder(main), FileUserName(main), CurrentWorkingSet(main));
  return core::WriteDataFiles(main.Ctx(), ProgramFolder(main), files, ResetFolderList(main));
}

bool WriteSnapshot(mainwindow::frmMain& main, std::int16_t page) {
  core::Snapshot snapshot{CurrentWorkingSet(main), main.Drive1.Drive(), main.Dir1.Path()};
  auto files = core::SnapshotFiles(MainDataFolder(main), FileUserName(main), page, snapshot);
  const bool written = core::WriteDataFiles(main.Ctx(), ProgramFolder(main), files, ResetFolderList(main));
  main.settings.SCRChanged = core::kFalse;
  return written;
}

void RestoreWorkingSet(mainwindow::frmMain& main, core::LoadSteps& steps) {
  platform::FileSystem& fs = main.Ctx().Services().fileSystem;
  const std::string folder = MainDataFolder(main);
  const std::string user = FileUserName(main);
  auto exists = [&](std::string_view suffix) {
    return core::DataFileExists(main.Ctx(), folder, core::WorkingSetFileName(user, suffix));
  };
  auto path = [&](std::string_view suffix) { return core::InFolder(folder, core::WorkingSetFileName(user, suffix)); };

  steps.Step([&] {
    if (!exists(core::kQueueSuffix)) return;
    // The file's text becomes the list's block of characters: a long queue is never held
    // twice, nor as a string object a line.
    ui::TextList lines = ui::TextList::FromLines(fs.ReadAll(path(core::kQueueSuffix)));
    main.List1.AddTexts(std::move(lines));
  });
  steps.Step([&] {
    if (!exists(core::kScriptSuffix)) return;
    if (auto script = core::ReadTextDump(fs, path(core::kScriptSuffix))) main.Text1.SetText(*script);
  });
  steps.Step([&] {
    main.Text2.SetText(exists(core::kNameSuffix) ? core::FirstLine(fs, path(core::kNameSuffix)) : std::string());
  });
}

void SaveFaceSetting(platform::SettingsStore& store, std::int16_t page) {
  store.Write(std::string(core::kStoreApp), "Startup", "Face", runtime::IntegerToText(page));
}

}  // namespace mainwindow

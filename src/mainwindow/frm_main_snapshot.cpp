// The five User Sets of the main window: each page keeps its own queue, user script, script
// name, drive and folder in snapshot files, saved when the user leaves the page and loaded
// when the user comes back to it.
#include <string>
#include <utility>
#include <vector>

#include "core/data_files.h"
#include "core/path_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_main_working_set.h"
#include "runtime/error.h"
#include "ui/text_list.h"

namespace mainwindow {

void frmMain::SaveSnapshot(std::int16_t page) {
  WriteSnapshot(*this, page);
}

// Loads as much of the page as its files allow: the queue always (empty when the page has
// no queue file); the script, name, drive and folder only while each file before them was
// there and readable.
void frmMain::LoadSnapshot(std::int16_t page) {
  List1.Clear();
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  const std::string folder = MainDataFolder(*this);
  const std::string user = FileUserName(*this);
  auto exists = [&](std::string_view suffix) {
    return core::DataFileExists(Ctx(), folder, core::SnapshotFileName(user, page, suffix));
  };
  auto path = [&](std::string_view suffix) {
    return core::InFolder(folder, core::SnapshotFileName(user, page, suffix));
  };
  try {
    if (exists(core::kQueueSuffix)) {
      ui::TextList lines = ui::TextList::FromLines(fs.ReadAll(path(core::kQueueSuffix)));
      List1.AddTexts(std::move(lines));
    }
    if (!exists(core::kScriptSuffix)) return;
    auto script = core::ReadTextDump(fs, path(core::kScriptSuffix));
    if (!script) return;
    Text1.SetText(*script);
    Text2.SetText(exists(core::kNameSuffix) ? core::FirstLine(fs, path(core::kNameSuffix)) : std::string());
    if (!exists(core::kPathSuffix)) return;
    std::vector<std::string> lines = core::ReadLineList(fs, path(core::kPathSuffix));
    if (lines.size() < 2) return;
    // A network folder needs no drive: the drive box keeps what it shows.
    if (!core::IsNetworkPath(lines[1])) Drive1.SetDrive(lines[0]);
    Dir1.SetPath(lines[1]);
  } catch (const runtime::Error&) {
    // A drive or folder that is gone, or a file that cannot be read: keep what was loaded.
  }
}

// The page switch. Choosing the page that is already active does nothing; this is also what
// the load relies on when it selects the stored page. When the current page cannot be saved
// the switch is abandoned after the message, so its work is never replaced by the new page.
void frmMain::optPage_Click(int index) {
  if (index == settings.Face) return;
  if (!WriteSnapshot(*this, settings.Face)) {
    if (optPage.Exists(settings.Face)) optPage[settings.Face].SetValue(true);
    return;
  }
  LoadSnapshot(static_cast<std::int16_t>(index));
  settings.Face = static_cast<std::int16_t>(index);
  gSetHorizontalExtent(List1);
  UpdateQueueControls();
}

}  // namespace mainwindow

#include "filetools/frm_file_lists.h"

#include <string>
#include <vector>

#include "app/app.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "core/procedure_error.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "core/working_set.h"
#include "filetools/file_lists.h"
#include "filetools/frm_file_list_rename.h"
#include "mainwindow/frm_main.h"
#include "runtime/error.h"
#include "ui/hourglass.h"

namespace filetools {

namespace {

constexpr int kShowNormal = 1;
constexpr const char* kForm = "frmFileLists";

}  // namespace

frmFileLists::frmFileLists(app::App& app) : Form(app.Ctx(), "frmFileLists"), app_(app) {
  SetCaption("File Lists");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 6120, 6690);

  Frame1.SetCaption("New File List Name");
  Frame1.Move(120, 120, 5715, 1215);
  txtbxListName.Move(120, 300, 5475, 315);
  cmdSaveNew.SetCaption("&Save New");
  cmdSaveNew.Move(120, 720, 1500, 375);
  cmdSavePersonalized.SetCaption("Save Personalized");
  cmdSavePersonalized.Move(1740, 720, 1800, 375);

  Frame2.SetCaption("Load Existing Drawing File List by Double-Clicking");
  Frame2.Move(120, 1440, 5715, 4095);
  File1.Move(120, 300, 4035, 2595);
  File1.SetPattern("*.lst");
  cmdView.SetCaption("&View");
  cmdView.Move(4275, 300, 1320, 375);
  cmdRename.SetCaption("&Rename");
  cmdRename.Move(4275, 780, 1320, 375);
  cmdDelete.SetCaption("&Delete");
  cmdDelete.Move(4275, 1260, 1320, 375);
  chkClearList.SetCaption("&Append to Existing Files in Queue");
  chkClearList.Move(120, 3015, 5475, 285);
  chkShowTXT.SetCaption("Show TXT Files");
  chkShowTXT.Move(120, 3375, 1935, 285);
  chkShowPersonal.SetCaption("Show Personal Only");
  chkShowPersonal.Move(2175, 3375, 2520, 285);
  SetSelectionButtons(false);
  cmdDelete.SetEnabled(true);

  cmdExit.SetCaption("&Close");
  cmdExit.SetDefault(true);
  cmdExit.Move(4635, 5655, 1200, 375);

  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  Frame2.onClick = [this] { Frame2_Click(); };
  chkShowPersonal.onClick = [this] { chkShowPersonal_Click(); };
  chkShowTXT.onClick = [this] { chkShowTXT_Click(); };
  File1.onClick = [this] { File1_Click(); };
  File1.onDblClick = [this] { File1_dblClick(); };
  cmdSaveNew.onClick = [this] { cmdSaveNew_Click(); };
  cmdSavePersonalized.onClick = [this] { cmdSavePersonalized_Click(); };
  cmdView.onClick = [this] { cmdView_Click(); };
  cmdRename.onClick = [this] { cmdRename_Click(); };
  cmdDelete.onClick = [this] { cmdDelete_Click(); };
  cmdExit.onClick = [this] { cmdExit_Click(); };
}

std::string frmFileLists::DataFolder() const {
  return core::DataFolder(Ctx().Services().system.ProgramFolder());
}

std::string frmFileLists::SelectedListPath() const {
  if (File1.ListIndex() < 0) return "";
  return core::InFolder(DataFolder(), File1.FileName());
}

// A missing DATA folder is not reported here; a save into it reports it.
void frmFileLists::Form_Load() {
  try {
    File1.SetPath(DataFolder());
  } catch (const runtime::Error&) {
    return;
  }
}

void frmFileLists::Form_Activate() {
  File1.Refresh();
}

void frmFileLists::Frame2_Click() {
  File1.Refresh();
}

void frmFileLists::SetSelectionButtons(bool enabled) {
  cmdView.SetEnabled(enabled);
  cmdRename.SetEnabled(enabled);
  cmdDelete.SetEnabled(enabled);
}

void frmFileLists::chkShowPersonal_Click() {
  if (chkShowPersonal.Value() == ui::kChecked) chkShowTXT.SetValue(ui::kUnchecked);
  File1.SetPattern(
      FileListPattern(chkShowPersonal.Value() == ui::kChecked, false, core::GetUserNameClean(Ctx().Services().system)));
  SetSelectionButtons(false);
}

void frmFileLists::chkShowTXT_Click() {
  if (chkShowTXT.Value() == ui::kChecked) chkShowPersonal.SetValue(ui::kUnchecked);
  File1.SetPattern(FileListPattern(false, chkShowTXT.Value() == ui::kChecked, ""));
  SetSelectionButtons(false);
}

void frmFileLists::File1_Click() {
  SetSelectionButtons(File1.ListIndex() >= 0);
}

void frmFileLists::cmdSaveNew_Click() {
  if (!txtbxListName.Text().empty()) SaveList(SharedListFileName(txtbxListName.Text()), "cmdSaveNew_Click");
  SetSelectionButtons(false);
}

void frmFileLists::cmdSavePersonalized_Click() {
  if (!txtbxListName.Text().empty()) {
    const std::string user = core::GetUserNameClean(Ctx().Services().system);
    SaveList(PersonalListFileName(user, txtbxListName.Text()), "cmdSavePersonalized_Click");
  }
  SetSelectionButtons(false);
}

// The queue is written whole through a temporary file, so a failure leaves an old list as it
// was. An empty queue never replaces a list that exists.
void frmFileLists::SaveList(const std::string& fileName, const char* procedure) {
  ui::FormHourglass hourglass(*this);
  if (!IsUsableFileName(fileName)) {
    Ctx().MsgBox({BadFileNameMessage(), "Tornavane Alert"});
    return;
  }
  mainwindow::frmMain& main = app_.frmMain();
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  const std::string path = core::InFolder(DataFolder(), fileName);
  try {
    if (main.List1.ListCount() == 0 && platform::Exists(fs, path)) {
      Ctx().MsgBox({"The Queue is empty, so \"" + fileName + "\" was not replaced.", Ctx().App().title});
      return;
    }
    const auto count = static_cast<std::size_t>(main.List1.ListCount());
    const auto entry = [&main](std::size_t i) { return main.List1.ListText(static_cast<int>(i)); };
    core::WriteFileSafely(fs, path, core::LineListText(count, entry));
    File1.Refresh();
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, procedure, kForm);
  }
}

void frmFileLists::cmdView_Click() {
  const std::string path = SelectedListPath();
  if (path.empty()) return;
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                      app_.frmMain().settings.TextEditor + " " + core::QuoteProgramPath(path), kShowNormal);
}

void frmFileLists::cmdRename_Click() {
  app_.frmFileListRename().Show(ui::ShowMode::kModal, this);
  SetSelectionButtons(false);
}

void frmFileLists::cmdDelete_Click() {
  const std::string path = SelectedListPath();
  if (!path.empty()) {
    try {
      Ctx().Services().fileSystem.DeleteFile(path);
    } catch (const runtime::Error& error) {
      core::ReportProcedureError(Ctx(), error, "cmdDelete_Click", kForm);
    }
    File1.Refresh();
  }
  SetSelectionButtons(false);
}

void frmFileLists::cmdExit_Click() {
  Hide();
  SetSelectionButtons(false);
}

void frmFileLists::File1_dblClick() {
  if (File1.ListIndex() < 0) return;
  LoadIntoQueue(File1.FileName());
}

// The whole list is read before the queue is touched: a list that cannot be read leaves the
// queue as it was. Then the steps after a load: build buttons, queue controls, the automatic
// sort, the loaded-list mark and the script's META commands, in that order.
void frmFileLists::LoadIntoQueue(const std::string& fileName) {
  ui::FormHourglass hourglass(*this);
  mainwindow::frmMain& main = app_.frmMain();
  std::vector<std::string> entries;
  try {
    entries = core::ReadLineList(Ctx().Services().fileSystem, core::InFolder(DataFolder(), fileName));
  } catch (const runtime::Error& error) {
    core::ReportProcedureError(Ctx(), error, "File1_dblClick", kForm);
    return;
  }
  if (chkClearList.Value() != ui::kChecked) main.List1.Clear();
  main.List1.AddItems(std::move(entries));
  Hide();
  if (!main.Text1.Text().empty()) {
    main.Command1_Compile.SetEnabled(true);
    main.cmdCreateAndRun.SetEnabled(true);
  }
  main.cmdRemoveAllDwg.SetEnabled(true);
  main.mnuReverseOrder.SetEnabled(true);
  main.mnuQueueUpperCase.SetEnabled(true);
  main.mnuQueueLowerCase.SetEnabled(true);
  if (main.settings.AutoSortEnabled == 1) main.PerformSort();
  main.SetLoadedListMarker(fileName);
  if (main.settings.METAEnabled == 1 && main.settings.METAImmediate == 1) main.ScanForMetaCommands(core::kTrue);
}

}  // namespace filetools

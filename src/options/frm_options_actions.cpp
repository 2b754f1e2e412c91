// The options dialog's buttons that act at once: the browse buttons, the checks made when
// the user leaves a box, the resets and the scripts backup.

#include "app/app.h"
#include "core/app_title.h"
#include "core/launch.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "options/options_values.h"
#include "options/pickers.h"
#include "options/web_links.h"
#include "queue/frm_dwg_preview.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace options {

namespace {

constexpr int kShowNormal = 1;
constexpr const char* kMessageTitle = "Tornavane Message";

void WriteAll(platform::SettingsStore& store, std::initializer_list<std::pair<const char*, const char*>> values) {
  for (const auto& [key, value] : values) store.Write(kSettingsApp, "Startup", key, value);
}

}  // namespace

void frmOptions::cmdBrowseAcadEXE_Click() {
  app_.frmAutoCADEXEBrowse().Show(ui::ShowMode::kModal, this);
}

void frmOptions::cmdBrowseSCRDir_Click() {
  try {
    app_.frmSCRDirSelect().Show(ui::ShowMode::kModal, this);
  } catch (const runtime::Error&) {
    return;
  }
}

void frmOptions::Command1_Click() {
  try {
    app_.frmTXTEDITORDirSelect().Show(ui::ShowMode::kModal, this);
  } catch (const runtime::Error&) {
    return;
  }
}

void frmOptions::cmdBrowseSCRIPTSDir_Click() {
  app_.frmBrowseSCRIPSDir().Show(ui::ShowMode::kModal, this);
}

void frmOptions::Label8_Click() {
  core::OpenWithShell(Ctx().Services().shell, 0, DwgGatewayPage());
}

// AutoCAD's switches all begin with "/".
void frmOptions::tbSwitches_LostFocus() {
  const std::string& text = tbSwitches.Text();
  if (text.empty() || text.front() == '/') return;
  Ctx().MsgBox(
      {"Switch box must be blank, or contain a valid Switch with Parameter.\r\n\r\n"
       "(See AutoCAD's help for more information on this feature)",
       std::string(core::kAppTitle), ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  if (tbSwitches.IsShown() && tbSwitches.IsEnabled()) tbSwitches.SetFocus();
}

// The batch script path must name the script file itself, not only its folder.
void frmOptions::Text1_LostFocus() {
  if (runtime::UpperCase(runtime::Right(Text1.Text(), 4)) == ".SCR") return;
  Ctx().MsgBox(
      {"Ooops.. Please confirm your path ends with the Tornavane batch output filename!\r\n"
       "  (eg. \\tornavane.scr)\r\n"
       "(Or use the BROWSE button, and Tornavane will set it for you...)",
       std::string(core::kAppTitle)});
}

// Deletes every section but the user tags and ends at once, so nothing is saved again.
void frmOptions::cmdResetRegistry_Click() {
  ui::MsgAnswer answer =
      Ctx().MsgBox({"By Pressing YES, you confirm that you want your Tornavane Registry settings reset.", kMessageTitle,
                    ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation, 2});
  if (answer != ui::MsgAnswer::kYes) return;
  platform::SettingsStore& store = Ctx().Services().settings;
  for (const char* section : {"Compatible", "Paths", "Programs", "Startup"}) {
    try {
      store.DeleteSection(kSettingsApp, section);
    } catch (const runtime::Error&) {
      continue;
    }
  }
  Ctx().MsgBox({"Reset Complete.... \r\n Tornavane will NOW SHUTDOWN ... THEN PLEASE RESTART TORNAVANE!", kMessageTitle,
                ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
  Ctx().End();
}

void frmOptions::cmdResetQPPos_Click() {
  WriteAll(Ctx().Services().settings, {{"QPLeft", "1000"},
                                       {"QPTop", "1000"},
                                       {"QPWidth", "1890"},
                                       {"QPHeight", "4110"},
                                       {"QPQueueLeft", "1000"},
                                       {"QPQueueTop", "1000"},
                                       {"QPQueueWidth", "2355"},
                                       {"QPQueueHeight", "4110"}});
}

void frmOptions::cmdResetSCREditPos_Click() {
  WriteAll(Ctx().Services().settings, {{"SCREditLeft", "0"}, {"SCREditTop", "0"}});
}

// A minimised or maximised window cannot be moved; the reset then leaves it alone.
void frmOptions::cmdResetAPPPos_Click() {
  mainwindow::frmMain& main = app_.frmMain();
  try {
    main.SetTop(200);
    main.SetLeft(200);
    main.SetHeight(9225);
    main.SetWidth(10455);
  } catch (const runtime::Error&) {
    return;
  }
}

// A shown preview goes away without storing where it was, so the reset position holds.
void frmOptions::cmdResetDWGPreviewPos_Click() {
  queue::frmDWGPreview* preview = app_.frmDWGPreviewIfLoaded();
  if (preview != nullptr && preview->Visible()) {
    Hide();
    preview->Hide();
    Show();
  }
  WriteAll(Ctx().Services().settings, {{"DWGPreviewLeft", "1000"}, {"DWGPreviewTop", "1000"}});
}

// Copies the SCRIPTS folder into BACKUP\<date and time>\SCRIPTS and says how it went.
void frmOptions::cmdBackup_Click() {
  platform::Services& services = Ctx().Services();
  std::string stamp = BackupStamp(services.clock.Now());
  ui::MsgAnswer answer = Ctx().MsgBox({"Back up the /SCRIPTS/ folder into /BACKUP/" + stamp + "/ now?", kMessageTitle,
                                       ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation, 2});
  if (answer != ui::MsgAnswer::kYes) return;

  const std::string& programFolder = Ctx().App().path;
  std::string source = programFolder + "\\SCRIPTS";
  std::string destination = programFolder + "\\BACKUP\\" + stamp;
  std::string failure;
  if (core::PathIsFolder(services.fileSystem, source) == 0) {
    failure = "There is no /SCRIPTS/ folder to back up:\r\n" + source;
  } else if (core::MakeFolderTree(services.fileSystem, destination, [] {}) == 0) {
    failure = "The backup folder could not be created:\r\n" + destination;
  } else {
    int result = -1;
    try {
      result = services.shell.CopyFolder(source, destination);
    } catch (const runtime::Error&) {
      result = -1;
    }
    if (result != 0) failure = "The /SCRIPTS/ folder could not be copied into:\r\n" + destination;
  }
  if (!failure.empty()) {
    Ctx().MsgBox({"Backup Failed.... \r\n" + failure, kMessageTitle, ui::MsgButtons::kOk, ui::MsgIcon::kCritical});
    return;
  }
  Ctx().MsgBox({"Backup Complete.... ", kMessageTitle, ui::MsgButtons::kOk, ui::MsgIcon::kExclamation});
}

void frmOptions::cmdExploreBackup_Click() {
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(),
                      "explorer.exe /n,/e, " + Ctx().App().path + "\\BACKUP\\", kShowNormal);
}

}  // namespace options

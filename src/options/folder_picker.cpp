#include "app/app.h"
#include "core/launch.h"
#include "mainwindow/frm_main.h"
#include "options/pickers.h"
#include "runtime/error.h"

namespace options {

namespace {

constexpr int kShowNormal = 1;
constexpr const char* kDriveNotResponding = "That Drive is not responding...\rPlease select another drive!";

}  // namespace

FolderPicker::FolderPicker(app::App& app, std::string name) : Form(app.Ctx(), std::move(name)), app_(app) {
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Drive1.onChange = [this] { Drive1_Change(); };
}

void FollowDrive(ui::DriveListBox& drive, ui::DirListBox& dir, const std::string& fallback, bool keepFolder,
                 bool& changing, const DriveFailureHooks& hooks) {
  // Going back to the fallback drive runs this again; a fallback that does not answer either
  // is left to the one message below.
  if (changing) {
    if (keepFolder) return;
    try {
      dir.SetPath(drive.Drive());
    } catch (const runtime::Error&) {
    }
    return;
  }
  try {
    dir.SetPath(drive.Drive());
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kDeviceUnavailable && error.Number() != runtime::kDiskNotReady) {
      if (hooks.otherFailure) hooks.otherFailure(error);
      return;
    }
    changing = true;
    try {
      drive.SetDrive(fallback);
    } catch (const runtime::Error&) {
      // No such drive either: the lists stay where they are.
    }
    changing = false;
    ui::Context& ctx = drive.Ctx();
    ctx.SetScreenPointer(ui::Pointer::kDefault);
    if (hooks.notResponding) {
      hooks.notResponding();
    } else {
      ctx.MsgBox({kDriveNotResponding, "Tornavane Alert"});
    }
  }
}

void FolderPicker::Drive1_Change() {
  const DriveFailureHooks hooks{[this] { SayDriveNotResponding(); },
                                [this](const runtime::Error& error) { DriveChangeFailed(error); }};
  if (fallBackToPrevious_) {
    FollowDrive(Drive1, Dir1, Dir1.Path(), true, changingDrive_, hooks);
  } else {
    FollowDrive(Drive1, Dir1, "c:\\", false, changingDrive_, hooks);
  }
}

void FolderPicker::SayDriveNotResponding() {
  Ctx().MsgBox({kDriveNotResponding, "Tornavane Alert"});
}

void FolderPicker::DriveChangeFailed(const runtime::Error&) {}

void FolderPicker::ExploreFolder() {
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(), "explorer.exe /n,/e, " + Dir1.Path(),
                      kShowNormal);
}

void FolderPicker::StartAtBrowser() {
  mainwindow::frmMain& main = app_.frmMain();
  try {
    Drive1.SetDrive(main.Drive1.Drive());
    Dir1.SetPath(main.Dir1.Path());
  } catch (const runtime::Error&) {
    return;
  }
}

}  // namespace options

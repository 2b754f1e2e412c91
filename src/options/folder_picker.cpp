#include "app/app.h"
#include "core/launch.h"
#include "options/pickers.h"
#include "runtime/error.h"

namespace options {

namespace {

constexpr int kShowNormal = 1;

}  // namespace

std::string FolderWithBackslash(std::string_view folder) {
  std::string text(folder);
  if (!text.ends_with('\\')) text += '\\';
  return text;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  while (name.starts_with('\\')) name.remove_prefix(1);
  return FolderWithBackslash(folder) + std::string(name);
}

std::string QuoteProgramPath(std::string_view path) {
  if (path.find(' ') == std::string_view::npos || path.starts_with('"')) return std::string(path);
  std::string quoted(1, '"');
  quoted.append(path);
  quoted.push_back('"');
  return quoted;
}

void FollowDrive(ui::Context& ctx, ui::DriveListBox& drive, ui::DirListBox& dir, bool& changing) {
  // Going back to drive C runs this again; a drive C that does not answer either is left to
  // the one message below.
  if (changing) {
    try {
      dir.SetPath(drive.Drive());
    } catch (const runtime::Error&) {
    }
    return;
  }
  try {
    dir.SetPath(drive.Drive());
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kDeviceUnavailable && error.Number() != runtime::kDiskNotReady) return;
    changing = true;
    try {
      drive.SetDrive("c:\\");
    } catch (const runtime::Error&) {
      // No drive C either: the lists stay where they are.
    }
    changing = false;
    ctx.SetScreenPointer(ui::Pointer::kDefault);
    ctx.MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
  }
}

FolderPicker::FolderPicker(app::App& app, std::string name) : Form(app.Ctx(), std::move(name)), app_(app) {
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Drive1.onChange = [this] { Drive1_Change(); };
}

void FollowDrive(ui::DriveListBox& drive, ui::DirListBox& dir, const std::string& fallback, bool keepFolder,
                 bool& changing) {
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
    if (error.Number() != runtime::kDeviceUnavailable && error.Number() != runtime::kDiskNotReady) return;
    changing = true;
    if (error.Number() != runtime::kDeviceUnavailable && error.Number() != runtime::kDiskNotReady) {
      DriveChangeFailed(error);
      return;
    }
    changingDrive_ = true;
    try {
      drive.SetDrive(fallback);
    } catch (const runtime::Error&) {
      // No such drive either: the lists stay where they are.
    }
    changing = false;
    ui::Context& ctx = drive.Ctx();
    ctx.SetScreenPointer(ui::Pointer::kDefault);
    ctx.MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
  }
}

void FolderPicker::Drive1_Change() {
  if (fallBackToPrevious_) {
    FollowDrive(Drive1, Dir1, Dir1.Path(), true, changingDrive_);
  } else {
    FollowDrive(Drive1, Dir1, "c:\\", false, changingDrive_);
  }
void FolderPicker::Drive1_Change() {
  FollowDrive(Ctx(), Drive1, Dir1, changingDrive_);
}

    changingDrive_ = false;
    Ctx().SetScreenPointer(ui::Pointer::kDefault);
    SayDriveNotResponding();
  }
}

void FolderPicker::SayDriveNotResponding() {
  Ctx().MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
}

void FolderPicker::DriveChangeFailed(const runtime::Error&) {}

void FolderPicker::ExploreFolder() {
  platform::Services& services = Ctx().Services();
  core::LaunchProgram(services.shell, services.fileSystem, Ctx().GetBackend(), "explorer.exe /n,/e, " + Dir1.Path(),
                      kShowNormal);
}

}  // namespace options

#include "app/app.h"
#include "core/launch.h"
#include "mainwindow/frm_main.h"
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

FolderPicker::FolderPicker(app::App& app, std::string name) : Form(app.Ctx(), std::move(name)), app_(app) {
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Drive1.onChange = [this] { Drive1_Change(); };
}

void FolderPicker::Drive1_Change() {
  // Going back to drive C runs this again; a drive C that does not answer either is left to
  // the one message below.
  if (changingDrive_) {
    try {
      Dir1.SetPath(Drive1.Drive());
    } catch (const runtime::Error&) {
    }
    return;
  }
  try {
    Dir1.SetPath(Drive1.Drive());
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kDeviceUnavailable && error.Number() != runtime::kDiskNotReady) return;
    changingDrive_ = true;
    try {
      Drive1.SetDrive("c:\\");
    } catch (const runtime::Error&) {
      // No drive C either: the lists stay where they are.
    }
    changingDrive_ = false;
    Ctx().SetScreenPointer(ui::Pointer::kDefault);
    Ctx().MsgBox({"That Drive is not responding...\rPlease select another drive!", "Tornavane Alert"});
  }
}

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

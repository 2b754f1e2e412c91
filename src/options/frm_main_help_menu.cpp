// The main window's menu entries that open the options and help windows and the project's
// web pages (opened with the main window as the owner of anything the shell shows).

#include "app/app.h"
#include "core/launch.h"
#include "mainwindow/frm_main.h"
#include "options/frm_about.h"
#include "options/frm_options.h"
#include "options/frm_tips.h"
#include "options/web_links.h"
#include "tags/frm_var_setup.h"
#include "ui/native_window.h"

namespace mainwindow {

void frmMain::mnuViewOptions_Click() {
  app_.frmOptions().ShowFromMenu(*this);
}

void frmMain::mnuUserTagManager_Click() {
  app_.frmVARSetup().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuReadmeh_Click() {
  core::OpenWithShell(app_.Services().shell, ui::NativeWindowOf(*this), options::SetupPage());
}

void frmMain::mnuOnlineFAQ_Click() {
  core::OpenWithShell(app_.Services().shell, ui::NativeWindowOf(*this), options::FaqPage());
}

void frmMain::mnuForum_Click() {
  core::OpenWithShell(app_.Services().shell, ui::NativeWindowOf(*this), options::ForumPage());
}

void frmMain::mnuSGenWWW2_Click() {
  core::OpenWithShell(app_.Services().shell, ui::NativeWindowOf(*this), options::HomePage());
}

void frmMain::mnuTipOfTheDay_Click() {
  app_.frmTips().Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuHelpAbout_Click() {
  app_.frmAbout().lblVersion.SetCaption("Version " + app_.AppVersion);
  app_.frmAbout().Show(ui::ShowMode::kModal, this);
}

}  // namespace mainwindow

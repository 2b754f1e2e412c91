// Every window of the program that is shown modally over a window other than the main window,
// with that owner closed first: the hidden window stays with its form (Windows destroys owned
// windows with their owner), and the next time the window is asked for it shows and blocks its
// new owner.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/app.h"
#include "app_win32/real_program.h"
#include "batch/frm_scr_complete.h"
#include "filetools/frm_file_list_rename.h"
#include "filetools/frm_file_lists.h"
#include "filetools/frm_file_renamer.h"
#include "filetools/frm_file_renamer_manual.h"
#include "filetools/frm_wdp_prompt.h"
#include "mainwindow/frm_code_selector.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_scr_edit.h"
#include "options/frm_options.h"
#include "options/pickers.h"
#include "platform/win32/win32_services.h"
#include "tags/frm_project_tag_manager.h"
#include "tags/frm_project_tag_manager_fs.h"
#include "tags/frm_var_setup.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "ui/win32/win32_form_peer.h"
#include "ui_win32/win32_input.h"
#include "wizards/frm_layout_wiz.h"
#include "wizards/frm_page_setup_in_wiz.h"
#include "wizards/frm_page_setup_wiz_select.h"
#include "wizards/frm_reset_acad_sys_vars.h"
#include "wizards/frm_tb_wiz.h"

namespace {

using app_win32_test::BoxAnswerer;
using app_win32_test::Program;

using FormOf = std::function<ui::Form&(app::App&)>;

struct Pair {
  const char* owned;
  FormOf ownedForm;
  const char* owner;
  FormOf ownerForm;
};

template <class T, T& (app::App::*accessor)()>
FormOf Touch() {
  return [](app::App& app) -> ui::Form& { return (app.*accessor)(); };
}

HWND WindowOf(const ui::Form& form, const ui::win32::Win32Backend& backend) {
  ui::win32::Win32FormPeer* peer = backend.FormPeerOf(form);
  return peer != nullptr ? peer->Hwnd() : nullptr;
}

// Shows the form modally over the owner and hides it from inside its loop; returns whether
// its window was shown and the owner blocked meanwhile.
bool ShowAndHide(ui::Form& form, ui::Form& owner, const ui::win32::Win32Backend& backend) {
  ui::win32::test_support::Later later;
  bool shown = false;
  later.Run([&] {
    HWND window = WindowOf(form, backend);
    shown = window != nullptr && IsWindowVisible(window) && !IsWindowEnabled(WindowOf(owner, backend));
    form.Hide();
  });
  form.Show(ui::ShowMode::kModal, &owner);
  return shown;
}

TEST(OwnedWindowsTest, AHiddenWindowOutlivesTheOwnerItWasShownWithAndShowsAgain) {
  using app::App;
  const Pair pairs[] = {
      {"frmOptions", Touch<options::frmOptions, &App::frmOptions>(), "frmWDPPrompt",
       Touch<filetools::frmWDPPrompt, &App::frmWDPPrompt>()},
      {"frmOptions", Touch<options::frmOptions, &App::frmOptions>(), "frmScrComplete",
       Touch<batch::frmScrComplete, &App::frmScrComplete>()},
      {"frmAutoCADEXEBrowse", Touch<options::frmAutoCADEXEBrowse, &App::frmAutoCADEXEBrowse>(), "frmOptions",
       Touch<options::frmOptions, &App::frmOptions>()},
      {"frmSCRDirSelect", Touch<options::frmSCRDirSelect, &App::frmSCRDirSelect>(), "frmOptions",
       Touch<options::frmOptions, &App::frmOptions>()},
      {"frmTXTEDITORDirSelect", Touch<options::frmTXTEDITORDirSelect, &App::frmTXTEDITORDirSelect>(), "frmOptions",
       Touch<options::frmOptions, &App::frmOptions>()},
      {"frmBrowseSCRIPSDir", Touch<options::frmBrowseSCRIPSDir, &App::frmBrowseSCRIPSDir>(), "frmOptions",
       Touch<options::frmOptions, &App::frmOptions>()},
      {"frmOptions", Touch<options::frmOptions, &App::frmOptions>(), "frmResetAcadSysVars",
       Touch<wizards::frmResetAcadSysVars, &App::frmResetAcadSysVars>()},
      {"frmFileListRename", Touch<filetools::frmFileListRename, &App::frmFileListRename>(), "frmFileLists",
       Touch<filetools::frmFileLists, &App::frmFileLists>()},
      {"frmFileRenamerManual", Touch<filetools::frmFileRenamerManual, &App::frmFileRenamerManual>(), "frmFileRenamer",
       Touch<filetools::frmFileRenamer, &App::frmFileRenamer>()},
      {"frmPageSetupWizSelect", Touch<wizards::frmPageSetupWizSelect, &App::frmPageSetupWizSelect>(),
       "frmPageSetupInWiz", Touch<wizards::frmPageSetupInWiz, &App::frmPageSetupInWiz>()},
      {"frmVARSetup", Touch<tags::frmVARSetup, &App::frmVARSetup>(), "frmTBWiz",
       Touch<wizards::frmTBWiz, &App::frmTBWiz>()},
      {"frmVARSetup", Touch<tags::frmVARSetup, &App::frmVARSetup>(), "frmLayoutWiz",
       Touch<wizards::frmLayoutWiz, &App::frmLayoutWiz>()},
      {"frmVARSetup", Touch<tags::frmVARSetup, &App::frmVARSetup>(), "frmSCREdit",
       Touch<mainwindow::frmSCREdit, &App::frmSCREdit>()},
      {"frmProjectTagManager", Touch<tags::frmProjectTagManager, &App::frmProjectTagManager>(), "frmSCREdit",
       Touch<mainwindow::frmSCREdit, &App::frmSCREdit>()},
      {"frmLispSelector", Touch<mainwindow::frmCodeSelector, &App::frmLispSelector>(), "frmSCREdit",
       Touch<mainwindow::frmSCREdit, &App::frmSCREdit>()},
      {"frmVBAselector", Touch<mainwindow::frmCodeSelector, &App::frmVBAselector>(), "frmSCREdit",
       Touch<mainwindow::frmSCREdit, &App::frmSCREdit>()},
      {"frmProjectTagManagerFS", Touch<tags::frmProjectTagManagerFS, &App::frmProjectTagManagerFS>(),
       "frmProjectTagManager", Touch<tags::frmProjectTagManager, &App::frmProjectTagManager>()},
  };
  for (const Pair& pair : pairs) {
    Program program;
    BoxAnswerer answerer;
    app::App& app = program.app;
    app.frmMain().Show();
    auto shownOwner = [&]() -> ui::Form& {
      ui::Form& owner = pair.ownerForm(app);
      owner.Show(ui::ShowMode::kModeless, &app.frmMain());
      return owner;
    };
    const std::string what = std::string(pair.owned) + " over " + pair.owner;
    ui::Form& owner = shownOwner();
    ui::Form& owned = pair.ownedForm(app);
    EXPECT_TRUE(ShowAndHide(owned, owner, program.backend)) << what;
    HWND window = WindowOf(owned, program.backend);
    owner.Unload();
    program.ctx.CollectRetired();
    ASSERT_TRUE(owned.Loaded()) << what;
    EXPECT_TRUE(IsWindow(window)) << what << ": the window died with its owner";
    EXPECT_TRUE(ShowAndHide(pair.ownedForm(app), shownOwner(), program.backend)) << what << ", again";
  }
}

}  // namespace

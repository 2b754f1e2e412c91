// Every window of the program, made by the real Win32 back end, walked for texts that do not
// fit (tests/app_win32/fit_walk.h): the main window at several sizes and on each tab, every
// other window as it loads, the night run's longest texts, and the walk itself on a small form
// that holds one fault of each kind.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "app_win32/fit_walk.h"
#include "app_win32/real_program.h"
#include "batch/frm_file_error_report.h"
#include "batch/frm_night_run.h"
#include "batch/frm_scr_complete.h"
#include "batch/frm_write_script_to_loc.h"
#include "filetools/frm_combine_text_files.h"
#include "filetools/frm_dwg_rev_scan.h"
#include "filetools/frm_file_list_rename.h"
#include "filetools/frm_file_lists.h"
#include "filetools/frm_file_renamer.h"
#include "filetools/frm_file_renamer_manual.h"
#include "filetools/frm_wdp_prompt.h"
#include "mainwindow/frm_capture.h"
#include "mainwindow/frm_code_selector.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_pattern_list.h"
#include "mainwindow/frm_scr_browser.h"
#include "mainwindow/frm_scr_edit.h"
#include "mainwindow/frm_settings.h"
#include "options/frm_about.h"
#include "options/frm_options.h"
#include "options/frm_tips.h"
#include "options/pickers.h"
#include "platform/win32/win32_services.h"
#include "queue/frm_dir_selector.h"
#include "queue/frm_dir_wide_browser.h"
#include "queue/frm_dwg_preview.h"
#include "queue/frm_queue_quick_pick.h"
#include "queue/frm_quick_pick.h"
#include "queue/frm_scan_stop.h"
#include "tags/frm_project_tag_manager.h"
#include "tags/frm_project_tag_manager_fs.h"
#include "tags/frm_var_setup.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_control_peer.h"
#include "wizards/frm_layout_wiz.h"
#include "wizards/frm_log_text_wiz.h"
#include "wizards/frm_mtext_snr.h"
#include "wizards/frm_page_setup_in_wiz.h"
#include "wizards/frm_page_setup_wiz_select.h"
#include "wizards/frm_purge_wiz.h"
#include "wizards/frm_rep_text_wiz.h"
#include "wizards/frm_report_limits_wiz.h"
#include "wizards/frm_reset_acad_sys_vars.h"
#include "wizards/frm_tb_wiz.h"

namespace {

using app_win32_test::BoxAnswerer;
using app_win32_test::Program;

class WindowFitTest : public ::testing::Test {
 protected:
  std::vector<std::string> Misfits(const ui::Form& form) { return fit::Misfits(program.backend, form); }

  Program program;
  app::App& app = program.app;
};

TEST_F(WindowFitTest, TheMainWindowsCaptionsFitAtEverySize) {
  mainwindow::frmMain& main = app.frmMain();
  main.Show();
  struct Size {
    int width, height;  // pixels
  };
  for (Size size : {Size{873, 676}, Size{1200, 1000}, Size{1400, 1000}}) {
    for (int tab = 0; tab < 3; ++tab) {
      main.Move(0, 0, size.width * 15, size.height * 15);
      main.SSTab1.SetTab(tab);
      program.ctx.DoEvents();
      std::vector<std::string> misfits = Misfits(main);
      EXPECT_TRUE(misfits.empty()) << size.width << "x" << size.height << " tab " << tab << fit::Lines(misfits);
    }
  }
}

struct Opener {
  const char* name;
  std::function<ui::Form&()> open;
};

TEST_F(WindowFitTest, EveryOtherWindowsTextsFit) {
  BoxAnswerer answerer;
  app.frmMain().Load();
  const std::vector<Opener> windows = {
      {"frmTips", [&]() -> ui::Form& { return app.frmTips(); }},
      {"frmAbout", [&]() -> ui::Form& { return app.frmAbout(); }},
      {"frmOptions", [&]() -> ui::Form& { return app.frmOptions(); }},
      {"frmVARSetup", [&]() -> ui::Form& { return app.frmVARSetup(); }},
      {"frmDirSelector", [&]() -> ui::Form& { return app.frmDirSelector(); }},
      {"frmScanStop", [&]() -> ui::Form& { return app.frmScanStop(); }},
      {"frmScrComplete", [&]() -> ui::Form& { return app.frmScrComplete(); }},
      {"frmFileErrorReport", [&]() -> ui::Form& { return app.frmFileErrorReport(); }},
      {"frmAutoCADEXEBrowse", [&]() -> ui::Form& { return app.frmAutoCADEXEBrowse(); }},
      {"frmBrowseSCRIPSDir", [&]() -> ui::Form& { return app.frmBrowseSCRIPSDir(); }},
      {"frmOUTDirSelect", [&]() -> ui::Form& { return app.frmOUTDirSelect(); }},
      {"frmSCRDirSelect", [&]() -> ui::Form& { return app.frmSCRDirSelect(); }},
      {"frmTXTEDITORDirSelect", [&]() -> ui::Form& { return app.frmTXTEDITORDirSelect(); }},
      {"frmNightRun", [&]() -> ui::Form& { return app.frmNightRun(); }},
      {"frmWriteScriptToLoc", [&]() -> ui::Form& { return app.frmWriteScriptToLoc(); }},
      {"frmCombineTextFiles", [&]() -> ui::Form& { return app.frmCombineTextFiles(); }},
      {"frmDWGRevScan", [&]() -> ui::Form& { return app.frmDWGRevScan(); }},
      {"frmDirWideBrowser", [&]() -> ui::Form& { return app.frmDirWideBrowser(); }},
      {"frmDWGPreview", [&]() -> ui::Form& { return app.frmDWGPreview(); }},
      {"frmQueueQuickPick", [&]() -> ui::Form& { return app.frmQueueQuickPick(); }},
      {"frmQuickPick", [&]() -> ui::Form& { return app.frmQuickPick(); }},
      {"frmFileListRename", [&]() -> ui::Form& { return app.frmFileListRename(); }},
      {"frmFileLists", [&]() -> ui::Form& { return app.frmFileLists(); }},
      {"frmWDPPrompt", [&]() -> ui::Form& { return app.frmWDPPrompt(); }},
      {"frmFileRenamer", [&]() -> ui::Form& { return app.frmFileRenamer(); }},
      {"frmFileRenamerManual", [&]() -> ui::Form& { return app.frmFileRenamerManual(); }},
      {"frmSCREdit", [&]() -> ui::Form& { return app.frmSCREdit(); }},
      {"frmLispSelector", [&]() -> ui::Form& { return app.frmLispSelector(); }},
      {"frmVBAselector", [&]() -> ui::Form& { return app.frmVBAselector(); }},
      {"frmSettings", [&]() -> ui::Form& { return app.frmSettings(); }},
      {"frmcapture", [&]() -> ui::Form& { return app.frmcapture(); }},
      {"frmScrBrowser", [&]() -> ui::Form& { return app.frmScrBrowser(); }},
      {"frmDWGFilter", [&]() -> ui::Form& { return app.frmDWGFilter(); }},
      {"frmSCRFilter", [&]() -> ui::Form& { return app.frmSCRFilter(); }},
      {"frmSCRFilterSimple", [&]() -> ui::Form& { return app.frmSCRFilterSimple(); }},
      {"frmProjectTagManager", [&]() -> ui::Form& { return app.frmProjectTagManager(); }},
      {"frmProjectTagManagerFS", [&]() -> ui::Form& { return app.frmProjectTagManagerFS(); }},
      {"frmLayoutWiz", [&]() -> ui::Form& { return app.frmLayoutWiz(); }},
      {"frmLOGTextWiz", [&]() -> ui::Form& { return app.frmLOGTextWiz(); }},
      {"frmMtextSNR", [&]() -> ui::Form& { return app.frmMtextSNR(); }},
      {"frmPageSetupInWiz", [&]() -> ui::Form& { return app.frmPageSetupInWiz(); }},
      {"frmPageSetupWizSelect", [&]() -> ui::Form& { return app.frmPageSetupWizSelect(); }},
      {"frmPurgeWiz", [&]() -> ui::Form& { return app.frmPurgeWiz(); }},
      {"frmRepTextWiz", [&]() -> ui::Form& { return app.frmRepTextWiz(); }},
      {"frmReportLimitsWiz", [&]() -> ui::Form& { return app.frmReportLimitsWiz(); }},
      {"frmResetAcadSysVars", [&]() -> ui::Form& { return app.frmResetAcadSysVars(); }},
      {"frmTBWiz", [&]() -> ui::Form& { return app.frmTBWiz(); }},
  };
  for (const Opener& window : windows) {
    ui::Form& form = window.open();
    form.Load();
    std::vector<std::string> misfits = Misfits(form);
    EXPECT_TRUE(misfits.empty()) << window.name << fit::Lines(misfits);
  }
}

// The night run's longest texts: the countdown at its widest, the start-time correction, and
// the run button of the main window counting down.
TEST_F(WindowFitTest, TheNightRunsCountdownFits) {
  mainwindow::frmMain& main = app.frmMain();
  main.Show();
  batch::frmNightRun& night = app.frmNightRun();
  night.Show();
  night.chkActivate.SetValue(ui::kChecked);
  for (const char* text : {" Batch will Start in 23:59:59", " Please Correct your Start-Time"}) {
    night.lblCountDown.SetCaption(text);
    std::vector<std::string> misfits = Misfits(night);
    EXPECT_TRUE(misfits.empty()) << text << fit::Lines(misfits);
  }
  main.cmdCreateAndRun.SetCaption(" Batch Starts in 23:59:59");
  program.ctx.DoEvents();
  std::vector<std::string> misfits = Misfits(main);
  EXPECT_TRUE(misfits.empty()) << fit::Lines(misfits);
  HWND button = ui::win32::Win32Backend::PeerOf(main.cmdCreateAndRun)->Hwnd();
  RECT outer;
  GetWindowRect(button, &outer);
  // On one line: a disabled button does not wrap its caption under Wine.
  HDC dc = GetDC(button);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)));
  SIZE text{};
  const std::string& caption = main.cmdCreateAndRun.Caption();
  GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  SelectObject(dc, old);
  ReleaseDC(button, dc);
  EXPECT_LE(text.cx + 6, outer.right - outer.left);
  night.chkActivate.SetValue(ui::kUnchecked);
}

}  // namespace

#include "app/app.h"

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
#include "queue/frm_dir_selector.h"
#include "queue/frm_dir_wide_browser.h"
#include "queue/frm_dwg_preview.h"
#include "queue/frm_queue_quick_pick.h"
#include "queue/frm_quick_pick.h"
#include "queue/frm_scan_stop.h"
#include "tags/frm_project_tag_manager.h"
#include "tags/frm_project_tag_manager_fs.h"
#include "tags/frm_var_setup.h"
#include "ui/form_slot.h"
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

namespace app {

// One slot per window of the program.
struct App::Forms {
  explicit Forms(App& app) : app_(app) {}
  App& app_;
  ui::FormSlot<batch::frmFileErrorReport> frmFileErrorReport{
      app_.Ctx(), [this] { return std::make_unique<batch::frmFileErrorReport>(app_); }};
  ui::FormSlot<batch::frmNightRun> frmNightRun{app_.Ctx(),
                                               [this] { return std::make_unique<batch::frmNightRun>(app_); }};
  ui::FormSlot<batch::frmWriteScriptToLoc> frmWriteScriptToLoc{
      app_.Ctx(), [this] { return std::make_unique<batch::frmWriteScriptToLoc>(app_); }};
  ui::FormSlot<batch::frmScrComplete> frmScrComplete{app_.Ctx(),
                                                     [this] { return std::make_unique<batch::frmScrComplete>(app_); }};
  ui::FormSlot<filetools::frmCombineTextFiles> frmCombineTextFiles{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmCombineTextFiles>(app_); }};
  ui::FormSlot<filetools::frmDWGRevScan> frmDWGRevScan{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmDWGRevScan>(app_); }};
  ui::FormSlot<queue::frmDirSelector> frmDirSelector{app_.Ctx(),
                                                     [this] { return std::make_unique<queue::frmDirSelector>(app_); }};
  ui::FormSlot<queue::frmDirWideBrowser> frmDirWideBrowser{
      app_.Ctx(), [this] { return std::make_unique<queue::frmDirWideBrowser>(app_); }};
  ui::FormSlot<queue::frmDWGPreview> frmDWGPreview{app_.Ctx(),
                                                   [this] { return std::make_unique<queue::frmDWGPreview>(app_); }};
  ui::FormSlot<queue::frmQueueQuickPick> frmQueueQuickPick{
      app_.Ctx(), [this] { return std::make_unique<queue::frmQueueQuickPick>(app_); }};
  ui::FormSlot<queue::frmQuickPick> frmQuickPick{app_.Ctx(),
                                                 [this] { return std::make_unique<queue::frmQuickPick>(app_); }};
  ui::FormSlot<queue::frmScanStop> frmScanStop{app_.Ctx(),
                                               [this] { return std::make_unique<queue::frmScanStop>(app_); }};
  ui::FormSlot<filetools::frmFileListRename> frmFileListRename{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmFileListRename>(app_); }};
  ui::FormSlot<filetools::frmFileLists> frmFileLists{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmFileLists>(app_); }};
  ui::FormSlot<filetools::frmWDPPrompt> frmWDPPrompt{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmWDPPrompt>(app_); }};
  ui::FormSlot<filetools::frmFileRenamer> frmFileRenamer{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmFileRenamer>(app_); }};
  ui::FormSlot<filetools::frmFileRenamerManual> frmFileRenamerManual{
      app_.Ctx(), [this] { return std::make_unique<filetools::frmFileRenamerManual>(app_); }};
  ui::FormSlot<mainwindow::frmMain> frmMain{app_.Ctx(), [this] { return std::make_unique<mainwindow::frmMain>(app_); }};
  ui::FormSlot<mainwindow::frmSCREdit> frmSCREdit{app_.Ctx(),
                                                  [this] { return std::make_unique<mainwindow::frmSCREdit>(app_); }};
  ui::FormSlot<mainwindow::frmCodeSelector> frmLispSelector{
      app_.Ctx(), [this] { return std::make_unique<mainwindow::frmCodeSelector>(app_, mainwindow::CodeKind::kLisp); }};
  ui::FormSlot<mainwindow::frmCodeSelector> frmVBAselector{
      app_.Ctx(), [this] { return std::make_unique<mainwindow::frmCodeSelector>(app_, mainwindow::CodeKind::kVba); }};
  ui::FormSlot<mainwindow::frmSettings> frmSettings{app_.Ctx(),
                                                    [this] { return std::make_unique<mainwindow::frmSettings>(app_); }};
  ui::FormSlot<mainwindow::frmcapture> frmcapture{app_.Ctx(),
                                                  [this] { return std::make_unique<mainwindow::frmcapture>(app_); }};
  ui::FormSlot<mainwindow::frmScrBrowser> frmScrBrowser{
      app_.Ctx(), [this] { return std::make_unique<mainwindow::frmScrBrowser>(app_); }};
  ui::FormSlot<mainwindow::frmPatternList> frmDWGFilter{
      app_.Ctx(), [this] { return std::make_unique<mainwindow::frmPatternList>(app_, mainwindow::kDWGFilterConfig); }};
  ui::FormSlot<mainwindow::frmPatternList> frmSCRFilter{
      app_.Ctx(), [this] { return std::make_unique<mainwindow::frmPatternList>(app_, mainwindow::kSCRFilterConfig); }};
  ui::FormSlot<mainwindow::frmPatternList> frmSCRFilterSimple{
      app_.Ctx(),
      [this] { return std::make_unique<mainwindow::frmPatternList>(app_, mainwindow::kSCRFilterSimpleConfig); }};
  ui::FormSlot<options::frmAbout> frmAbout{app_.Ctx(), [this] { return std::make_unique<options::frmAbout>(app_); }};
  ui::FormSlot<options::frmAutoCADEXEBrowse> frmAutoCADEXEBrowse{
      app_.Ctx(), [this] { return std::make_unique<options::frmAutoCADEXEBrowse>(app_); }};
  ui::FormSlot<options::frmBrowseSCRIPSDir> frmBrowseSCRIPSDir{
      app_.Ctx(), [this] { return std::make_unique<options::frmBrowseSCRIPSDir>(app_); }};
  ui::FormSlot<options::frmOptions> frmOptions{app_.Ctx(),
                                               [this] { return std::make_unique<options::frmOptions>(app_); }};
  ui::FormSlot<options::frmOUTDirSelect> frmOUTDirSelect{
      app_.Ctx(), [this] { return std::make_unique<options::frmOUTDirSelect>(app_); }};
  ui::FormSlot<options::frmSCRDirSelect> frmSCRDirSelect{
      app_.Ctx(), [this] { return std::make_unique<options::frmSCRDirSelect>(app_); }};
  ui::FormSlot<options::frmTips> frmTips{app_.Ctx(), [this] { return std::make_unique<options::frmTips>(app_); }};
  ui::FormSlot<options::frmTXTEDITORDirSelect> frmTXTEDITORDirSelect{
      app_.Ctx(), [this] { return std::make_unique<options::frmTXTEDITORDirSelect>(app_); }};
  ui::FormSlot<tags::frmProjectTagManager> frmProjectTagManager{
      app_.Ctx(), [this] { return std::make_unique<tags::frmProjectTagManager>(app_); }};
  ui::FormSlot<tags::frmProjectTagManagerFS> frmProjectTagManagerFS{
      app_.Ctx(), [this] { return std::make_unique<tags::frmProjectTagManagerFS>(app_); }};
  ui::FormSlot<tags::frmVARSetup> frmVARSetup{app_.Ctx(), [this] { return std::make_unique<tags::frmVARSetup>(app_); }};
  ui::FormSlot<wizards::frmLayoutWiz> frmLayoutWiz{app_.Ctx(),
                                                   [this] { return std::make_unique<wizards::frmLayoutWiz>(app_); }};
  ui::FormSlot<wizards::frmLOGTextWiz> frmLOGTextWiz{app_.Ctx(),
                                                     [this] { return std::make_unique<wizards::frmLOGTextWiz>(app_); }};
  ui::FormSlot<wizards::frmMtextSNR> frmMtextSNR{app_.Ctx(),
                                                 [this] { return std::make_unique<wizards::frmMtextSNR>(app_); }};
  ui::FormSlot<wizards::frmPageSetupInWiz> frmPageSetupInWiz{
      app_.Ctx(), [this] { return std::make_unique<wizards::frmPageSetupInWiz>(app_); }};
  ui::FormSlot<wizards::frmPageSetupWizSelect> frmPageSetupWizSelect{
      app_.Ctx(), [this] { return std::make_unique<wizards::frmPageSetupWizSelect>(app_); }};
  ui::FormSlot<wizards::frmPurgeWiz> frmPurgeWiz{app_.Ctx(),
                                                 [this] { return std::make_unique<wizards::frmPurgeWiz>(app_); }};
  ui::FormSlot<wizards::frmRepTextWiz> frmRepTextWiz{app_.Ctx(),
                                                     [this] { return std::make_unique<wizards::frmRepTextWiz>(app_); }};
  ui::FormSlot<wizards::frmReportLimitsWiz> frmReportLimitsWiz{
      app_.Ctx(), [this] { return std::make_unique<wizards::frmReportLimitsWiz>(app_); }};
  ui::FormSlot<wizards::frmResetAcadSysVars> frmResetAcadSysVars{
      app_.Ctx(), [this] { return std::make_unique<wizards::frmResetAcadSysVars>(app_); }};
  ui::FormSlot<wizards::frmTBWiz> frmTBWiz{app_.Ctx(), [this] { return std::make_unique<wizards::frmTBWiz>(app_); }};
};

App::App(ui::Context& ctx) : ctx_(ctx), forms_(std::make_unique<Forms>(*this)) {}

App::~App() = default;

batch::frmFileErrorReport& App::frmFileErrorReport() {
  return forms_->frmFileErrorReport();
}

batch::frmFileErrorReport* App::frmFileErrorReportIfLoaded() const {
  return forms_->frmFileErrorReport.IfLoaded();
}

batch::frmNightRun& App::frmNightRun() {
  return forms_->frmNightRun();
}

batch::frmWriteScriptToLoc& App::frmWriteScriptToLoc() {
  return forms_->frmWriteScriptToLoc();
}

batch::frmScrComplete& App::frmScrComplete() {
  return forms_->frmScrComplete();
}

filetools::frmCombineTextFiles& App::frmCombineTextFiles() {
  return forms_->frmCombineTextFiles();
}

filetools::frmDWGRevScan& App::frmDWGRevScan() {
  return forms_->frmDWGRevScan();
}

queue::frmDirSelector& App::frmDirSelector() {
  return forms_->frmDirSelector();
}

queue::frmDirSelector* App::frmDirSelectorIfLoaded() const {
  return forms_->frmDirSelector.IfLoaded();
}

queue::frmDirWideBrowser& App::frmDirWideBrowser() {
  return forms_->frmDirWideBrowser();
}

queue::frmDWGPreview& App::frmDWGPreview() {
  return forms_->frmDWGPreview();
}

queue::frmDWGPreview* App::frmDWGPreviewIfLoaded() const {
  return forms_->frmDWGPreview.IfLoaded();
}

queue::frmQueueQuickPick& App::frmQueueQuickPick() {
  return forms_->frmQueueQuickPick();
}

queue::frmQuickPick& App::frmQuickPick() {
  return forms_->frmQuickPick();
}

queue::frmScanStop& App::frmScanStop() {
  return forms_->frmScanStop();
}

filetools::frmFileListRename& App::frmFileListRename() {
  return forms_->frmFileListRename();
}

filetools::frmFileLists& App::frmFileLists() {
  return forms_->frmFileLists();
}

filetools::frmWDPPrompt& App::frmWDPPrompt() {
  return forms_->frmWDPPrompt();
}

filetools::frmFileRenamer& App::frmFileRenamer() {
  return forms_->frmFileRenamer();
}

filetools::frmFileRenamerManual& App::frmFileRenamerManual() {
  return forms_->frmFileRenamerManual();
}

mainwindow::frmMain& App::frmMain() {
  return forms_->frmMain();
}

mainwindow::frmSCREdit& App::frmSCREdit() {
  return forms_->frmSCREdit();
}

mainwindow::frmCodeSelector& App::frmLispSelector() {
  return forms_->frmLispSelector();
}

mainwindow::frmCodeSelector& App::frmVBAselector() {
  return forms_->frmVBAselector();
}

mainwindow::frmSettings& App::frmSettings() {
  return forms_->frmSettings();
}

mainwindow::frmcapture& App::frmcapture() {
  return forms_->frmcapture();
}

mainwindow::frmScrBrowser& App::frmScrBrowser() {
  return forms_->frmScrBrowser();
}

mainwindow::frmPatternList& App::frmDWGFilter() {
  return forms_->frmDWGFilter();
}

mainwindow::frmPatternList& App::frmSCRFilter() {
  return forms_->frmSCRFilter();
}

mainwindow::frmPatternList& App::frmSCRFilterSimple() {
  return forms_->frmSCRFilterSimple();
}

options::frmAbout& App::frmAbout() {
  return forms_->frmAbout();
}

options::frmAutoCADEXEBrowse& App::frmAutoCADEXEBrowse() {
  return forms_->frmAutoCADEXEBrowse();
}

options::frmBrowseSCRIPSDir& App::frmBrowseSCRIPSDir() {
  return forms_->frmBrowseSCRIPSDir();
}

options::frmOptions& App::frmOptions() {
  return forms_->frmOptions();
}

options::frmOUTDirSelect& App::frmOUTDirSelect() {
  return forms_->frmOUTDirSelect();
}

options::frmSCRDirSelect& App::frmSCRDirSelect() {
  return forms_->frmSCRDirSelect();
}

options::frmTips& App::frmTips() {
  return forms_->frmTips();
}

options::frmTXTEDITORDirSelect& App::frmTXTEDITORDirSelect() {
  return forms_->frmTXTEDITORDirSelect();
}

tags::frmProjectTagManager& App::frmProjectTagManager() {
  return forms_->frmProjectTagManager();
}

tags::frmProjectTagManagerFS& App::frmProjectTagManagerFS() {
  return forms_->frmProjectTagManagerFS();
}

tags::frmVARSetup& App::frmVARSetup() {
  return forms_->frmVARSetup();
}

wizards::frmLayoutWiz& App::frmLayoutWiz() {
  return forms_->frmLayoutWiz();
}

wizards::frmLOGTextWiz& App::frmLOGTextWiz() {
  return forms_->frmLOGTextWiz();
}

wizards::frmMtextSNR& App::frmMtextSNR() {
  return forms_->frmMtextSNR();
}

wizards::frmPageSetupInWiz& App::frmPageSetupInWiz() {
  return forms_->frmPageSetupInWiz();
}

wizards::frmPageSetupWizSelect& App::frmPageSetupWizSelect() {
  return forms_->frmPageSetupWizSelect();
}

wizards::frmPurgeWiz& App::frmPurgeWiz() {
  return forms_->frmPurgeWiz();
}

wizards::frmRepTextWiz& App::frmRepTextWiz() {
  return forms_->frmRepTextWiz();
}

wizards::frmReportLimitsWiz& App::frmReportLimitsWiz() {
  return forms_->frmReportLimitsWiz();
}

wizards::frmResetAcadSysVars& App::frmResetAcadSysVars() {
  return forms_->frmResetAcadSysVars();
}

wizards::frmTBWiz& App::frmTBWiz() {
  return forms_->frmTBWiz();
}

}  // namespace app

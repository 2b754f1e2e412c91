#pragma once

#include <memory>
#include <string>

#include "core/settings_model.h"
#include "platform/services.h"
#include "ui/context.h"

namespace batch {
class frmFileErrorReport;
class frmNightRun;
class frmScrComplete;
class frmWriteScriptToLoc;
}  // namespace batch
namespace filetools {
class frmCombineTextFiles;
class frmDWGRevScan;
class frmFileListRename;
class frmFileLists;
class frmWDPPrompt;
class frmFileRenamer;
class frmFileRenamerManual;
}  // namespace filetools
namespace queue {
class frmDirSelector;
class frmDirWideBrowser;
class frmDWGPreview;
class frmQueueQuickPick;
class frmQuickPick;
class frmScanStop;
}  // namespace queue
namespace mainwindow {
class frmCodeSelector;
class frmMain;
class frmSCREdit;
class frmScrBrowser;
class frmSettings;
class frmcapture;
class frmPatternList;
}  // namespace mainwindow
namespace options {
class frmAbout;
class frmAutoCADEXEBrowse;
class frmBrowseSCRIPSDir;
class frmOptions;
class frmOUTDirSelect;
class frmSCRDirSelect;
class frmTips;
class frmTXTEDITORDirSelect;
}  // namespace options
namespace tags {
class frmProjectTagManager;
class frmProjectTagManagerFS;
class frmVARSetup;
}  // namespace tags
namespace wizards {
class frmLayoutWiz;
class frmLOGTextWiz;
class frmMtextSNR;
class frmPageSetupInWiz;
class frmPageSetupWizSelect;
class frmPurgeWiz;
class frmRepTextWiz;
class frmReportLimitsWiz;
class frmResetAcadSysVars;
class frmTBWiz;
}  // namespace wizards

namespace app {

// The program object: it owns every window of the program (each loaded on first touch through
// its accessor, created afresh after an unload) and the module-wide values. Forms receive it
// in their constructor and reach each other through it every time:
//
//   app_.frmOptions().tbAutoCadEXE.Text()
//
// Adding a window: declare its accessor here, and its slot and accessor body in app.cpp.
class App {
 public:
  explicit App(ui::Context& ctx);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  ui::Context& Ctx() const { return ctx_; }
  // The program's settings: they outlive every window, the main window included.
  core::SettingsModel& Settings() { return settings_; }
  platform::Services& Services() const { return ctx_.Services(); }

  // Windows.
  batch::frmFileErrorReport& frmFileErrorReport();
  // The file access error report when it exists; never creates it.
  batch::frmFileErrorReport* frmFileErrorReportIfLoaded() const;
  batch::frmNightRun& frmNightRun();
  batch::frmScrComplete& frmScrComplete();
  batch::frmWriteScriptToLoc& frmWriteScriptToLoc();
  filetools::frmCombineTextFiles& frmCombineTextFiles();
  filetools::frmDWGRevScan& frmDWGRevScan();
  queue::frmDirSelector& frmDirSelector();
  // The favourites dialog when it exists; never creates it.
  queue::frmDirSelector* frmDirSelectorIfLoaded() const;
  queue::frmDirWideBrowser& frmDirWideBrowser();
  queue::frmDWGPreview& frmDWGPreview();
  // The preview window when it exists; never creates it.
  queue::frmDWGPreview* frmDWGPreviewIfLoaded() const;
  bool frmDWGPreviewLoaded() const { return frmDWGPreviewIfLoaded() != nullptr; }
  queue::frmQueueQuickPick& frmQueueQuickPick();
  queue::frmQuickPick& frmQuickPick();
  queue::frmScanStop& frmScanStop();
  filetools::frmFileListRename& frmFileListRename();
  filetools::frmFileLists& frmFileLists();
  filetools::frmWDPPrompt& frmWDPPrompt();
  filetools::frmFileRenamer& frmFileRenamer();
  filetools::frmFileRenamerManual& frmFileRenamerManual();
  mainwindow::frmMain& frmMain();
  mainwindow::frmSCREdit& frmSCREdit();
  // The LISP and VBA pickers of the script editor: one window class in two configurations.
  mainwindow::frmCodeSelector& frmLispSelector();
  mainwindow::frmCodeSelector& frmVBAselector();
  mainwindow::frmSettings& frmSettings();
  mainwindow::frmcapture& frmcapture();
  mainwindow::frmScrBrowser& frmScrBrowser();
  // The three pattern-list dialogs: drawing names, user scripts, Simple Mode scripts.
  mainwindow::frmPatternList& frmDWGFilter();
  mainwindow::frmPatternList& frmSCRFilter();
  mainwindow::frmPatternList& frmSCRFilterSimple();
  options::frmAbout& frmAbout();
  options::frmAutoCADEXEBrowse& frmAutoCADEXEBrowse();
  options::frmBrowseSCRIPSDir& frmBrowseSCRIPSDir();
  options::frmOptions& frmOptions();
  options::frmOUTDirSelect& frmOUTDirSelect();
  options::frmSCRDirSelect& frmSCRDirSelect();
  options::frmTips& frmTips();
  options::frmTXTEDITORDirSelect& frmTXTEDITORDirSelect();
  tags::frmProjectTagManager& frmProjectTagManager();
  tags::frmProjectTagManagerFS& frmProjectTagManagerFS();
  tags::frmVARSetup& frmVARSetup();
  wizards::frmLayoutWiz& frmLayoutWiz();
  wizards::frmLOGTextWiz& frmLOGTextWiz();
  wizards::frmMtextSNR& frmMtextSNR();
  wizards::frmPageSetupInWiz& frmPageSetupInWiz();
  wizards::frmPageSetupWizSelect& frmPageSetupWizSelect();
  wizards::frmPurgeWiz& frmPurgeWiz();
  wizards::frmRepTextWiz& frmRepTextWiz();
  wizards::frmReportLimitsWiz& frmReportLimitsWiz();
  wizards::frmResetAcadSysVars& frmResetAcadSysVars();
  wizards::frmTBWiz& frmTBWiz();

  // Module-wide values.
  std::string AppVersion;  // major, minor and revision joined by "."
  long ScanFileCount = 0;  // files found by the running recursive folder scan

 private:
  struct Forms;
  ui::Context& ctx_;
  core::SettingsModel settings_;
  std::unique_ptr<Forms> forms_;
};

}  // namespace app

#include "mainwindow/frm_main.h"

namespace mainwindow {

namespace {

void Item(ui::MenuItem& item, const char* caption) {
  item.SetCaption(caption);
}

void Item(ui::MenuItem& item, const char* caption, ui::Shortcut shortcut) {
  item.SetCaption(caption);
  item.SetShortcut(shortcut);
}

void Separator(ui::MenuItem& item) {
  item.SetCaption("-");
}

}  // namespace

void frmMain::DesignMenus() {
  Item(mnuFile, "&File");
  Item(mnuSaveSettings, "&Save Settings Now");
  Item(mnuFileExit, "E&xit");

  Item(mnuQueue, "&Queue");
  Item(mnuSort2, "&Sort");
  Item(mnuAscending2, "&Ascending");
  Item(mnuDescending2, "&Descending");
  Separator(mnublank002);
  Item(mnuSmartSort2, "&Smart-Sort");
  Item(mnuReverseOrder2, "&Reverse");
  Item(mnuRemoveDuplicates, "&Remove Duplicates");
  Item(mnuVerifyFilesInQueue, "&Verify Files");
  Item(mnuReportDWGVersion, "R&eport DWG files AutoCAD Version");
  Separator(mnublank004);
  Item(mnuFileLists, "&File Lists");

  Item(mnuScript, "&Script");
  Item(mnuScriptEditor, "Script &Editor", ui::Shortcut::Ctrl('E'));
  Item(mnuScriptBrowser, "Script &Browser");
  Separator(mnuPlaceholder1);
  Item(mnuCheckScriptSyntax, "&Check Script Syntax");
  Separator(mnublank001);
  Item(mnuOutputOther, "&Create Batch Script in a Different Location");
  Item(mnuViewBatchScript, "&View \"tornavane.scr\"");

  Item(mnuTools, "&Tools");
  Item(mnuCommandCapture, "&Capture AutoCAD\xAE Commands to Script");
  Item(mnuRenamer, "&File Renamer", ui::Shortcut::Ctrl('R'));
  Item(mnuNightRun, "&Night Run");
  Item(mnuResetAcadVars, "&Reset AutoCAD\xAE System Variables");
  Item(mnuDWGRevScan, "&Find DWGs by AutoCAD DWG Version");
  Item(mnuCombineText, "Combine &Text Files");
  Separator(mnubreak002);
  Item(mnuUserTagManager, "User Tag M&anager", ui::Shortcut::Ctrl('T'));
  Item(mnuProjectTagManager, "Project Tag &Manager", ui::Shortcut::Ctrl('P'));
  Separator(mnubreak001);
  Item(mnuViewOptions, "&Options", ui::Shortcut::Ctrl('O'));

  Item(mnuScriptCreationWizards, "&Wizards");
  Item(mnuCopyPageSetups, "&Import Page Setup");
  Item(mnuRenameLayoutTabs, "L&ayouts");
  Item(mnuPlotWiz, "P&lot");
  mnuPlotWiz.SetVisible(false);
  Item(mnuPurgeWiz, "&Purge");
  Item(mnuReportLimitsWiz, "R&eport Limits to File");
  Item(mnuReportTextWiz, "Search and &LOG Text");
  Item(mnuRepTextWiz, "S&earch and Replace Text");
  Item(mnuMTEXTSnR, "Seach and Replace &MTEXT");
  Item(mnuTBWiz, "&Title-Block Update");

  Item(mnuHelp, "&Help");
  Item(mnuReadmeh, "&Setup Instructions && Tutorials", ui::Shortcut::F(1));
  Item(mnuOnlineFAQ, "&Help Online (FAQ)", ui::Shortcut::F(2));
  Item(mnuForum, "Tornavane User &Forum (Online)", ui::Shortcut::F(3));
  Item(mnuSGenWWW2, "&Tornavane Homepage (tornavane.example)", ui::Shortcut::F(4));
  Separator(mnuspace2);
  Item(mnuCheckforUpdate, "Check for Update");
  mnuCheckforUpdate.SetVisible(false);
  mnuCheckforUpdate.SetEnabled(false);
  Separator(mnuspace5);
  mnuspace5.SetVisible(false);
  Item(mnuTipOfTheDay, "Show &Tip of the Day");
  Item(mnuHelpAbout, "&About Tornavane");

  Item(mnuPUForm, "mnuPUForm");
  mnuPUForm.SetVisible(false);
  Item(mnuOpen, "&Open Selected File(s)");
  Item(mnuSkip, "S&kip Past Selected File");
  Item(mnuSort, "&Sort");
  Item(mnuSortAscending, "&Ascending");
  Item(mnuSortDescending, "&Descending");
  Separator(mnuPlaceholder);
  Item(mnuSmartSort, "S&mart-Sort");
  Item(mnuReverseOrder, "&Reverse");
  Item(mnuFont, "&Text Size");
  Item(mnuTextLarger, "&Larger");
  Item(mnuTextSmaller, "&Smaller");
  Item(mnuCase, "&Change Case");
  Item(mnuQueueUpperCase, "&UPPER");
  Item(mnuQueueLowerCase, "&lower");
  Item(mnuRemove, "&Remove");
  Item(mnuRemoveSelectedFiles, "&Selected Files");
  Item(mnuRemoveUnselectedFiles, "&Unselected Files");
  Item(mnuReportDWGVersions, "Report DWG Versions");
  Separator(mnunothing4);
  Item(mnuGotoDir, "<- &Goto Dir");
  Item(mnuOpenDirInExplorer, "&Open Explorer in Directory");
  Separator(mnunothing5);
  Item(mnuFileSystemChecks, "&File System Checks");
  Item(mnuRemoveDuplicates2, "&Remove Duplicates");
  Item(mnuVerifyFiles2, "&Verify Files");
  Item(mnuCopy, "&Copy to Clipboard");
  Item(cmdAll, "&All");
  Item(mnuCopyListtoClip, "&Paths and Filenames");
  Item(mnuCopyWithExt, "&Filenames With Extension");
  Item(mnuCopyWOExtension, "Filenames &Without Extension");
  Item(mnuCopyClipCSV, "Filename(s) &Comma Separated");
  Item(mnuSelected, "&Selected");
  Item(mnuCopySelectedtoClip, "&Path(s) and Filename(s)");
  Item(mnuCopySelFilewithExt, "&Filename(s) With Extension");
  Item(mnuCopySelFileWOExt, "Filename(s) &Without Extension");
  Item(mnuCopySelFileCSV, "Filename(s) &Comma Separated");
}

void frmMain::WireMenus() {
  mnuSaveSettings.onClick = [this] { mnuSaveSettings_Click(); };
  mnuFileExit.onClick = [this] { mnuFileExit_Click(); };

  mnuVerifyFilesInQueue.onClick = [this] { mnuVerifyFilesInQueue_Click(); };
  mnuVerifyFiles2.onClick = [this] { mnuVerifyFilesInQueue_Click(); };
  mnuCheckScriptSyntax.onClick = [this] { mnuCheckScriptSyntax_Click(); };
  mnuOutputOther.onClick = [this] { mnuOutputOther_Click(); };
  mnuViewBatchScript.onClick = [this] { mnuViewBatchScript_Click(); };
  mnuNightRun.onClick = [this] { mnuNightRun_Click(); };

  mnuUserTagManager.onClick = [this] { mnuUserTagManager_Click(); };
  mnuResetAcadVars.onClick = [this] { mnuResetAcadVars_Click(); };

  mnuPurgeWiz.onClick = [this] { mnuPurgeWiz_Click(); };
  mnuReportLimitsWiz.onClick = [this] { mnuReportLimitsWiz_Click(); };
  mnuReportTextWiz.onClick = [this] { mnuReportTextWiz_Click(); };
  mnuRepTextWiz.onClick = [this] { mnuRepTextWiz_Click(); };
  mnuMTEXTSnR.onClick = [this] { mnuMTEXTSnR_Click(); };
  mnuTBWiz.onClick = [this] { mnuTBWiz_Click(); };
  mnuViewOptions.onClick = [this] { mnuViewOptions_Click(); };

  mnuReadmeh.onClick = [this] { mnuReadmeh_Click(); };
  mnuOnlineFAQ.onClick = [this] { mnuOnlineFAQ_Click(); };
  mnuForum.onClick = [this] { mnuForum_Click(); };
  mnuSGenWWW2.onClick = [this] { mnuSGenWWW2_Click(); };
  mnuTipOfTheDay.onClick = [this] { mnuTipOfTheDay_Click(); };
  mnuHelpAbout.onClick = [this] { mnuHelpAbout_Click(); };

  WireQueueOrderEvents();
  WireFileListEvents();
}

// "E&xit": unloading the main window saves everything and ends the program.
void frmMain::mnuFileExit_Click() {
  Unload();
}

}  // namespace mainwindow

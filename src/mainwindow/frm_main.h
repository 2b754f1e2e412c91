#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/settings_model.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/control_array.h"
#include "ui/dir_list_box.h"
#include "ui/drive_list_box.h"
#include "ui/file_list_box.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/picture_box.h"
#include "ui/tab_control.h"
#include "ui/text_box.h"

namespace app {
class App;
}
namespace runtime {
class WildcardPatternList;
}
namespace batch {
enum class MetaAction;
}

namespace mainwindow {

// The main window: the drawing browser (left), the tabbed user-script and batch settings
// panel (upper right), the queue with its buttons (lower right), the bottom strip with the
// build buttons, and the menu bar. Other windows read and write its controls, its public
// procedures and, through it, the program's settings directly.
//
// Controls and menus are declared here and designed in mainwindow/frm_main*.cpp.
// Life cycle, layout, load, settings save and the user-script panel live in mainwindow/frm_main_*.cpp;
// every other procedure in frm_main_<area>.cpp of the folder that owns it (queue/, batch/, tags/, wizards/, options/).
class frmMain : public ui::Form {
 public:
  explicit frmMain(app::App& app);
  ~frmMain() override;

  // The program's settings, owned by the App (app.Settings()); other windows read and write
  // them through the main window as main.settings.
  core::SettingsModel& settings;

  // ---- Left column: the drawing browser --------------------------------------------------
  ui::Frame Frame2{this, "Frame2"};
  ui::CommandButton cmdDirWideBrowser{&Frame2, "cmdDirWideBrowser"};
  ui::CommandButton Command18{&Frame2, "Command18"};
  ui::CommandButton Command19{&Frame2, "Command19"};
  ui::DriveListBox Drive1{&Frame2, "Drive1"};
  ui::DirListBox Dir1{&Frame2, "Dir1"};
  ui::CommandButton cmdFilterFormShow{&Frame2, "cmdFilterFormShow"};
  ui::TextBox tbDWGFilter{&Frame2, "tbDWGFilter"};
  ui::FileListBox File1{&Frame2, "File1"};
  ui::CommandButton cmdQuickPick{&Frame2, "cmdQuickPick"};
  ui::CommandButton Command4_explorer{&Frame2, "Command4_explorer"};
  // The browser splitter between Dir1 and File1 (a child of the window, over the frame).
  ui::PictureBox Picture3{this, "Picture3"};

  // ---- Upper right: the tab control ------------------------------------------------------
  ui::TabControl SSTab1{this, "SSTab1"};

  // Tab 0, "User Script".
  ui::TextBox Text1{SSTab1.Page(0), "Text1"};
  ui::Frame frameUserScriptList{SSTab1.Page(0), "frameUserScriptList"};
  ui::FileListBox File2{&frameUserScriptList, "File2"};
  ui::TextBox scrFilter{&frameUserScriptList, "scrFilter"};
  ui::CommandButton cmdFilterUserScriptShow{&frameUserScriptList, "cmdFilterUserScriptShow"};
  ui::CheckBox chkProjDir{&frameUserScriptList, "chkProjDir"};
  ui::Label Label14{&frameUserScriptList, "Label14"};
  ui::TextBox Text2{&frameUserScriptList, "Text2"};
  ui::CommandButton cmdSAVESCR{&frameUserScriptList, "cmdSAVESCR"};
  ui::CommandButton cmdDeleteSCR{&frameUserScriptList, "cmdDeleteSCR"};
  ui::CheckBox chkReadOnly{&frameUserScriptList, "chkReadOnly"};
  ui::CommandButton cmdBrowse{&frameUserScriptList, "cmdBrowse"};
  ui::CommandButton cmdClearSCREditor{SSTab1.Page(0), "cmdClearSCREditor"};
  ui::CommandButton Command2{SSTab1.Page(0), "Command2"};
  ui::CommandButton cmdSCREditOpen{SSTab1.Page(0), "cmdSCREditOpen"};
  ui::CheckBox chkAppend{SSTab1.Page(0), "chkAppend"};
  // A thin bar created last, so the controls of the tab lie over it.
  ui::PictureBox Picture1{SSTab1.Page(0), "Picture1"};

  // Tab 1, "Settings": the batch-flow boxes with their step labels.
  ui::Label lblPreBatch{SSTab1.Page(1), "lblPreBatch"};
  ui::TextBox tbPreBatch{SSTab1.Page(1), "tbPreBatch"};
  ui::Label lblOpen{SSTab1.Page(1), "lblOpen"};
  ui::Label lblPreUserScript{SSTab1.Page(1), "lblPreUserScript"};
  ui::TextBox tbPreUserScript{SSTab1.Page(1), "tbPreUserScript"};
  ui::Label lblUserScript{SSTab1.Page(1), "lblUserScript"};
  ui::Label lblQSave{SSTab1.Page(1), "lblQSave"};
  ui::Label lblPostUserScript{SSTab1.Page(1), "lblPostUserScript"};
  ui::TextBox tbPostUserScript{SSTab1.Page(1), "tbPostUserScript"};
  ui::Label lblPostBatch{SSTab1.Page(1), "lblPostBatch"};
  ui::TextBox tbPostBatch{SSTab1.Page(1), "tbPostBatch"};
  ui::Label lblLooped{SSTab1.Page(1), "lblLooped"};
  ui::CheckBox cbIncludeDebugComments{SSTab1.Page(1), "cbIncludeDebugComments"};
  ui::CheckBox chkIncludeStatus{SSTab1.Page(1), "chkIncludeStatus"};
  ui::CommandButton cmdSettingsEditor{SSTab1.Page(1), "cmdSettingsEditor"};
  ui::Frame Frame5{SSTab1.Page(1), "Frame5"};
  ui::CommandButton cmdClear{&Frame5, "cmdClear"};
  ui::CommandButton cmdCloseDefault{&Frame5, "cmdCloseDefault"};
  ui::CommandButton cmdSDIDefault{&Frame5, "cmdSDIDefault"};

  // Tab 2, "\"SAVEAS\" Options".
  ui::Label lblOutFormat{SSTab1.Page(2), "lblOutFormat"};
  ui::ComboBox cmbOutFormat{SSTab1.Page(2), "cmbOutFormat"};
  ui::Label lblPrefix{SSTab1.Page(2), "lblPrefix"};
  ui::TextBox tbPrefix{SSTab1.Page(2), "tbPrefix"};
  ui::Label lblSuffix{SSTab1.Page(2), "lblSuffix"};
  ui::TextBox tbSuffix{SSTab1.Page(2), "tbSuffix"};
  ui::Label lblSAVEASExOutput{SSTab1.Page(2), "lblSAVEASExOutput"};
  ui::TextBox tbSAVEASExOutput{SSTab1.Page(2), "tbSAVEASExOutput"};
  ui::Frame Frame4{SSTab1.Page(2), "Frame4"};
  ui::OptionButton optOriginalLocation{&Frame4, "optOriginalLocation"};
  ui::OptionButton optSpecFolder{&Frame4, "optSpecFolder"};
  ui::TextBox tbSpecFolder{&Frame4, "tbSpecFolder"};
  ui::CommandButton cmdOUTBrowse{&Frame4, "cmdOUTBrowse"};
  ui::CheckBox chkOverwriteExistingFiles{SSTab1.Page(2), "chkOverwriteExistingFiles"};
  ui::Label Label3{SSTab1.Page(2), "Label3"};

  // The Simple Mode script selector, in the place of SSTab1.
  ui::Frame frameSimpleScrSelect{this, "frameSimpleScrSelect"};
  ui::Label lblFilter{&frameSimpleScrSelect, "lblFilter"};
  ui::TextBox tbScrSelFilter{&frameSimpleScrSelect, "tbScrSelFilter"};
  ui::CommandButton Command1{&frameSimpleScrSelect, "Command1"};
  ui::FileListBox fsSimpleScript{&frameSimpleScrSelect, "fsSimpleScript"};

  // The queue splitter, between the upper right region and the queue.
  ui::PictureBox Picture2{this, "Picture2"};

  // ---- Lower right: the queue and its buttons --------------------------------------------
  ui::CommandButton cmdAddAll{this, "cmdAddAll"};
  ui::CommandButton cmdAddAllSub{this, "cmdAddAllSub"};
  ui::CommandButton cmdAddDwg{this, "cmdAddDwg"};
  ui::CommandButton cmdRemoveDwg{this, "cmdRemoveDwg"};
  ui::CommandButton cmdRemoveAllDwg{this, "cmdRemoveAllDwg"};
  ui::CommandButton cmdFileList{this, "cmdFileList"};
  ui::Frame Frame3{this, "Frame3"};
  ui::CheckBox chkSaveAS{&Frame3, "chkSaveAS"};
  ui::CheckBox chkDelay{&Frame3, "chkDelay"};
  ui::CheckBox chkTestRun{&Frame3, "chkTestRun"};
  ui::CommandButton cmdDWGPreviewShow{this, "cmdDWGPreviewShow"};
  ui::ListBox List1{this, "List1"};

  // ---- Bottom strip ----------------------------------------------------------------------
  ui::Label lblFilesInQueue{this, "lblFilesInQueue"};
  ui::Label lblFilesProcessed{this, "lblFilesProcessed"};
  ui::Label lblUpdate{this, "lblUpdate"};
  ui::CommandButton Command1_Compile{this, "Command1_Compile"};
  ui::CommandButton cmdCreateAndRun{this, "cmdCreateAndRun"};
  ui::CommandButton cmdQueueQuickPick{this, "cmdQueueQuickPick"};
  ui::Frame frmSet{this, "frmSet"};
  ui::ControlArray<ui::OptionButton> optPage{&frmSet, "optPage"};

  // ---- Menu bar --------------------------------------------------------------------------
  ui::MenuItem mnuFile{this, "mnuFile"};
  ui::MenuItem mnuSaveSettings{&mnuFile, "mnuSaveSettings"};
  ui::MenuItem mnuFileExit{&mnuFile, "mnuFileExit"};

  ui::MenuItem mnuQueue{this, "mnuQueue"};
  ui::MenuItem mnuSort2{&mnuQueue, "mnuSort2"};
  ui::MenuItem mnuAscending2{&mnuSort2, "mnuAscending2"};
  ui::MenuItem mnuDescending2{&mnuSort2, "mnuDescending2"};
  ui::MenuItem mnublank002{&mnuSort2, "mnublank002"};
  ui::MenuItem mnuSmartSort2{&mnuSort2, "mnuSmartSort2"};
  ui::MenuItem mnuReverseOrder2{&mnuSort2, "mnuReverseOrder2"};
  ui::MenuItem mnuRemoveDuplicates{&mnuQueue, "mnuRemoveDuplicates"};
  ui::MenuItem mnuVerifyFilesInQueue{&mnuQueue, "mnuVerifyFilesInQueue"};
  ui::MenuItem mnuReportDWGVersion{&mnuQueue, "mnuReportDWGVersion"};
  ui::MenuItem mnublank004{&mnuQueue, "mnublank004"};
  ui::MenuItem mnuFileLists{&mnuQueue, "mnuFileLists"};

  ui::MenuItem mnuScript{this, "mnuScript"};
  ui::MenuItem mnuScriptEditor{&mnuScript, "mnuScriptEditor"};
  ui::MenuItem mnuScriptBrowser{&mnuScript, "mnuScriptBrowser"};
  ui::MenuItem mnuPlaceholder1{&mnuScript, "mnuPlaceholder1"};
  ui::MenuItem mnuCheckScriptSyntax{&mnuScript, "mnuCheckScriptSyntax"};
  ui::MenuItem mnublank001{&mnuScript, "mnublank001"};
  ui::MenuItem mnuOutputOther{&mnuScript, "mnuOutputOther"};
  ui::MenuItem mnuViewBatchScript{&mnuScript, "mnuViewBatchScript"};

  ui::MenuItem mnuTools{this, "mnuTools"};
  ui::MenuItem mnuCommandCapture{&mnuTools, "mnuCommandCapture"};
  ui::MenuItem mnuRenamer{&mnuTools, "mnuRenamer"};
  ui::MenuItem mnuNightRun{&mnuTools, "mnuNightRun"};
  ui::MenuItem mnuResetAcadVars{&mnuTools, "mnuResetAcadVars"};
  ui::MenuItem mnuDWGRevScan{&mnuTools, "mnuDWGRevScan"};
  ui::MenuItem mnuCombineText{&mnuTools, "mnuCombineText"};
  ui::MenuItem mnubreak002{&mnuTools, "mnubreak002"};
  ui::MenuItem mnuUserTagManager{&mnuTools, "mnuUserTagManager"};
  ui::MenuItem mnuProjectTagManager{&mnuTools, "mnuProjectTagManager"};
  ui::MenuItem mnubreak001{&mnuTools, "mnubreak001"};
  ui::MenuItem mnuViewOptions{&mnuTools, "mnuViewOptions"};

  ui::MenuItem mnuScriptCreationWizards{this, "mnuScriptCreationWizards"};
  ui::MenuItem mnuCopyPageSetups{&mnuScriptCreationWizards, "mnuCopyPageSetups"};
  ui::MenuItem mnuRenameLayoutTabs{&mnuScriptCreationWizards, "mnuRenameLayoutTabs"};
  ui::MenuItem mnuPlotWiz{&mnuScriptCreationWizards, "mnuPlotWiz"};
  ui::MenuItem mnuPurgeWiz{&mnuScriptCreationWizards, "mnuPurgeWiz"};
  ui::MenuItem mnuReportLimitsWiz{&mnuScriptCreationWizards, "mnuReportLimitsWiz"};
  ui::MenuItem mnuReportTextWiz{&mnuScriptCreationWizards, "mnuReportTextWiz"};
  ui::MenuItem mnuRepTextWiz{&mnuScriptCreationWizards, "mnuRepTextWiz"};
  ui::MenuItem mnuMTEXTSnR{&mnuScriptCreationWizards, "mnuMTEXTSnR"};
  ui::MenuItem mnuTBWiz{&mnuScriptCreationWizards, "mnuTBWiz"};

  ui::MenuItem mnuHelp{this, "mnuHelp"};
  ui::MenuItem mnuReadmeh{&mnuHelp, "mnuReadmeh"};
  ui::MenuItem mnuOnlineFAQ{&mnuHelp, "mnuOnlineFAQ"};
  ui::MenuItem mnuForum{&mnuHelp, "mnuForum"};
  ui::MenuItem mnuSGenWWW2{&mnuHelp, "mnuSGenWWW2"};
  ui::MenuItem mnuspace2{&mnuHelp, "mnuspace2", 2};
  ui::MenuItem mnuCheckforUpdate{&mnuHelp, "mnuCheckforUpdate"};
  ui::MenuItem mnuspace5{&mnuHelp, "mnuspace5"};
  ui::MenuItem mnuTipOfTheDay{&mnuHelp, "mnuTipOfTheDay"};
  ui::MenuItem mnuHelpAbout{&mnuHelp, "mnuHelpAbout"};

  // The queue's pop-up menu, carried by a hidden top-level entry.
  ui::MenuItem mnuPUForm{this, "mnuPUForm"};
  ui::MenuItem mnuOpen{&mnuPUForm, "mnuOpen"};
  ui::MenuItem mnuSkip{&mnuPUForm, "mnuSkip"};
  ui::MenuItem mnuSort{&mnuPUForm, "mnuSort"};
  ui::MenuItem mnuSortAscending{&mnuSort, "mnuSortAscending"};
  ui::MenuItem mnuSortDescending{&mnuSort, "mnuSortDescending"};
  ui::MenuItem mnuPlaceholder{&mnuSort, "mnuPlaceholder"};
  ui::MenuItem mnuSmartSort{&mnuSort, "mnuSmartSort"};
  ui::MenuItem mnuReverseOrder{&mnuSort, "mnuReverseOrder"};
  ui::MenuItem mnuFont{&mnuPUForm, "mnuFont"};
  ui::MenuItem mnuTextLarger{&mnuFont, "mnuTextLarger"};
  ui::MenuItem mnuTextSmaller{&mnuFont, "mnuTextSmaller"};
  ui::MenuItem mnuCase{&mnuPUForm, "mnuCase"};
  ui::MenuItem mnuQueueUpperCase{&mnuCase, "mnuQueueUpperCase"};
  ui::MenuItem mnuQueueLowerCase{&mnuCase, "mnuQueueLowerCase"};
  ui::MenuItem mnuRemove{&mnuPUForm, "mnuRemove"};
  ui::MenuItem mnuRemoveSelectedFiles{&mnuRemove, "mnuRemoveSelectedFiles"};
  ui::MenuItem mnuRemoveUnselectedFiles{&mnuRemove, "mnuRemoveUnselectedFiles"};
  ui::MenuItem mnuReportDWGVersions{&mnuPUForm, "mnuReportDWGVersions"};
  ui::MenuItem mnunothing4{&mnuPUForm, "mnunothing4"};
  ui::MenuItem mnuGotoDir{&mnuPUForm, "mnuGotoDir"};
  ui::MenuItem mnuOpenDirInExplorer{&mnuPUForm, "mnuOpenDirInExplorer"};
  ui::MenuItem mnunothing5{&mnuPUForm, "mnunothing5"};
  ui::MenuItem mnuFileSystemChecks{&mnuPUForm, "mnuFileSystemChecks"};
  ui::MenuItem mnuRemoveDuplicates2{&mnuFileSystemChecks, "mnuRemoveDuplicates2"};
  ui::MenuItem mnuVerifyFiles2{&mnuFileSystemChecks, "mnuVerifyFiles2"};
  ui::MenuItem mnuCopy{&mnuPUForm, "mnuCopy"};
  ui::MenuItem cmdAll{&mnuCopy, "cmdAll"};
  ui::MenuItem mnuCopyListtoClip{&cmdAll, "mnuCopyListtoClip"};
  ui::MenuItem mnuCopyWithExt{&cmdAll, "mnuCopyWithExt"};
  ui::MenuItem mnuCopyWOExtension{&cmdAll, "mnuCopyWOExtension"};
  ui::MenuItem mnuCopyClipCSV{&cmdAll, "mnuCopyClipCSV"};
  ui::MenuItem mnuSelected{&mnuCopy, "mnuSelected"};
  ui::MenuItem mnuCopySelectedtoClip{&mnuSelected, "mnuCopySelectedtoClip"};
  ui::MenuItem mnuCopySelFilewithExt{&mnuSelected, "mnuCopySelFilewithExt"};
  ui::MenuItem mnuCopySelFileWOExt{&mnuSelected, "mnuCopySelFileWOExt"};
  ui::MenuItem mnuCopySelFileCSV{&mnuSelected, "mnuCopySelFileCSV"};

  // ---- Window life cycle and layout (mainwindow/) ----------------------------------------
  void Form_Load();
  // Saves the settings and the working set and ends the program; closing is never cancelled.
  void Form_Unload();
  // The layout pass: keeps the minimum size and places the panels from the client size and
  // the two splitter tops.
  void Form_Resize();
  // The load's presentation by SimpleMode: the Simple Mode script selector in place of the
  // tab control, the QSAVE check boxes disabled, thirteen menu entries hidden; otherwise the
  // selector hidden. Fixed for the run.
  void ApplySimpleModeLayout();
  void SSTab1_Click(int previousTab);
  // The User Set buttons: save the working set of set Face, load set index.
  void optPage_Click(int index);
  void Picture2_MouseDown(int button, int shift, int x, int y);
  void Picture2_MouseMove(int button, int shift, int x, int y);
  void Picture2_MouseUp(int button, int shift, int x, int y);
  void Picture3_MouseDown(int button, int shift, int x, int y);
  void Picture3_MouseMove(int button, int shift, int x, int y);
  void Picture3_MouseUp(int button, int shift, int x, int y);
  void Picture1_MouseMove(int button, int shift, int x, int y);
  // Gives a list box a horizontal scroll range of its width less 6000 twips, as pixels.
  void gSetHorizontalExtent(ui::ListBox& list);

  // ---- Settings and working set (mainwindow/, batch/, queue/) ----------------------------
  void SaveAllSettings();
  void FillOutFormatList();
  void SaveFavorites();
  void LoadRecentDir();
  // The User Set snapshot files of one page (0 to 4).
  void SaveSnapshot(std::int16_t page);
  void LoadSnapshot(std::int16_t page);
  void cbIncludeDebugComments_Click();
  void chkIncludeStatus_Click();
  void chkDelay_Click();
  void chkSaveAS_Click();
  void chkTestRun_Click();
  void cmdClear_Click();
  void cmdCloseDefault_Click();
  void cmdSDIDefault_Click();
  // The batch-flow dialog, over the four batch-flow boxes (mainwindow/frm_main_script_tools.cpp).
  void cmdSettingsEditor_Click();
  void cmdOUTBrowse_Click();
  void lblFilesProcessed_Click();

  // ---- The queue (queue/) ----------------------------------------------------------------
  // Enables the queue-dependent buttons and menu entries and shows the queue count.
  void UpdateQueueControls();
  void cmdAddAll_Click();
  void cmdAddDwg_Click();
  void cmdAddAllSub_Click();
  void cmdRemoveDwg_Click();
  void cmdRemoveAllDwg_Click();
  void RemoveUnselectedFromQueue();
  // The loaded-list marker: the File Lists button reads "=File&Lists=" and the queue's
  // tooltip names the saved list while the queue holds it unedited.
  void SetLoadedListMarker(const std::string& listFileName);
  void ClearLoadedListMarker();
  // Saved drawing lists and electrical project files (filetools/): the File Lists window,
  // and the project prompt for a ".wdp" file picked in the browser.
  void cmdFileList_Click();
  void ShowWDPPrompt(const std::string& projectFile);
  void List1_Click();
  void List1_DblClick();
  void List1_KeyDown(int& keyCode, int shift);
  void List1_MouseUp(int button, int shift, int x, int y);
  void List1_SkipFile();
  void List1_OLEDragDrop(const std::vector<std::string>& paths);
  void mnuGotoDir_Click();
  void mnuOpenDirInExplorer_Click();
  void mnuOpen_Click();
  void mnuSkip_Click();
  void mnuRemoveSelectedFiles_Click();
  void mnuRemoveUnselectedFiles_Click();
  void mnuSortAscending_Click();
  void mnuSortDescending_Click();
  void mnuReverseOrder_Click();
  void mnuQueueUpperCase_Click();
  void mnuQueueLowerCase_Click();
  void mnuTextLarger_Click();
  void mnuTextSmaller_Click();
  // Sorts the queue by folder, then by name length and name. Refused (does nothing) while
  // another long operation lets events run; so are the sorts, the reverse, the case change
  // and the duplicate removal below.
  void SmartSort();
  // The automatic sort chosen by AutoSortType, with status texts. Callers run it after
  // their own long operation has ended.
  void PerformSort();
  void mnuSmartSort_Click();
  void mnuRemoveDuplicates2_Click();
  // Removes every entry that repeats a later one in text order, under the stop window, and
  // reports how many went. The list is compacted once, at the end or at a stop.
  void RemoveDuplicateItems(ui::ListBox& list);
  // The clipboard copies of all entries (file names, base names, comma list) and of the
  // selected ones (paths, file names, base names, comma list).
  void mnuCopyListtoClip_Click();
  void mnuCopyWithExt_Click();
  void mnuCopyWOExtension_Click();
  void mnuCopyClipCSV_Click();
  void mnuCopySelectedtoClip_Click();
  void mnuCopySelFilewithExt_Click();
  void mnuCopySelFileWOExt_Click();
  void mnuCopySelFileCSV_Click();
  // Appends the full path of every file of folder and its sub-folders whose name matches
  // pattern ("*.dwg;*.dxf" is two patterns) to list, counts them in ScanFileCount and shows
  // the count in the stop window; ends when STOPSCAN is 1. Links and junctions are not
  // followed, so every file is found once. Each folder's files reach the list together. It
  // lets events run: the caller holds a ui::BusyGuard and shows the stop window.
  void AddFilesRecursive(const std::string& folder, const std::string& pattern, ui::ListBox& list);
  void AddFilesRecursive(const std::string& folder, const std::string& pattern, ui::ComboBox& list);
  // Appends the upper-case title (name less its last four characters) of every file of
  // folder whose name matches pattern to list: templates are loaded by folder and title.
  void AddFileTitlesRecursive(const std::string& folder, const std::string& pattern, ui::ListBox& list);
  void AddFileTitlesRecursive(const std::string& folder, const std::string& pattern, ui::ComboBox& list);

  // The drawing browser.
  void Drive1_Change();
  void Dir1_Change();
  void Dir1_Click();
  void Dir1_OLEDragDrop(const std::vector<std::string>& paths);
  void Frame2_Click();
  void tbDWGFilter_Change();
  void File1_Click();
  void File1_KeyDown(int& keyCode, int shift);
  void File1_DblClick();
  void Command4_explorer_Click();
  void cmdDirWideBrowser_Click();
  // The floating windows: the two quick picks and the preview's toggle.
  void cmdQuickPick_Click();
  void cmdQueueQuickPick_Click();
  void cmdDWGPreviewShow_Click();
  void Command18_Click();
  void Command19_Click();
  void AddCurrentFolderToFavorites();

  // ---- The user-script panel (mainwindow/) -----------------------------------------------
  void Text1_Change();
  void Text2_Change();
  void scrFilter_Change();
  void tbPrefix_Change();
  void tbSuffix_Change();
  // The SAVEAS name the build gives the first queued drawing, with ".DWG".
  void UpdateSaveAsExample();
  // Puts a script file's text into Text1: appended when Append is ticked, else in place of
  // the script with its name taken from File2. Clears SCRChanged.
  void subUpdate_MiniScript(const std::string& content);
  // Loads the clicked script, asking first when unsaved changes would be discarded.
  void File2_Click();
  // The click has loaded the script already; the double-click opens it in the script editor.
  void File2_DblClick();
  // Saves Text1 as the file Text2 names in the list folder, with a copy beside the batch script.
  void cmdSAVESCR_Click();
  void cmdDeleteSCR_Click();
  void chkReadOnly_Click();
  // The script list shows the drawing browser's folder while ticked, else the scripts folder.
  void chkProjDir_Click();
  void frameUserScriptList_Click();
  // Opens Explorer on the scripts folder.
  void Label14_Click();
  // The script box's one-step undo.
  void Command2_Click();
  void cmdClearSCREditor_Click();
  void scrFilter_DblClick();
  void tbScrSelFilter_Change();
  void mnuViewBatchScript_Click();
  void subUpdate_SimpleScript(const std::string& content);
  void fsSimpleScript_Click();
  // The three "Filter" buttons: each shows its pattern-list dialog modally; the drawing and
  // script ones first hand it the text of their filter box.
  void cmdFilterFormShow_Click();
  void cmdFilterUserScriptShow_Click();
  void Command1_Click();
  void ViewBatchScript();
  void OpenInTextEditor(const std::string& path);
  // The script authoring windows (mainwindow/frm_main_script_tools.cpp): the script editor
  // (also Script > "Script &Editor"), the script browser and the command capture.
  void cmdSCREditOpen_Click();
  void cmdBrowse_Click();
  void mnuScriptBrowser_Click();
  void mnuCommandCapture_Click();

  // ---- Tags and the batch engine (tags/, batch/) -----------------------------------------
  // The text with its tags replaced for one drawing; "" after a failure.
  std::string SubstituteTAGS(const std::string& text, std::int32_t counter, const std::string& fileName,
                             std::int16_t index);
  // The project tags replaced for one drawing path, then the other tags; "" after a failure.
  std::string SpSubstituteProjectTAGS(const std::string& text, std::int32_t counter, const std::string& fileName);
  // Applies the META command lines of Text1 to their controls; the sort commands only when
  // IncludeSort is -1, which is also the only scan that reports a value's missing quote.
  void ScanForMetaCommands(std::int16_t IncludeSort);
  void Command1_Compile_Click();
  void cmdCreateAndRun_Click();
  void VerifyQueueFiles();
  void CheckScriptSyntax();
  bool IsReadonly(const std::string& path);

  // ---- Menu handlers (beside what they do) -----------------------------------------------
  void mnuSaveSettings_Click();
  void mnuFileExit_Click();
  void mnuAscending2_Click();
  void mnuDescending2_Click();
  void mnuSmartSort2_Click();
  void mnuReverseOrder2_Click();
  void mnuRemoveDuplicates_Click();
  void mnuVerifyFilesInQueue_Click();
  void mnuCheckScriptSyntax_Click();
  void mnuOutputOther_Click();  // batch/frm_main_write_elsewhere.cpp
  void mnuNightRun_Click();     // batch/frm_main_night_run.cpp
  void mnuRenamer_Click();      // filetools/frm_main_file_renamer.cpp
  // The script wizards (wizards/frm_main_wizards_menu.cpp).
  void mnuCopyPageSetups_Click();
  void mnuRenameLayoutTabs_Click();
  void mnuPurgeWiz_Click();
  void mnuReportLimitsWiz_Click();
  void mnuReportTextWiz_Click();
  void mnuRepTextWiz_Click();
  void mnuMTEXTSnR_Click();
  void mnuTBWiz_Click();
  void mnuResetAcadVars_Click();
  void mnuUserTagManager_Click();
  void mnuProjectTagManager_Click();  // tags/frm_main_project_tags_menu.cpp
  void mnuViewOptions_Click();
  void mnuReadmeh_Click();
  void mnuOnlineFAQ_Click();
  void mnuForum_Click();
  void mnuSGenWWW2_Click();
  void mnuTipOfTheDay_Click();
  void mnuHelpAbout_Click();
  // The drawing file tools (filetools/frm_main_dwg_versions.cpp).
  void mnuDWGRevScan_Click();
  void mnuCombineText_Click();
  // Writes the release of every queued drawing to DATA\<user>-DWGVersion.csv and opens it in
  // the text editor.
  void ReportQueueDWGVersions();

 private:
  // Design-time properties of each region's controls (frm_main.cpp) and the menu tree
  // (frm_main_menu.cpp).
  void DesignBrowser();
  void DesignUserScriptTab();
  void DesignSettingsTab();
  void DesignSaveAsTab();
  void DesignQueueArea();
  void DesignBottomStrip();
  void DesignMenus();
  void WireEvents();
  void WireMenus();
  void WireQueueEvents();
  void WireBrowserEvents();
  // The queue edits' shared steps (queue/).
  void AppendBrowserFiles(bool selectedOnly);
  void AfterAddSteps();
  void RemoveQueueEntries(bool selectedOnes);
  void OpenSelectedEntries();
  void AddDroppedPath(const std::string& path, const runtime::WildcardPatternList& filter);
  void AddDroppedFolder(const std::string& folder);
  // The queue's ordering, copy and scan entries and the "+" button (queue/).
  void WireQueueOrderEvents();
  // The openers of the script authoring windows (mainwindow/frm_main_script_tools.cpp).
  void WireScriptTools();
  // The menu entries of the drawing version tools and the combine tool (filetools/).
  void WireDwgVersionMenus();
  // One META command's effect, with its quoted value (batch/).
  void ApplyMetaCommand(batch::MetaAction action, const std::string& value);
  void ApplyMetaSort(batch::MetaAction action);
  // The text of a script file for a load; false when it cannot be read (a missing folder is
  // reported and sends the drawing browser back to the current folder).
  bool ReadUserScript(const std::string& path, std::string& content);
  // The file Text2 names: the list folder, the name and ".scr".
  std::string NamedScriptPath() const;
  void WireFileListEvents();

  app::App& app_;
  // Set while a drive change falls back to drive C:.
  bool driveFallingBack_ = false;
};

}  // namespace mainwindow

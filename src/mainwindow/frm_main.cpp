#include "mainwindow/frm_main.h"

#include "app/app.h"
#include "ui/tab_order.h"

namespace mainwindow {

namespace {

constexpr const char* kCourier = "Courier New";

void Place(ui::Control& control, int left, int top, int width, int height) {
  control.Move(left, top, width, height);
}

}  // namespace

frmMain::frmMain(app::App& app) : Form(app.Ctx(), "frmMain"), settings(app.Settings()), app_(app) {
  SetCaption("Tornavane");
  SetBorderStyle(ui::BorderStyle::kSizable);
  SetStartUpPosition(ui::StartUpPosition::kManual);
  Move(520, 520, 13084, 10130);

  DesignBrowser();
  DesignUserScriptTab();
  DesignSettingsTab();
  DesignSaveAsTab();
  DesignQueueArea();
  DesignBottomStrip();
  DesignMenus();
  WireEvents();
  WireMenus();
  WireQueueEvents();
}

frmMain::~frmMain() = default;

void frmMain::DesignBrowser() {
  Frame2.SetCaption("Drawing File Selector");
  Frame2.SetToolTipText("Click frame to refresh file list");
  Place(Frame2, 60, 66, 2747, 9300);

  cmdDirWideBrowser.SetCaption("&W");
  cmdDirWideBrowser.SetToolTipText("\"Wide\" Directory Selector");
  Place(cmdDirWideBrowser, 120, 240, 375, 315);
  Command18.SetCaption("&Favorites");
  Command18.SetToolTipText("Manage your \"Favorite\" directories");
  Place(Command18, 540, 240, 1395, 315);
  Command19.SetCaption("&Add");
  Command19.SetToolTipText("Add the currently shown directory to your \"Favourites\"");
  Place(Command19, 2010, 240, 555, 315);

  Drive1.SetToolTipText("Select drive");
  Place(Drive1, 120, 600, 2475, 315);
  Dir1.SetToolTipText("Manually Select directory or DRAG and DROP Directory from Windows EXPLORER");
  Dir1.SetAcceptDrops(true);
  Place(Dir1, 120, 900, 2475, 2650);

  cmdFilterFormShow.SetCaption("Filter");
  cmdFilterFormShow.SetToolTipText("Store your filters");
  Place(cmdFilterFormShow, 120, 3675, 795, 315);
  tbDWGFilter.SetText("*.*");
  tbDWGFilter.SetToolTipText("Enter wildcards such as ? and *");
  Place(tbDWGFilter, 1080, 3675, 1395, 285);

  File1.SetToolTipText("Select files using Drag, SHIFT and CTRL");
  File1.SetMultiSelect(ui::MultiSelect::kExtended);
  Place(File1, 120, 4050, 2475, 4630);

  cmdQuickPick.SetCaption("&QuickPick");
  cmdQuickPick.SetToolTipText("Show the drawings of this folder in a floating Quick Pick window");
  Place(cmdQuickPick, 200, 8850, 1200, 310);
  Command4_explorer.SetCaption("E&xplore");
  Command4_explorer.SetToolTipText("Launch Explorer in the directory selected above.");
  Place(Command4_explorer, 1450, 8850, 1100, 310);

  // The browser splitter: a thin bar that is dragged up and down.
  Picture3.SetBorder(false);
  Picture3.SetMousePointer(ui::Pointer::kSizeNS);
  Place(Picture3, 120, 3600, 2535, 90);
}

void frmMain::DesignUserScriptTab() {
  SSTab1.SetTabs(3);
  SSTab1.SetTabCaption(0, "User Script");
  SSTab1.SetTabCaption(1, "Settings");
  SSTab1.SetTabCaption(2, "\"SAVEAS\" Options");
  SSTab1.SetTab(0);
  Place(SSTab1, 2880, 120, 9934, 3450);

  Text1.SetMultiLine(true);
  Text1.SetScrollBars(ui::ScrollBars::kBoth);
  Text1.SetFontName(kCourier);
  Text1.SetToolTipText("Enter AutoCAD Script (do not include OPEN and QSAVE commands)");
  Place(Text1, 120, 420, 4884, 2600);

  // A thin bar between the script and the list; it stays where it is designed.
  Picture1.SetBorder(false);
  Place(Picture1, 3960, 360, 75, 2895);

  frameUserScriptList.SetCaption("User-Script List");
  frameUserScriptList.SetToolTipText("Click frame to refresh file list");
  Place(frameUserScriptList, 5084, 420, 4755, 2950);

  cmdFilterUserScriptShow.SetCaption("Filter");
  Place(cmdFilterUserScriptShow, 105, 210, 615, 300);
  scrFilter.SetToolTipText("Filter your user scripts (? and * are acceptable)");
  Place(scrFilter, 780, 220, 1035, 285);
  chkProjDir.SetCaption("Display Scripts found in Drawing Directory");
  chkProjDir.SetToolTipText("User Script directory changes to currently displayed directory in Drawing File Selector");
  chkProjDir.SetFontSize(6.75);
  Place(chkProjDir, 1890, 215, 2800, 300);

  File2.SetPattern("*.scr");
  Place(File2, 105, 540, 4515, 1600);

  Label14.SetCaption("User Script Name:");
  Place(Label14, 120, 2200, 1455, 315);
  Place(Text2, 1695, 2200, 2910, 285);

  cmdSAVESCR.SetCaption("&Save");
  cmdSAVESCR.SetToolTipText("Save the currently displayed script");
  Place(cmdSAVESCR, 150, 2550, 855, 315);
  cmdDeleteSCR.SetCaption("&Delete");
  cmdDeleteSCR.SetToolTipText("Delete the currently selected script");
  Place(cmdDeleteSCR, 1080, 2550, 855, 315);
  chkReadOnly.SetCaption("Read-Only");
  Place(chkReadOnly, 2280, 2550, 1215, 315);
  cmdBrowse.SetCaption("&Browse");
  cmdBrowse.SetToolTipText("Browse your drives for scripts");
  Place(cmdBrowse, 3720, 2550, 855, 315);

  cmdClearSCREditor.SetCaption("C&lear");
  cmdClearSCREditor.SetToolTipText("Clear the current script");
  Place(cmdClearSCREditor, 135, 3060, 855, 300);
  Command2.SetCaption("&Undo");
  Command2.SetToolTipText("Undo your last Edit");
  Place(Command2, 1080, 3060, 855, 300);
  cmdSCREditOpen.SetCaption("&Editor");
  cmdSCREditOpen.SetToolTipText("Script Editor");
  Place(cmdSCREditOpen, 2000, 3060, 885, 300);
  chkAppend.SetCaption("Append");
  Place(chkAppend, 3904, 3100, 1000, 255);

  // Reading order: the script box with the row under it, then the script list's frame.
  ui::SetTabOrder(
      {&Text1, &cmdClearSCREditor, &Command2, &cmdSCREditOpen, &chkAppend, &frameUserScriptList, &Picture1});
  ui::SetTabOrder({&cmdFilterUserScriptShow, &scrFilter, &chkProjDir, &File2, &Label14, &Text2, &cmdSAVESCR,
                   &cmdDeleteSCR, &chkReadOnly, &cmdBrowse});
}

void frmMain::DesignSettingsTab() {
  auto step = [](ui::Label& label, const char* caption, int top) {
    label.SetCaption(caption);
    label.Move(240, top, 2000, 255);
  };
  auto flowBox = [](ui::TextBox& box, const char* tip, int top) {
    box.SetMultiLine(true);
    box.SetFontName(kCourier);
    box.SetToolTipText(tip);
    box.Move(2280, top, 3780, 375);
  };
  step(lblPreBatch, "1. PreBatch Command", 500);
  flowBox(tbPreBatch, "This command is added to the beginning of your script (optional)", 460);
  step(lblOpen, "2. OPEN [Filename]", 930);
  step(lblPreUserScript, "3. PreUserScript", 1230);
  flowBox(tbPreUserScript, "These commands are added to your script BEFORE your user script (optional)", 1190);
  step(lblUserScript, "4. [User Script]", 1660);
  step(lblQSave, "5. QSAVE (Optional)", 1930);
  step(lblPostUserScript, "6. PostUserScript", 2230);
  flowBox(tbPostUserScript, "These commands are added to your script AFTER your user script (optional)", 2190);
  step(lblPostBatch, "7. PostBatch Command", 2720);
  flowBox(tbPostBatch, "This command is added to the end of your script (optional)", 2680);
  lblLooped.SetCaption("This gets Looped");
  lblLooped.SetWordWrap(true);
  lblLooped.SetAlignment(ui::Alignment::kCenter);
  lblLooped.Move(6120, 1420, 720, 720);

  cbIncludeDebugComments.SetCaption("Include Debug Comments (1-7)");
  cbIncludeDebugComments.SetToolTipText(
      "Include comments in script which identify each of the parts shown on the left");
  cbIncludeDebugComments.Move(6960, 420, 2880, 255);
  chkIncludeStatus.SetCaption("Include Status in AutoCAD Status Bar");
  chkIncludeStatus.Move(6960, 700, 2880, 420);
  cmdSettingsEditor.SetCaption("Larger Editor");
  cmdSettingsEditor.Move(6960, 1170, 1455, 315);

  Frame5.SetCaption("Default Templates");
  Frame5.Move(6960, 1580, 2760, 1395);
  cmdClear.SetCaption("Clear");
  cmdClear.Move(120, 270, 2520, 315);
  cmdCloseDefault.SetCaption("Use _CLOSE");
  cmdCloseDefault.Move(120, 630, 2520, 315);
  cmdSDIDefault.SetCaption("Use SDI on/off");
  cmdSDIDefault.Move(120, 990, 2520, 315);
}

void frmMain::DesignSaveAsTab() {
  auto caption = [](ui::Label& label, const char* text, int left, int top, int width) {
    label.SetCaption(text);
    label.SetAlignment(ui::Alignment::kRight);
    label.Move(left, top, width, 255);
  };
  // The captions' column is as wide as the longest caption on one line.
  caption(lblOutFormat, "Output Format:", 240, 540, 2265);
  cmbOutFormat.SetToolTipText("Selects the output format to SAVEAS");
  cmbOutFormat.Move(2580, 495, 1935, 315);
  caption(lblPrefix, "Output Name Prefix:", 240, 960, 2265);
  tbPrefix.SetToolTipText("Output file Prefix");
  tbPrefix.Move(2580, 915, 1935, 285);
  caption(lblSuffix, "Suffix:", 4560, 960, 810);
  tbSuffix.SetToolTipText("Output file Suffix");
  tbSuffix.Move(5460, 915, 1635, 285);
  caption(lblSAVEASExOutput, "Example Output Filename:", 240, 1380, 2265);
  tbSAVEASExOutput.SetToolTipText("Example output file showing Prefix and Suffix");
  tbSAVEASExOutput.SetLocked(true);
  tbSAVEASExOutput.SetBackColor(ui::kButtonFace);
  tbSAVEASExOutput.Move(2580, 1335, 4515, 285);

  Frame4.SetCaption("Output to:");
  Frame4.Move(240, 1800, 6855, 975);
  optOriginalLocation.SetCaption("Same Location");
  optOriginalLocation.SetToolTipText("Keeps files in their original directory");
  optOriginalLocation.SetValue(true);
  optOriginalLocation.Move(120, 270, 1695, 255);
  optSpecFolder.SetCaption("This Location");
  optSpecFolder.SetToolTipText("SAVEAS files to this specific directory");
  optSpecFolder.Move(120, 585, 1455, 255);
  tbSpecFolder.Move(1680, 555, 4095, 285);
  cmdOUTBrowse.SetCaption("Browse");
  cmdOUTBrowse.Move(5880, 540, 855, 315);

  chkOverwriteExistingFiles.SetCaption("Overwrite existing files");
  chkOverwriteExistingFiles.SetToolTipText(
      "When Tornavane generates a Batch Script, it will look to see if the file already exists, and if it "
      "does, will automatically add the appropriate code to overwrite the file.");
  chkOverwriteExistingFiles.Move(7320, 495, 2415, 255);

  Label3.SetCaption(
      "(Note: the output format totally depends on the abilities of the version of AutoCAD you are using.");
  Label3.SetWordWrap(true);
  Label3.Move(7320, 1335, 2415, 1095);

  frameSimpleScrSelect.SetCaption("Script Selector");
  Place(frameSimpleScrSelect, 3000, 50, 9884, 3450);
  lblFilter.SetCaption("Filter");
  Place(lblFilter, 240, 240, 495, 255);
  Place(tbScrSelFilter, 840, 240, 1935, 285);
  Command1.SetCaption("Filter");
  Place(Command1, 2880, 240, 795, 275);
  fsSimpleScript.SetPattern("*.scr");
  Place(fsSimpleScript, 150, 520, 9584, 2800);
}

void frmMain::DesignQueueArea() {
  // The queue splitter: a thin bar that is dragged up and down.
  Picture2.SetBorder(false);
  Picture2.SetMousePointer(ui::Pointer::kSizeNS);
  Place(Picture2, 2880, 3600, 9884, 70);

  cmdAddAll.SetCaption("Add All");
  cmdAddAll.SetToolTipText("Add all files currently shown in the file selector to queue");
  Place(cmdAddAll, 2880, 3740, 735, 315);
  cmdAddAllSub.SetCaption("+");
  cmdAddAllSub.SetToolTipText("Add all files from sub-directories matching the filter to queue");
  Place(cmdAddAllSub, 3600, 3740, 345, 315);
  cmdAddDwg.SetCaption("Add -->");
  cmdAddDwg.SetToolTipText("Add selected files to queue");
  Place(cmdAddDwg, 2880, 4100, 1125, 315);
  cmdRemoveDwg.SetCaption("<-- Remove");
  cmdRemoveDwg.SetToolTipText("Remove selected files from queue");
  Place(cmdRemoveDwg, 2880, 4460, 1125, 315);
  cmdRemoveAllDwg.SetCaption("Clear All");
  cmdRemoveAllDwg.SetToolTipText("Remove all files from queue");
  Place(cmdRemoveAllDwg, 2880, 4820, 1065, 315);
  cmdFileList.SetCaption("File&Lists");
  cmdFileList.SetToolTipText("Manage your \"File Lists\"");
  Place(cmdFileList, 2880, 5300, 1065, 315);

  Frame3.SetCaption("Options");
  Place(Frame3, 2821, 5780, 1215, 1200);
  chkSaveAS.SetCaption("SA&VEAS");
  Place(chkSaveAS, 60, 240, 975, 195);
  chkDelay.SetCaption("Delay");
  Place(chkDelay, 60, 480, 855, 255);
  chkTestRun.SetCaption("&Test Run");
  chkTestRun.SetToolTipText("Create script without saving the results (debug mode)");
  Place(chkTestRun, 60, 720, 1125, 315);

  cmdDWGPreviewShow.SetCaption("&Preview");
  cmdDWGPreviewShow.SetToolTipText("Show or hide the drawing preview window");
  Place(cmdDWGPreviewShow, 2880, 7100, 1065, 315);

  List1.SetMultiSelect(ui::MultiSelect::kExtended);
  List1.SetFontName(kCourier);
  List1.SetAcceptDrops(true);
  Place(List1, 4067, 3690, 8644, 4740);
}

void frmMain::DesignBottomStrip() {
  lblFilesInQueue.SetCaption("Files in Queue =");
  lblFilesInQueue.SetToolTipText("The Number of Files Currently in the Queue");
  Place(lblFilesInQueue, 2890, 8620, 1725, 255);
  lblFilesProcessed.SetCaption("Files Processed = ");
  lblFilesProcessed.SetToolTipText("The Number of Files Processed into a Batch Script - Click to Reset");
  Place(lblFilesProcessed, 2890, 8870, 1725, 255);
  lblUpdate.SetCaption("Progress - Ready");
  Place(lblUpdate, 2890, 9120, 1695, 255);

  Command1_Compile.SetCaption("&Create Batch Script");
  Command1_Compile.SetEnabled(false);
  Place(Command1_Compile, 4700, 8720, 2500, 547);
  cmdCreateAndRun.SetCaption("Create && &RUN Batch Script");
  cmdCreateAndRun.SetEnabled(false);
  Place(cmdCreateAndRun, 7280, 8720, 2500, 547);
  cmdQueueQuickPick.SetCaption("Quic&kQueue");
  cmdQueueQuickPick.SetToolTipText("Show the queue in a floating Quick Pick window");
  Place(cmdQueueQuickPick, 10000, 8915, 1140, 350);

  frmSet.SetCaption("User Set");
  Place(frmSet, 11200, 8615, 1455, 615);
  for (int i = 0; i < 5; ++i) {
    ui::OptionButton& page = optPage.Load(i);
    page.Move(120 + 240 * i, 240, 200, 255);
    page.SetToolTipText("User Set " + std::to_string(i + 1));
  }
}

void frmMain::WireEvents() {
  onLoad = [this] { Form_Load(); };
  onUnload = [this](bool&) { Form_Unload(); };
  onResize = [this] { Form_Resize(); };

  SSTab1.onClick = [this](int previousTab) { SSTab1_Click(previousTab); };
  optPage.On(&ui::OptionButton::onClick, [this](int index) { optPage_Click(index); });
  Picture2.onMouseDown = [this](int b, int s, int px, int py) { Picture2_MouseDown(b, s, px, py); };
  Picture2.onMouseMove = [this](int b, int s, int px, int py) { Picture2_MouseMove(b, s, px, py); };
  Picture2.onMouseUp = [this](int b, int s, int px, int py) { Picture2_MouseUp(b, s, px, py); };
  Picture3.onMouseDown = [this](int b, int s, int px, int py) { Picture3_MouseDown(b, s, px, py); };
  Picture3.onMouseMove = [this](int b, int s, int px, int py) { Picture3_MouseMove(b, s, px, py); };
  Picture3.onMouseUp = [this](int b, int s, int px, int py) { Picture3_MouseUp(b, s, px, py); };
  Picture1.onMouseMove = [this](int b, int s, int px, int py) { Picture1_MouseMove(b, s, px, py); };

  WireBrowserEvents();

  Text1.onChange = [this] { Text1_Change(); };
  Text2.onChange = [this] { Text2_Change(); };
  scrFilter.onChange = [this] { scrFilter_Change(); };
  tbPrefix.onChange = [this] { tbPrefix_Change(); };
  tbSuffix.onChange = [this] { tbSuffix_Change(); };
  fsSimpleScript.onClick = [this] { fsSimpleScript_Click(); };
  File2.onClick = [this] { File2_Click(); };
  File2.onDblClick = [this] { File2_DblClick(); };
  scrFilter.onDblClick = [this] { scrFilter_DblClick(); };
  tbScrSelFilter.onChange = [this] { tbScrSelFilter_Change(); };
  cmdSAVESCR.onClick = [this] { cmdSAVESCR_Click(); };
  cmdDeleteSCR.onClick = [this] { cmdDeleteSCR_Click(); };
  chkReadOnly.onClick = [this] { chkReadOnly_Click(); };
  chkProjDir.onClick = [this] { chkProjDir_Click(); };
  frameUserScriptList.onClick = [this] { frameUserScriptList_Click(); };
  Label14.onClick = [this] { Label14_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  cmdClearSCREditor.onClick = [this] { cmdClearSCREditor_Click(); };
  cmdFilterFormShow.onClick = [this] { cmdFilterFormShow_Click(); };
  cmdFilterUserScriptShow.onClick = [this] { cmdFilterUserScriptShow_Click(); };
  Command1.onClick = [this] { Command1_Click(); };

  cbIncludeDebugComments.onClick = [this] { cbIncludeDebugComments_Click(); };
  chkIncludeStatus.onClick = [this] { chkIncludeStatus_Click(); };
  chkDelay.onClick = [this] { chkDelay_Click(); };
  chkSaveAS.onClick = [this] { chkSaveAS_Click(); };
  chkTestRun.onClick = [this] { chkTestRun_Click(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdCloseDefault.onClick = [this] { cmdCloseDefault_Click(); };
  cmdSDIDefault.onClick = [this] { cmdSDIDefault_Click(); };
  cmdSettingsEditor.onClick = [this] { cmdSettingsEditor_Click(); };
  cmdOUTBrowse.onClick = [this] { cmdOUTBrowse_Click(); };
  lblFilesProcessed.onClick = [this] { lblFilesProcessed_Click(); };

  Command1_Compile.onClick = [this] { Command1_Compile_Click(); };
  cmdCreateAndRun.onClick = [this] { cmdCreateAndRun_Click(); };
}

}  // namespace mainwindow

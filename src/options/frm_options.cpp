#include "options/frm_options.h"

#include "app/app.h"

namespace options {

namespace {

constexpr ui::Color kLinkBlue = 0xFF0000;

void Place(ui::Control& control, int left, int top, int width, int height) {
  control.Move(left, top, width, height);
}

}  // namespace

frmOptions::frmOptions(app::App& app) : Form(app.Ctx(), "frmOptions"), app_(app) {
  SetCaption(" Tornavane Options");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 8415, 7230);

  SSTab1.SetTabs(6);
  const char* tabs[] = {"Config", "Prefs", "GUI", "Log", "Reset", "Backup"};
  for (int i = 0; i < 6; ++i) SSTab1.SetTabCaption(i, tabs[i]);
  Place(SSTab1, 120, 120, 8055, 6135);
  Command2.SetCaption("&OK");
  Place(Command2, 6840, 6360, 1335, 375);

  DesignConfigTab();
  DesignPrefsTab();
  DesignGuiTab();
  DesignLogResetBackupTabs();
  WireEvents();
}

void frmOptions::DesignConfigTab() {
  fraCompatibility.SetCaption("Compatibility");
  Place(fraCompatibility, 120, 420, 7815, 615);
  chkLT.SetCaption("AutoCAD LT (No Lisp)");
  Place(chkLT, 240, 270, 3255, 255);

  fraTextEditor.SetCaption("Text Editor (Example: NOTEPAD.EXE)");
  Place(fraTextEditor, 120, 1080, 7815, 735);
  Text2.SetToolTipText("NOTEPAD.EXE (Recomended as it is in the path)");
  Place(Text2, 240, 300, 6135, 315);
  Command1.SetCaption("Bro&wse");
  Place(Command1, 6480, 270, 1215, 375);

  fraOutput.SetCaption("Tornavane Script Output (C:\\AutoCAD\\SUPPORT\\ recommended)");
  Place(fraOutput, 120, 1860, 7815, 1575);
  optNormalOutputPath.SetCaption("Batch Script Output Path");
  optNormalOutputPath.SetToolTipText("Normal output path select");
  Place(optNormalOutputPath, 240, 270, 7335, 255);
  Text1.SetToolTipText("C:\\PROGRAM FILES\\AUTOCAD\\SUPPORT\\TORNAVANE.SCR (Recommended)");
  Place(Text1, 480, 540, 5895, 315);
  cmdBrowseSCRDir.SetCaption("B&rowse");
  Place(cmdBrowseSCRDir, 6480, 510, 1215, 375);
  optAltOutputPath.SetCaption("Alternate Batch Script Output (eg: N:\\SCRIPTS\\tornavane.scr)");
  optAltOutputPath.SetToolTipText("Alternate output path select");
  Place(optAltOutputPath, 240, 900, 7335, 255);
  tbAltOutput.SetToolTipText("Alternate output path (Possibly a Network drive)");
  Place(tbAltOutput, 480, 1170, 5895, 315);

  fraAcadExe.SetCaption("AutoCAD Executable Location");
  Place(fraAcadExe, 120, 3480, 7815, 1335);
  tbAutoCadEXE.SetToolTipText("The path to your AutoCAD executable");
  Place(tbAutoCadEXE, 240, 300, 6135, 315);
  cmdBrowseAcadEXE.SetCaption("&Browse");
  Place(cmdBrowseAcadEXE, 6480, 270, 1215, 375);
  lblSwitches.SetCaption("Switches/Parameters (eg. /p \"f:\\extra\\acad_set\\ed-map.arg\")");
  Place(lblSwitches, 240, 690, 7335, 255);
  Place(tbSwitches, 240, 930, 6135, 315);

  fraUserScripts.SetCaption("Location of User Scripts");
  Place(fraUserScripts, 120, 4860, 7815, 1035);
  optScriptDirDefault.Load(0).SetCaption("Default /SCRIPTS/ directory.");
  Place(optScriptDirDefault[0], 240, 270, 3495, 255);
  optScriptDirDefault.Load(1).SetCaption("Other");
  Place(optScriptDirDefault[1], 240, 600, 855, 255);
  Place(tbScriptDir, 1140, 570, 5235, 315);
  cmdBrowseSCRIPTSDir.SetCaption("Brow&se");
  Place(cmdBrowseSCRIPTSDir, 6480, 540, 1215, 375);
}

void frmOptions::DesignPrefsTab() {
  fraDelay.SetCaption("When \"Delay\" Checkbox Enabled");
  Place(fraDelay, 120, 420, 7815, 615);
  lblDelayValue.SetCaption(" Delay Value =");
  Place(lblDelayValue, 225, 285, 1275, 255);
  tbDelay.SetToolTipText("(milliseconds)");
  Place(tbDelay, 1500, 240, 975, 315);
  lblMilliseconds.SetCaption("(milliseconds)");
  Place(lblMilliseconds, 2580, 285, 1500, 255);

  fraSyntaxWarnings.SetCaption("Display Syntax Warnings");
  Place(fraSyntaxWarnings, 120, 1080, 7815, 2955);
  struct Row {
    ui::CheckBox& box;
    const char* caption;
  };
  const Row rows[] = {
      {chkWarnLTLisp, "Warn when attempting to use Lisp with LT."},
      {chkResourcesStarved, "Warn when attempting to open more than                 files."},
      {chkScanForRogueTags, "Warn when PROJECT TAGs were not replaced in output script."},
      {chkVerifyFilesInQueue, "Warn (with options) when a file in the Queue is Read-Only, or does not exist."},
      {chkWarnFolderNotExist, "Warn when referencing a folder in the output script that doesn't exist."},
      {chkWarnLineEndsWithSpace, "Warn when line ends with \"Space\" in user script."},
      {chkWarnSpaceInBlank, "Warn when a \"Space\" on a blank line exists in user script."},
      {chkWarnBlankLine, "Warn when \"Blank Line\" exists in user script."},
      {chkWarnDoubleSpace, "Warn when a \"Double Space\" exists in user script."},
  };
  int top = 270;
  for (const Row& row : rows) {
    row.box.SetCaption(row.caption);
    Place(row.box, 240, top, 7455, 255);
    top += 300;
  }
  // The limit box sits in the gap the caption leaves for it.
  Place(tbResourceFileLimit, 4425, 555, 615, 285);
  chkWarnDoubleSpace.SetToolTipText(
      "This option will enable a simple check on your script, and display any potential problems, when you "
      "attempt to \"create\" it.");

  fraLoadDrawings.SetCaption("To Load Drawings");
  Place(fraLoadDrawings, 120, 4080, 7815, 1335);
  const char* loadCaptions[] = {"Use \"OPEN...\" (with DBMOD)", "Use \"RECOVER...\" (with DBMOD)", "Other",
                                "Use DWGGateway"};
  for (int i = 0; i < 4; ++i) {
    optLoadOpen.Load(i).SetCaption(loadCaptions[i]);
    Place(optLoadOpen[i], 240, 270 + 255 * i, i == 2 ? 855 : 3255, 255);
  }
  optLoadOpen[3].SetValue(true);
  Place(tbOpenOther, 1140, 750, 2115, 285);
  Label8.SetCaption("(what is this?)");
  Label8.SetForeColor(kLinkBlue);
  Label8.SetMousePointer(ui::Pointer::kArrowQuestion);
  Place(Label8, 2100, 1050, 1335, 255);

  fraFavorites.SetCaption("Favorites");
  Place(fraFavorites, 120, 5460, 7815, 555);
  chkFavorites.SetCaption("Automatically add Directory Names to \"Favorites\" List");
  Place(chkFavorites, 240, 240, 7455, 255);
}

void frmOptions::DesignGuiTab() {
  fraAutoSort.SetCaption("Auto Sort Files in Queue");
  Place(fraAutoSort, 120, 420, 7815, 1215);
  chkAutoSortEnabled.SetCaption("Enabled");
  Place(chkAutoSortEnabled, 240, 270, 1455, 255);
  const char* sortCaptions[] = {"Standard - Ascending", "Standard - Descending", "\"Smart-Sort\" - Ascending",
                                "\"Smart-Sort\" - Descending"};
  for (int i = 0; i < 4; ++i) {
    optSort.Load(i).SetCaption(sortCaptions[i]);
    Place(optSort[i], i < 2 ? 480 : 3600, i % 2 == 0 ? 570 : 870, i < 2 ? 3015 : 3735, 255);
  }

  fraAdvanced.SetCaption("Advanced");
  Place(fraAdvanced, 120, 1740, 7815, 855);
  chkAutoMinimize.SetCaption("Minimize Tornavane after creating Batch Script.");
  Place(chkAutoMinimize, 240, 270, 7455, 255);
  Check1.SetCaption("Launch Batch Script in Text Editor when Created.");
  Place(Check1, 240, 540, 7455, 255);

  fraMeta.SetCaption("META Commands");
  Place(fraMeta, 120, 2700, 7815, 855);
  chkMetaEnable.SetCaption("Enable \"META Commands\"");
  Place(chkMetaEnable, 240, 270, 3255, 255);
  chkMetaImmediate.SetCaption("Enable Live META Update");
  Place(chkMetaImmediate, 240, 540, 2460, 255);
  lblMetaImmediate.SetCaption(" (Tornavane Interface will change as commands are typed)");
  Place(lblMetaImmediate, 2715, 555, 5055, 255);

  fraPreview.SetCaption("DWG Preview Window");
  Place(fraPreview, 120, 3660, 7815, 615);
  chkShowPreview.SetCaption("Show Drawing Preview Window when program starts.");
  Place(chkShowPreview, 240, 270, 7455, 255);
}

void frmOptions::DesignLogResetBackupTabs() {
  chkEnableLogging.SetCaption("Enable Logging");
  Place(chkEnableLogging, 360, 600, 3000, 255);
  lblLogWarning.SetCaption(
      "WARNING: Don't turn this feature on unless you would like to record all your application settings and data "
      "each time a script is created!");
  lblLogWarning.SetWordWrap(true);
  Place(lblLogWarning, 360, 1080, 7335, 735);
  lblLogFile.SetCaption("Logging will create a file in the DATA directory called \"tornavane.log\".");
  lblLogFile.SetWordWrap(true);
  Place(lblLogFile, 360, 1920, 7335, 495);

  struct Reset {
    ui::CommandButton& button;
    const char* caption;
  };
  const Reset resets[] = {
      {cmdResetRegistry, "Reset Entire Tornavane Registry (except user info)"},
      {cmdResetQPPos, "Reset Both QuickPicks Positions ONLY"},
      {cmdResetSCREditPos, "Reset Script Editor Box Position ONLY"},
      {cmdResetAPPPos, "Reset Tornavane App Size/Pos ONLY"},
      {cmdResetDWGPreviewPos, "Reset DWG Preview Size/Pos ONLY"},
  };
  int top = 720;
  for (const Reset& reset : resets) {
    reset.button.SetCaption(reset.caption);
    Place(reset.button, 1080, top, 5895, 495);
    top += 720;
  }

  lblBackup.SetCaption(
      "Backup copies the /SCRIPTS/ folder into a folder called /BACKUP/, in a new folder named by the date and "
      "time of the backup.");
  lblBackup.SetWordWrap(true);
  Place(lblBackup, 360, 720, 7335, 735);
  cmdBackup.SetCaption("Backup");
  Place(cmdBackup, 1080, 1680, 2175, 495);
  cmdExploreBackup.SetCaption("View Backup(s)");
  Place(cmdExploreBackup, 3960, 1680, 2175, 495);
}

void frmOptions::WireEvents() {
  onLoad = [this] { Form_Load(); };
  Command2.onClick = [this] { Command2_Click(); };
  chkLT.onClick = [this] { chkLT_Click(); };
  chkMetaEnable.onClick = [this] { chkMetaEnable_Click(); };
  chkAutoSortEnabled.onClick = [this] { chkAutoSortEnabled_Click(); };
  cmdBrowseAcadEXE.onClick = [this] { cmdBrowseAcadEXE_Click(); };
  cmdBrowseSCRDir.onClick = [this] { cmdBrowseSCRDir_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  cmdBrowseSCRIPTSDir.onClick = [this] { cmdBrowseSCRIPTSDir_Click(); };
  Label8.onClick = [this] { Label8_Click(); };
  tbSwitches.onLostFocus = [this] { tbSwitches_LostFocus(); };
  Text1.onLostFocus = [this] { Text1_LostFocus(); };
  cmdResetRegistry.onClick = [this] { cmdResetRegistry_Click(); };
  cmdResetQPPos.onClick = [this] { cmdResetQPPos_Click(); };
  cmdResetSCREditPos.onClick = [this] { cmdResetSCREditPos_Click(); };
  cmdResetAPPPos.onClick = [this] { cmdResetAPPPos_Click(); };
  cmdResetDWGPreviewPos.onClick = [this] { cmdResetDWGPreviewPos_Click(); };
  cmdBackup.onClick = [this] { cmdBackup_Click(); };
  cmdExploreBackup.onClick = [this] { cmdExploreBackup_Click(); };
}

std::optional<int> ChosenOption(const ui::ControlArray<ui::OptionButton>& group) {
  for (ui::OptionButton* option : group.Elements()) {
    if (option->Value()) return option->Index();
  }
  return std::nullopt;
}

}  // namespace options

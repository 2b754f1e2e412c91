#pragma once

#include <optional>
#include <string>

#include "ui/ui.h"

namespace app {
class App;
}

namespace options {

// The options dialog: the program-wide settings that are not on the main window. It is
// loaded hidden while the main window loads and stays loaded as a store: the run button
// reads tbAutoCadEXE, tbSwitches and Text1 directly, the batch log also tbAltOutput and the
// two output options. Whenever it loads it fills every control from the main window's
// settings fields; "&OK" checks the boxes, copies them back into the fields, stores them and
// hides the dialog. The close box unloads it and drops the edits.
class frmOptions : public ui::Form {
 public:
  explicit frmOptions(app::App& app);

  ui::TabControl SSTab1{this, "SSTab1"};
  ui::CommandButton Command2{this, "Command2"};

  // ---- "Config" --------------------------------------------------------------------------
  ui::Frame fraCompatibility{SSTab1.Page(0), "fraCompatibility"};
  ui::CheckBox chkLT{&fraCompatibility, "chkLT"};

  ui::Frame fraTextEditor{SSTab1.Page(0), "fraTextEditor"};
  ui::TextBox Text2{&fraTextEditor, "Text2"};
  ui::CommandButton Command1{&fraTextEditor, "Command1"};

  ui::Frame fraOutput{SSTab1.Page(0), "fraOutput"};
  ui::OptionButton optNormalOutputPath{&fraOutput, "optNormalOutputPath"};
  ui::TextBox Text1{&fraOutput, "Text1"};
  ui::CommandButton cmdBrowseSCRDir{&fraOutput, "cmdBrowseSCRDir"};
  ui::OptionButton optAltOutputPath{&fraOutput, "optAltOutputPath"};
  ui::TextBox tbAltOutput{&fraOutput, "tbAltOutput"};

  ui::Frame fraAcadExe{SSTab1.Page(0), "fraAcadExe"};
  ui::TextBox tbAutoCadEXE{&fraAcadExe, "tbAutoCadEXE"};
  ui::CommandButton cmdBrowseAcadEXE{&fraAcadExe, "cmdBrowseAcadEXE"};
  ui::Label lblSwitches{&fraAcadExe, "lblSwitches"};
  ui::TextBox tbSwitches{&fraAcadExe, "tbSwitches"};

  ui::Frame fraUserScripts{SSTab1.Page(0), "fraUserScripts"};
  ui::ControlArray<ui::OptionButton> optScriptDirDefault{&fraUserScripts, "optScriptDirDefault"};
  ui::TextBox tbScriptDir{&fraUserScripts, "tbScriptDir"};
  ui::CommandButton cmdBrowseSCRIPTSDir{&fraUserScripts, "cmdBrowseSCRIPTSDir"};

  // ---- "Prefs" ---------------------------------------------------------------------------
  ui::Frame fraDelay{SSTab1.Page(1), "fraDelay"};
  ui::Label lblDelayValue{&fraDelay, "lblDelayValue"};
  ui::TextBox tbDelay{&fraDelay, "tbDelay"};
  ui::Label lblMilliseconds{&fraDelay, "lblMilliseconds"};

  ui::Frame fraSyntaxWarnings{SSTab1.Page(1), "fraSyntaxWarnings"};
  ui::CheckBox chkWarnLTLisp{&fraSyntaxWarnings, "chkWarnLTLisp"};
  // Declared before its check box, so it lies above it in the gap of the caption.
  ui::TextBox tbResourceFileLimit{&fraSyntaxWarnings, "tbResourceFileLimit"};
  ui::CheckBox chkResourcesStarved{&fraSyntaxWarnings, "chkResourcesStarved"};
  ui::CheckBox chkScanForRogueTags{&fraSyntaxWarnings, "chkScanForRogueTags"};
  ui::CheckBox chkVerifyFilesInQueue{&fraSyntaxWarnings, "chkVerifyFilesInQueue"};
  ui::CheckBox chkWarnFolderNotExist{&fraSyntaxWarnings, "chkWarnFolderNotExist"};
  ui::CheckBox chkWarnLineEndsWithSpace{&fraSyntaxWarnings, "chkWarnLineEndsWithSpace"};
  ui::CheckBox chkWarnSpaceInBlank{&fraSyntaxWarnings, "chkWarnSpaceInBlank"};
  ui::CheckBox chkWarnBlankLine{&fraSyntaxWarnings, "chkWarnBlankLine"};
  ui::CheckBox chkWarnDoubleSpace{&fraSyntaxWarnings, "chkWarnDoubleSpace"};

  ui::Frame fraLoadDrawings{SSTab1.Page(1), "fraLoadDrawings"};
  ui::ControlArray<ui::OptionButton> optLoadOpen{&fraLoadDrawings, "optLoadOpen"};
  ui::TextBox tbOpenOther{&fraLoadDrawings, "tbOpenOther"};
  ui::Label Label8{&fraLoadDrawings, "Label8"};

  ui::Frame fraFavorites{SSTab1.Page(1), "fraFavorites"};
  ui::CheckBox chkFavorites{&fraFavorites, "chkFavorites"};

  // ---- "GUI" -----------------------------------------------------------------------------
  ui::Frame fraAutoSort{SSTab1.Page(2), "fraAutoSort"};
  ui::CheckBox chkAutoSortEnabled{&fraAutoSort, "chkAutoSortEnabled"};
  ui::ControlArray<ui::OptionButton> optSort{&fraAutoSort, "optSort"};

  ui::Frame fraAdvanced{SSTab1.Page(2), "fraAdvanced"};
  ui::CheckBox chkAutoMinimize{&fraAdvanced, "chkAutoMinimize"};
  ui::CheckBox Check1{&fraAdvanced, "Check1"};

  ui::Frame fraMeta{SSTab1.Page(2), "fraMeta"};
  ui::CheckBox chkMetaEnable{&fraMeta, "chkMetaEnable"};
  ui::CheckBox chkMetaImmediate{&fraMeta, "chkMetaImmediate"};
  ui::Label lblMetaImmediate{&fraMeta, "lblMetaImmediate"};

  ui::Frame fraPreview{SSTab1.Page(2), "fraPreview"};
  ui::CheckBox chkShowPreview{&fraPreview, "chkShowPreview"};

  // ---- "Log" -----------------------------------------------------------------------------
  ui::CheckBox chkEnableLogging{SSTab1.Page(3), "chkEnableLogging"};
  ui::Label lblLogWarning{SSTab1.Page(3), "lblLogWarning"};
  ui::Label lblLogFile{SSTab1.Page(3), "lblLogFile"};

  // ---- "Reset" ---------------------------------------------------------------------------
  ui::CommandButton cmdResetRegistry{SSTab1.Page(4), "cmdResetRegistry"};
  ui::CommandButton cmdResetQPPos{SSTab1.Page(4), "cmdResetQPPos"};
  ui::CommandButton cmdResetSCREditPos{SSTab1.Page(4), "cmdResetSCREditPos"};
  ui::CommandButton cmdResetAPPPos{SSTab1.Page(4), "cmdResetAPPPos"};
  ui::CommandButton cmdResetDWGPreviewPos{SSTab1.Page(4), "cmdResetDWGPreviewPos"};

  // ---- "Backup" --------------------------------------------------------------------------
  ui::Label lblBackup{SSTab1.Page(5), "lblBackup"};
  ui::CommandButton cmdBackup{SSTab1.Page(5), "cmdBackup"};
  ui::CommandButton cmdExploreBackup{SSTab1.Page(5), "cmdExploreBackup"};

  // ---- Load and the enabling rules (frm_options_load.cpp) ---------------------------------
  void Form_Load();
  // Greys the five wizards whose scripts need AutoLISP or VBA while the LT field is 1.
  void SetMenus();
  // Live META updates need META commands: chkMetaImmediate follows chkMetaEnable.
  void UpdateButtons();
  void chkLT_Click();
  void chkMetaEnable_Click();
  void chkAutoSortEnabled_Click();
  // The "&Options" menu: modal with the owner, or to the front when it is already open.
  void ShowFromMenu(ui::Form& owner);

  // ---- "&OK" (frm_options_ok.cpp) --------------------------------------------------------
  void Command2_Click();

  // ---- Buttons that act at once (frm_options_actions.cpp) --------------------------------
  void cmdBrowseAcadEXE_Click();
  void cmdBrowseSCRDir_Click();
  void Command1_Click();
  void cmdBrowseSCRIPTSDir_Click();
  void Label8_Click();
  void tbSwitches_LostFocus();
  void Text1_LostFocus();
  void cmdResetRegistry_Click();
  void cmdResetQPPos_Click();
  void cmdResetSCREditPos_Click();
  void cmdResetAPPPos_Click();
  void cmdResetDWGPreviewPos_Click();
  void cmdBackup_Click();
  void cmdExploreBackup_Click();

 private:
  void DesignConfigTab();
  void DesignPrefsTab();
  void DesignGuiTab();
  void DesignLogResetBackupTabs();
  void WireEvents();
  void EnableSortOptions();
  // Shows a message about a box that must hold a whole number and puts the focus there.
  void RefuseNumber(ui::TextBox& box, const std::string& text);

  app::App& app_;
};

// The index of the chosen option of a group; nothing when none is chosen.
std::optional<int> ChosenOption(const ui::ControlArray<ui::OptionButton>& group);

}  // namespace options

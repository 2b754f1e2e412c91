#pragma once

#include <string>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/text_box.h"

namespace app {
class App;
}

namespace mainwindow {

class frmMain;

// The main-window filter box a pattern list serves.
enum class PatternTarget { kDrawingFilter, kScriptFilter, kSimpleScriptFilter };

// What differs among the three pattern-list dialogs.
struct PatternListConfig {
  const char* formName;
  const char* caption;
  const char* personalCaption;
  const char* patternBoxName;
  const char* startPattern;    // the pattern box's text when the dialog is created
  const char* sharedFile;      // in the DATA folder
  const char* personalSuffix;  // after the user name, in the DATA folder
  const char* settingsKey;     // section Startup: the personal switch
  bool removeEnabledAtStart;
  PatternTarget target;
};

extern const PatternListConfig kDWGFilterConfig;
extern const PatternListConfig kSCRFilterConfig;
extern const PatternListConfig kSCRFilterSimpleConfig;

// A kept list of wildcard patterns for one filter box of the main window, in a shared file
// of the DATA folder or a personal one named after the user. Add and Remove rewrite the file
// at once; a double-click puts the pattern into the main window's box and hides the dialog.
// Shown modally by the main window's "Filter" buttons; the close box stores the personal
// switch and destroys the dialog.
class frmPatternList : public ui::Form {
 public:
  frmPatternList(app::App& app, const PatternListConfig& config);

  ui::ListBox List1{this, "List1"};
  ui::CheckBox chkPersonalSettings{this, "chkPersonalSettings"};
  // Named tbDWGFilter in the drawing dialog and tbSCRFilter in the two script dialogs.
  ui::TextBox tbFilter;
  ui::CommandButton cmdRemove{this, "cmdRemove"};
  ui::CommandButton cmdAdd{this, "cmdAdd"};

  const PatternListConfig& Config() const { return config_; }

  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void chkPersonalSettings_Click();
  void tbFilter_Change();
  void List1_Click();
  void List1_DblClick();
  // Adds the pattern box's text unless it is empty or already listed (letter case counts),
  // then saves the list in every case.
  void cmdAdd_Click();
  // Removes the selected entry and saves the list; the pattern box keeps its text.
  void cmdRemove_Click();
  // Writes the list, one entry a line, to the file the personal switch names.
  void SaveFilter();
  // The file the personal switch names.
  std::string FilterPath() const;

 private:
  void LoadFilter();
  void EnableFilterButtons();
  void SaveFilterReported();
  ui::TextBox& TargetBox(frmMain& main) const;

  app::App& app_;
  const PatternListConfig& config_;
};

}  // namespace mainwindow

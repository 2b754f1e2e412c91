#pragma once

#include <string>

#include "ui/ui.h"

namespace app {
class App;
}
namespace runtime {
class Error;
}

namespace tags {

// The project tag manager: edits the projects of the DATA folder, each a path pattern and the
// values of "$PROJECTTAG1$" to "$PROJECTTAG40$". Active projects are ".PRJ" files, inactive
// ones ".PRX"; "&Done" writes the index "PTAGMAN.DAT" of the active ones in list order, which
// is the order the tag engine tries them. "&Done" hides the window, so it opens again as left.
class frmProjectTagManager : public ui::Form {
 public:
  static constexpr int kValueCount = 40;

  explicit frmProjectTagManager(app::App& app);

  ui::Frame fraPath{this, "fraPath"};
  ui::Label lblWildcards{&fraPath, "lblWildcards"};
  ui::TextBox tbPath{&fraPath, "tbPath"};
  ui::CommandButton cmdBrowse{&fraPath, "cmdBrowse"};

  ui::Frame fraProjects{this, "fraProjects"};
  ui::TabControl SSTabProjMode{&fraProjects, "SSTabProjMode"};
  ui::FileListBox ProjectList{SSTabProjMode.Page(0), "ProjectList"};
  ui::FileListBox ProjectInactiveList{SSTabProjMode.Page(1), "ProjectInactiveList"};
  ui::Label lblProjectName{&fraProjects, "lblProjectName"};
  ui::TextBox tbProjectName{&fraProjects, "tbProjectName"};
  ui::CommandButton cmdSave{&fraProjects, "cmdSave"};
  ui::CommandButton cmdDelete{&fraProjects, "cmdDelete"};
  ui::CommandButton cmdProjMode{&fraProjects, "cmdProjMode"};

  // The value boxes, ten to a tab; element i holds "$PROJECTTAG<i+1>$", named by lblPD1(i).
  ui::TabControl SSTab1{this, "SSTab1"};
  ui::ControlArray<ui::Label> lblPD1{this, "lblPD1"};
  ui::ControlArray<ui::TextBox> tbPD1{this, "tbPD1"};

  ui::CommandButton cmdClear{this, "cmdClear"};
  ui::CommandButton cmdClose{this, "cmdClose"};

  // Set by any edit of the path, the name or a value; cleared when a project is loaded or
  // saved.
  bool TagsChanged = false;

  void Form_Load();
  // Loads the project clicked in list, after offering to save the shown one.
  void ManageProjectLists(ui::FileListBox& list);
  void ProjectList_Click();
  void ProjectInactiveList_Click();
  void cmdSave_Click();
  void cmdDelete_Click();
  void cmdProjMode_Click();
  void cmdClear_Click();
  void cmdClose_Click();
  void cmdBrowse_Click();
  void SSTabProjMode_Click(int previousTab);
  void tbPath_Change();
  void tbProjectName_Change();
  void tbPD1_Change(int index);

 private:
  void DesignProjects();
  void DesignValues();
  bool ActiveTab() const { return SSTabProjMode.Tab() == 0; }
  std::string DataFolder() const;
  void RefreshLists();
  void DisableProjectCommands();
  // Writes the shown project; false when nothing was written.
  bool SaveProject(const std::string& path);
  void ShowProject(const std::string& fileName);
  void ReportError(const runtime::Error& error, const char* procedure);

  app::App& app_;
};

}  // namespace tags

#include "tags/frm_project_tag_manager.h"

#include <string>

#include "app/app.h"
#include "tags/frm_project_tag_manager_fs.h"
#include "tags/project_tags.h"

namespace tags {

namespace {

constexpr int kValuesPerTab = 10;

}  // namespace

frmProjectTagManager::frmProjectTagManager(app::App& app) : Form(app.Ctx(), "frmProjectTagManager"), app_(app) {
  SetCaption(" Project Tag Manager");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 9090, 7200);

  fraPath.SetCaption("Associated Path");
  fraPath.Move(120, 120, 8745, 975);
  lblWildcards.SetCaption("Wildcards like ? and * are allowed");
  lblWildcards.Move(120, 240, 4215, 255);
  tbPath.Move(120, 525, 7215, 315);
  cmdBrowse.SetCaption("&Browse");
  cmdBrowse.Move(7440, 495, 1155, 375);

  DesignProjects();
  DesignValues();

  cmdClear.SetCaption("Clear");
  cmdClear.Move(3720, 6240, 1095, 375);
  cmdClose.SetCaption("&Done");
  cmdClose.Move(7770, 6240, 1095, 375);

  onLoad = [this] { Form_Load(); };
  tbPath.onChange = [this] { tbPath_Change(); };
  cmdBrowse.onClick = [this] { cmdBrowse_Click(); };
  SSTabProjMode.onClick = [this](int previousTab) { SSTabProjMode_Click(previousTab); };
  ProjectList.onClick = [this] { ProjectList_Click(); };
  ProjectInactiveList.onClick = [this] { ProjectInactiveList_Click(); };
  tbProjectName.onChange = [this] { tbProjectName_Change(); };
  cmdSave.onClick = [this] { cmdSave_Click(); };
  cmdDelete.onClick = [this] { cmdDelete_Click(); };
  cmdProjMode.onClick = [this] { cmdProjMode_Click(); };
  tbPD1.On(&ui::TextBox::onChange, [this](int index) { tbPD1_Change(index); });
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
}

void frmProjectTagManager::DesignProjects() {
  fraProjects.SetCaption("Defined Projects");
  fraProjects.Move(120, 1200, 3495, 4935);
  SSTabProjMode.SetTabs(2);
  SSTabProjMode.SetTabCaption(0, "Active");
  SSTabProjMode.SetTabCaption(1, "Inactive");
  SSTabProjMode.Move(120, 240, 3255, 3375);
  ProjectList.SetPattern("*.PRJ");
  ProjectList.Move(120, 420, 3015, 2820);
  ProjectInactiveList.SetPattern("*.PRX");
  ProjectInactiveList.Move(120, 420, 3015, 2820);
  lblProjectName.SetCaption("Project Name:");
  lblProjectName.Move(120, 3765, 1275, 255);
  tbProjectName.Move(1440, 3720, 1935, 315);
  cmdSave.SetCaption("&Save");
  cmdSave.Move(120, 4320, 915, 375);
  cmdDelete.SetCaption("&Delete");
  cmdDelete.Move(1095, 4320, 915, 375);
  cmdProjMode.SetCaption("Make Inactive");
  cmdProjMode.Move(2070, 4320, 1305, 375);
}

void frmProjectTagManager::DesignValues() {
  SSTab1.SetTabs(kValueCount / kValuesPerTab);
  SSTab1.Move(3720, 1200, 5145, 4935);
  for (int tab = 0; tab < kValueCount / kValuesPerTab; ++tab) {
    int first = tab * kValuesPerTab + 1;
    SSTab1.SetTabCaption(tab, "Tags " + std::to_string(first) + "-" + std::to_string(first + kValuesPerTab - 1));
  }
  for (int i = 0; i < kValueCount; ++i) {
    ui::TabPage* page = SSTab1.Page(i / kValuesPerTab);
    int top = 540 + 420 * (i % kValuesPerTab);
    ui::Label& label = lblPD1.Load(i, page);
    label.SetCaption("$PROJECTTAG" + std::to_string(i + 1) + "$");
    label.Move(120, top + 45, 1575, 255);
    tbPD1.Load(i, page).Move(1740, top, 3255, 315);
  }
}

std::string frmProjectTagManager::DataFolder() const {
  return tags::DataFolder(Ctx().App().path);
}

// Both lists show the DATA folder. Without it they stay empty: a list with no pattern shows
// nothing, so the process's current folder never stands in for it.
void frmProjectTagManager::Form_Load() {
  try {
    ProjectList.SetPath(DataFolder());
    ProjectInactiveList.SetPath(DataFolder());
  } catch (const runtime::Error&) {
    ProjectList.SetPattern("");
    ProjectInactiveList.SetPattern("");
  }
  DisableProjectCommands();
  TagsChanged = false;
}

void frmProjectTagManager::RefreshLists() {
  ProjectList.Refresh();
  ProjectInactiveList.Refresh();
}

void frmProjectTagManager::DisableProjectCommands() {
  cmdSave.SetEnabled(false);
  cmdDelete.SetEnabled(false);
  cmdProjMode.SetEnabled(false);
}

void frmProjectTagManager::SSTabProjMode_Click(int) {
  if (ActiveTab()) {
    cmdProjMode.SetCaption("Make Inactive");
    ProjectInactiveList.Refresh();
  } else {
    cmdProjMode.SetCaption("Make Active");
    ProjectList.Refresh();
  }
  DisableProjectCommands();
}

void frmProjectTagManager::tbPath_Change() {
  TagsChanged = true;
}

void frmProjectTagManager::tbProjectName_Change() {
  cmdSave.SetEnabled(true);
  TagsChanged = true;
}

void frmProjectTagManager::tbPD1_Change(int) {
  TagsChanged = true;
}

void frmProjectTagManager::cmdBrowse_Click() {
  app_.frmProjectTagManagerFS().Show(ui::ShowMode::kModal, this);
}

void frmProjectTagManager::cmdClear_Click() {
  ui::MsgAnswer answer = Ctx().MsgBox({"Are you sure you want to clear all 40 ProjectTags?", "Confirmation",
                                       ui::MsgButtons::kYesNo, ui::MsgIcon::kExclamation});
  if (answer != ui::MsgAnswer::kYes) return;
  for (ui::TextBox* box : tbPD1.Elements()) box->SetText("");
}

}  // namespace tags

#include "mainwindow/frm_pattern_list.h"

#include "app/app.h"
#include "core/procedure_error.h"
#include "core/system_helpers.h"
#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "options/options_values.h"
#include "runtime/error.h"
#include "ui/tab_order.h"

namespace mainwindow {

const PatternListConfig kDWGFilterConfig{
    "frmDWGFilter",  " Manage Filters", "Show Personal Filters", "tbDWGFilter", "",
    "DWGFilter.DAT", "-DWGFilter.DAT",  "DWGFilterPersonal",     false,         PatternTarget::kDrawingFilter};
const PatternListConfig kSCRFilterConfig{
    "frmSCRFilter",  "  Script Filter", "Show Personal Filters", "tbSCRFilter", "",
    "SCRFilter.DAT", "-SCRFilter.DAT",  "SCRFilterPersonal",     true,          PatternTarget::kScriptFilter};
const PatternListConfig kSCRFilterSimpleConfig{"frmSCRFilterSimple",
                                               "  Script Filter",
                                               "Show Personal Settings",
                                               "tbSCRFilter",
                                               "*PLOT*",
                                               "SimpleSCRFilter.DAT",
                                               "-SimpleSCRFilter.DAT",
                                               "SCRFilterSimplePersonal",
                                               true,
                                               PatternTarget::kSimpleScriptFilter};

frmPatternList::frmPatternList(app::App& app, const PatternListConfig& config)
    : Form(app.Ctx(), config.formName), tbFilter(this, config.patternBoxName), app_(app), config_(config) {
  SetCaption(config.caption);
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  Move(0, 0, 3570, 4350);

  List1.SetSorted(true);
  List1.Move(120, 120, 3225, 2400);
  chkPersonalSettings.SetCaption(config.personalCaption);
  chkPersonalSettings.Move(120, 2640, 3225, 255);
  tbFilter.SetText(config.startPattern);
  tbFilter.Move(120, 3000, 3225, 315);
  cmdRemove.SetCaption("&Remove");
  cmdRemove.SetEnabled(config.removeEnabledAtStart);
  cmdRemove.Move(120, 3450, 1215, 375);
  cmdAdd.SetCaption("&Add");
  cmdAdd.Move(2130, 3450, 1215, 375);
  ui::SetTabOrder({&List1, &chkPersonalSettings, &tbFilter, &cmdRemove, &cmdAdd});

  onLoad = [this] { Form_Load(); };
  onActivate = [this] { Form_Activate(); };
  onUnload = [this](bool&) { Form_Unload(); };
  chkPersonalSettings.onClick = [this] { chkPersonalSettings_Click(); };
  tbFilter.onChange = [this] { tbFilter_Change(); };
  List1.onClick = [this] { List1_Click(); };
  List1.onDblClick = [this] { List1_DblClick(); };
  cmdAdd.onClick = [this] { cmdAdd_Click(); };
  cmdRemove.onClick = [this] { cmdRemove_Click(); };
}

// A stored 1 ticks the switch, whose click loads the personal list.
void frmPatternList::Form_Load() {
  const std::string stored = Ctx().Services().settings.Get(options::kSettingsApp, "Startup", config_.settingsKey, "0");
  chkPersonalSettings.SetValue(stored == "1" ? ui::kChecked : ui::kUnchecked);
}

void frmPatternList::Form_Activate() {
  LoadFilter();
}

void frmPatternList::Form_Unload() {
  Ctx().Services().settings.Write(options::kSettingsApp, "Startup", config_.settingsKey,
                                  chkPersonalSettings.Value() == ui::kChecked ? "1" : "0");
}

void frmPatternList::chkPersonalSettings_Click() {
  LoadFilter();
}

void frmPatternList::tbFilter_Change() {
  EnableFilterButtons();
}

void frmPatternList::List1_Click() {
  tbFilter.SetText(List1.Text());
  EnableFilterButtons();
}

// The target box's own change handling runs at once, while this dialog is still shown.
void frmPatternList::List1_DblClick() {
  tbFilter.SetText(List1.Text());
  TargetBox(app_.frmMain()).SetText(tbFilter.Text());
  Hide();
}

void frmPatternList::cmdAdd_Click() {
  const std::string& pattern = tbFilter.Text();
  bool listed = false;
  for (int i = List1.ListCount() - 1; i >= 0 && !listed; --i) listed = List1.List(i) == pattern;
  if (!pattern.empty() && !listed) List1.AddItem(pattern);
  SaveFilterReported();
}

void frmPatternList::cmdRemove_Click() {
  for (int i = List1.ListCount() - 1; i >= 0; --i) {
    if (List1.Selected(i)) List1.RemoveItem(i);
  }
  EnableFilterButtons();
  SaveFilterReported();
}

std::string frmPatternList::FilterPath() const {
  const std::string data = Ctx().App().path + "\\DATA\\";
  if (chkPersonalSettings.Value() != ui::kChecked) return data + config_.sharedFile;
  return data + core::GetUserNameClean(Ctx().Services().system) + config_.personalSuffix;
}

void frmPatternList::SaveFilter() {
  std::vector<std::string> patterns;
  patterns.reserve(static_cast<std::size_t>(List1.ListCount()));
  for (int i = 0; i < List1.ListCount(); ++i) patterns.push_back(List1.List(i));
  core::WriteLineList(Ctx().Services().fileSystem, FilterPath(), patterns, core::WriteMode::kSafe);
}

// A list that cannot be written is reported once, with its file; the dialog goes on with the
// list as it stands.
void frmPatternList::SaveFilterReported() {
  try {
    SaveFilter();
  } catch (const runtime::Error& error) {
    Ctx().MsgBox({.text = "The filter list could not be saved to " + FilterPath() + "\r\n\r\n" + core::ErrorText(error),
                  .title = Ctx().App().title,
                  .icon = ui::MsgIcon::kExclamation});
  }
}

// A missing file is created empty and the buttons keep their state; any other failure ends
// the load with the list empty.
void frmPatternList::LoadFilter() {
  List1.Clear();
  const std::string path = FilterPath();
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  try {
    for (const std::string& pattern : core::ReadLineList(fs, path)) List1.AddItem(pattern);
  } catch (const runtime::Error& error) {
    if (error.Number() == runtime::kFileNotFound) {
      try {
        fs.OpenForWrite(path, false)->Close();
      } catch (const runtime::Error&) {
      }
      return;
    }
  }
  EnableFilterButtons();
}

void frmPatternList::EnableFilterButtons() {
  cmdRemove.SetEnabled(List1.SelCount() > 0);
  cmdAdd.SetEnabled(!tbFilter.Text().empty());
}

ui::TextBox& frmPatternList::TargetBox(frmMain& main) const {
  switch (config_.target) {
    case PatternTarget::kDrawingFilter:
      return main.tbDWGFilter;
    case PatternTarget::kScriptFilter:
      return main.scrFilter;
    case PatternTarget::kSimpleScriptFilter:
      break;
  }
  return main.tbScrSelFilter;
}

}  // namespace mainwindow

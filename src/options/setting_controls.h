#pragma once

#include <optional>
#include <string>

#include "app/settings_table.h"
#include "core/settings_model.h"

// How a setting's row moves a value between its field and the options dialog's control
// (app::SettingRow::control); rows without a control are left alone by all three.
namespace options {

class frmOptions;

// The dialog's load: a check box is ticked only for 1, a text box shows the field as text, a
// group chooses the option of the field's index (a flag: option 1 when true), and a value
// without an option leaves the group as it is.
void ShowInDialog(const app::SettingRow& row, frmOptions& dialog, const core::SettingsModel& model);

// The main window's load: the field as read goes into the control as it is (a check box takes
// the number, a group chooses the option of that index); a value the control refuses throws.
void PushIntoDialog(const app::SettingRow& row, frmOptions& dialog, const core::SettingsModel& model);

// "&OK": the control's value into the field. Returns the text to store: a check box "1" when
// ticked and "0" otherwise, a text box's text as typed, a group's index as decimal text (a
// flag "True" or "False"); nothing when a group has no option chosen and no fallback.
std::optional<std::string> TakeFromDialog(const app::SettingRow& row, const frmOptions& dialog,
                                          core::SettingsModel& model);

}  // namespace options

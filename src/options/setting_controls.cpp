#include "options/setting_controls.h"

#include <type_traits>
#include <variant>

#include "options/frm_options.h"
#include "options/options_values.h"
#include "runtime/convert.h"

namespace options {

namespace {

int FieldNumber(const app::SettingRow& row, const core::SettingsModel& model) {
  return runtime::TextToInt32(core::FieldText(row, model));
}

// The option a group shows for the field: a flag has "false" at 0 and "true" at 1.
int OptionIndex(const app::SettingRow& row, const core::SettingsModel& model) {
  const int number = FieldNumber(row, model);
  if (row.conversion == core::Conversion::kFlag) return number != 0 ? 1 : 0;
  return number;
}

std::string OptionText(const app::SettingRow& row, int index) {
  if (row.conversion == core::Conversion::kFlag) return index == 1 ? "True" : "False";
  return runtime::IntegerToText(index);
}

}  // namespace

void ShowInDialog(const app::SettingRow& row, frmOptions& dialog, const core::SettingsModel& model) {
  std::visit(
      [&](auto control) {
        using Control = decltype(control);
        if constexpr (std::is_same_v<Control, app::OptionsCheckBox>) {
          (dialog.*control).SetValue(FieldNumber(row, model) == 1 ? ui::kChecked : ui::kUnchecked);
        } else if constexpr (std::is_same_v<Control, app::OptionsTextBox>) {
          (dialog.*control).SetText(core::FieldText(row, model));
        } else if constexpr (std::is_same_v<Control, app::OptionsGroup>) {
          auto& group = dialog.*control.group;
          const int index = OptionIndex(row, model);
          if (group.Exists(index)) group[index].SetValue(true);
        }
      },
      row.control);
}

void PushIntoDialog(const app::SettingRow& row, frmOptions& dialog, const core::SettingsModel& model) {
  std::visit(
      [&](auto control) {
        using Control = decltype(control);
        if constexpr (std::is_same_v<Control, app::OptionsCheckBox>) {
          (dialog.*control).SetValue(FieldNumber(row, model));
        } else if constexpr (std::is_same_v<Control, app::OptionsTextBox>) {
          (dialog.*control).SetText(core::FieldText(row, model));
        } else if constexpr (std::is_same_v<Control, app::OptionsGroup>) {
          (dialog.*control.group)[OptionIndex(row, model)].SetValue(true);
        }
      },
      row.control);
}

std::optional<std::string> TakeFromDialog(const app::SettingRow& row, const frmOptions& dialog,
                                          core::SettingsModel& model) {
  return std::visit(
      [&](auto control) -> std::optional<std::string> {
        using Control = decltype(control);
        if constexpr (std::is_same_v<Control, app::OptionsCheckBox>) {
          const int value = (dialog.*control).Value();
          core::AssignFromText(row, model, runtime::IntegerToText(value));
          return CheckText(value);
        } else if constexpr (std::is_same_v<Control, app::OptionsTextBox>) {
          std::string text = (dialog.*control).Text();
          core::AssignFromText(row, model, text);
          return text;
        } else if constexpr (std::is_same_v<Control, app::OptionsGroup>) {
          std::optional<int> chosen = ChosenOption(dialog.*control.group);
          if (!chosen) chosen = control.noneChosen;
          if (!chosen) return std::nullopt;
          std::string text = OptionText(row, *chosen);
          core::AssignFromText(row, model, text);
          return text;
        } else {
          return std::nullopt;
        }
      },
      row.control);
}

}  // namespace options

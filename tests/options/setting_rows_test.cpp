// Every setting the options dialog shows, through its row: the value is stored, read back into
// the main window's field, shown by the dialog's load and written back by "&OK".
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

#include "app/settings_table.h"
#include "core/store_bindings.h"
#include "options/frm_options.h"
#include "options_fixture.h"
#include "runtime/convert.h"

namespace {

using app::SettingRow;
using options::frmOptions;

bool HasControl(const SettingRow& row) {
  return !std::holds_alternative<std::monostate>(row.control);
}

// A stored text other than the default that the row's control can show and "&OK" accepts.
std::string OtherText(const SettingRow& row) {
  const std::string defaultText(row.defaultText);
  if (std::holds_alternative<app::OptionsCheckBox>(row.control)) return defaultText == "1" ? "0" : "1";
  if (row.conversion == core::Conversion::kFlag) return defaultText == "False" ? "True" : "False";
  if (std::holds_alternative<app::OptionsGroup>(row.control)) return defaultText == "1" ? "0" : "1";
  if (!defaultText.empty() && defaultText.find_first_not_of("0123456789") == std::string::npos) return "7";
  return std::string(row.key) + " value";
}

// What the row's control shows, as its stored text.
std::string ControlText(const SettingRow& row, const frmOptions& dialog) {
  if (const auto* box = std::get_if<app::OptionsCheckBox>(&row.control)) {
    return runtime::IntegerToText((dialog.*(*box)).Value());
  }
  if (const auto* box = std::get_if<app::OptionsTextBox>(&row.control)) return (dialog.*(*box)).Text();
  const auto& group = std::get<app::OptionsGroup>(row.control);
  const int chosen = options::ChosenOption(dialog.*group.group).value_or(-1);
  if (row.conversion == core::Conversion::kFlag) return chosen == 1 ? "True" : "False";
  return runtime::IntegerToText(chosen);
}

class SettingRowsTest : public test::OptionsFixture {
 protected:
  // Stores the texts, reads them into the main window, loads the dialog, spoils the fields
  // and the store, and presses "&OK".
  void RoundTrip(const std::map<std::string_view, std::string>& texts,
                 const std::map<std::string_view, std::string>& spoiled) {
    core::SettingsModel& model = Main().settings;
    for (const SettingRow& row : app::SettingRows()) {
      if (!HasControl(row)) continue;
      settings.Write(kSettingsApp, std::string(row.section), std::string(row.key), texts.at(row.key));
      core::ReadBinding(settings, row, model);
    }
    frmOptions& dialog = ReloadedDialog();
    for (const SettingRow& row : app::SettingRows()) {
      if (!HasControl(row)) continue;
      EXPECT_EQ(ControlText(row, dialog), texts.at(row.key)) << row.key;
      core::AssignFromText(row, model, spoiled.at(row.key));
      settings.Write(kSettingsApp, std::string(row.section), std::string(row.key), spoiled.at(row.key));
    }
    dialog.Show();
    user.Click(dialog.Command2);
    EXPECT_FALSE(dialog.Visible());
    core::SettingsModel expected;
    for (const SettingRow& row : app::SettingRows()) {
      if (!HasControl(row)) continue;
      core::AssignFromText(row, expected, texts.at(row.key));
      EXPECT_EQ(core::FieldText(row, model), core::FieldText(row, expected)) << row.key;
      EXPECT_EQ(Stored(std::string(row.section), std::string(row.key)), texts.at(row.key)) << row.key;
    }
  }
};

TEST_F(SettingRowsTest, EveryOptionRoundTripsThroughTheStoreTheDialogAndOk) {
  // An "Other" scripts folder must name one for "&OK" to accept it.
  Main().settings.SCRIPTSDir = std::string(kProgramFolder) + "\\SCRIPTS";
  std::map<std::string_view, std::string> defaults;
  std::map<std::string_view, std::string> others;
  for (const SettingRow& row : app::SettingRows()) {
    if (!HasControl(row)) continue;
    defaults[row.key] = std::string(row.defaultText);
    others[row.key] = OtherText(row);
  }
  ASSERT_GT(defaults.size(), 20u);
  RoundTrip(defaults, others);
  RoundTrip(others, defaults);
  // One setting apart from the rest at a time, so that two rows sharing a control or a key
  // cannot pass.
  for (const auto& [key, other] : others) {
    SCOPED_TRACE(key);
    auto texts = defaults;
    auto spoiled = others;
    texts[key] = other;
    spoiled[key] = defaults[key];
    RoundTrip(texts, spoiled);
  }
}

// A greyed check box is stored as not ticked but kept in its field as it is; a sort type that
// has no option leaves the group without a choice, and then it is neither set nor stored.
TEST_F(SettingRowsTest, AGreyedBoxStoresZeroAndNoSortChoiceStoresNoSortType) {
  Main().settings.AutoSortType = 9;
  frmOptions& dialog = ReloadedDialog();
  EXPECT_EQ(options::ChosenOption(dialog.optSort), std::nullopt);
  dialog.chkWarnFolderNotExist.SetValue(ui::kGrayed);
  dialog.Show();
  user.Click(dialog.Command2);
  EXPECT_EQ(Main().settings.WarnFoldersNotExist, 2);
  EXPECT_EQ(Stored("Startup", "WarnFolderNotExist"), "0");
  EXPECT_EQ(Main().settings.AutoSortType, 9);
  EXPECT_EQ(Stored("Startup", "AutoSortType"), std::nullopt);
}

}  // namespace

// Every setting the options dialog shows, through its row: the value is stored, read by the main
// window's load into its field and control, written back by "&OK" and shown by the dialog's own
// load. Which control belongs to which setting is checked by frm_options_test.cpp's own table.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>
#include <vector>

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

// The rows that have a control in the options dialog.
std::vector<const SettingRow*> ControlRows() {
  std::vector<const SettingRow*> rows;
  for (const SettingRow& row : app::SettingRows()) {
    if (HasControl(row)) rows.push_back(&row);
  }
  return rows;
}

using Texts = std::map<std::string_view, std::string>;

// A pass stores every option's default (-2), every option's other text (-1), or the default of
// all but the option of that index, which gets its other text: one option apart from the rest,
// so that two rows sharing a control or a key cannot pass.
Texts PassTexts(int pass, bool spoiled) {
  Texts texts;
  const auto rows = ControlRows();
  for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
    const bool other = pass == -1 || pass == i;
    texts[rows[i]->key] = other != spoiled ? OtherText(*rows[i]) : std::string(rows[i]->defaultText);
  }
  return texts;
}

std::string PassName(const ::testing::TestParamInfo<int>& info) {
  if (info.param == -2) return "Defaults";
  if (info.param == -1) return "OtherValues";
  return std::string(ControlRows()[info.param]->key);
}

class SettingRowsTest : public test::OptionsFixture {
 protected:
  void ExpectShown(const frmOptions& dialog, const Texts& texts) {
    for (const SettingRow* row : ControlRows()) EXPECT_EQ(ControlText(*row, dialog), texts.at(row->key)) << row->key;
  }
};

class SettingRowPassTest : public SettingRowsTest, public ::testing::WithParamInterface<int> {};

// Each option is stored, read by the main window's load into its field and its control, written
// back by "&OK" over spoiled fields and store values, and shown again by the dialog's own load.
TEST_P(SettingRowPassTest, RoundTripsThroughTheStoreTheLoadsAndOk) {
  const Texts texts = PassTexts(GetParam(), false);
  const Texts spoiled = PassTexts(GetParam(), true);
  for (const SettingRow* row : ControlRows()) {
    settings.Write(kSettingsApp, std::string(row->section), std::string(row->key), texts.at(row->key));
  }
  core::SettingsModel& model = Main().settings;
  ExpectShown(Dialog(), texts);

  for (const SettingRow* row : ControlRows()) {
    core::AssignFromText(*row, model, spoiled.at(row->key));
    settings.Write(kSettingsApp, std::string(row->section), std::string(row->key), spoiled.at(row->key));
  }
  Dialog().Show();
  user.Click(Dialog().Command2);
  EXPECT_FALSE(Dialog().Visible());
  core::SettingsModel expected;
  for (const SettingRow* row : ControlRows()) {
    core::AssignFromText(*row, expected, texts.at(row->key));
    EXPECT_EQ(core::FieldText(*row, model), core::FieldText(*row, expected)) << row->key;
    EXPECT_EQ(Stored(std::string(row->section), std::string(row->key)), texts.at(row->key)) << row->key;
  }
  ExpectShown(ReloadedDialog(), texts);
}

INSTANTIATE_TEST_SUITE_P(Passes, SettingRowPassTest, ::testing::Range(-2, static_cast<int>(ControlRows().size())),
                         PassName);

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

#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"
#include "tags/frm_var_setup.h"
#include "tags/tag_templates.h"

namespace tags_test {

inline constexpr const char* kDataFolder = "C:\\Program Files\\Tornavane\\DATA\\";

// The exact bytes of golden/site_plans.TAG: a template of the values GoldenValues gives.
inline std::string GoldenTemplate() {
  const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "golden" / "site_plans.TAG";
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "no golden file " << path;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline tags::TemplateValues GoldenValues() {
  tags::TemplateValues values;
  values[0] = "GADGETS && CO.";
  values[1] = "DOODAD DIVISION";
  values[3] = "Caf\xE9 \"North\" $TAG1$";
  values[4] = "  blanks kept  ";
  values[49] = "LAST TAG";
  return values;
}

// The program with its main window loaded and short ways to the user tag manager, its
// template files and the stored "UserTags" values.
class UserTagsFixture : public test::ProgramFixture {
 protected:
  mainwindow::frmMain& Main() { return app.frmMain(); }
  tags::frmVARSetup& Dialog() { return app.frmVARSetup(); }
  // The dialog shown (modeless, so the test acts on it directly).
  tags::frmVARSetup& Shown() {
    Main();
    tags::frmVARSetup& dialog = Dialog();
    if (!dialog.Visible()) dialog.Show();
    return dialog;
  }
  // A fresh dialog, loaded from the main window's fields as they are now.
  tags::frmVARSetup& Reloaded() {
    Main();
    Dialog().Close();
    ctx.CollectRetired();
    return Shown();
  }
  std::optional<std::string> Stored(const std::string& key) {
    return settings.Read("TornavanePowerTool", "UserTags", key);
  }
  static std::string TemplatePath(const std::string& name) { return std::string(kDataFolder) + name + ".TAG"; }
  void FillTags(tags::frmVARSetup& dialog, const tags::TemplateValues& values) {
    for (int n = 1; n <= 50; ++n) dialog.tbTag(n).SetText(values[static_cast<std::size_t>(n - 1)]);
  }
  std::vector<std::string> ListEntries(const ui::ComboBox& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
  }
};

}  // namespace tags_test

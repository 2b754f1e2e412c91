#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/text_file.h"
#include "mainwindow/frm_main.h"
#include "support/program_fixture.h"
#include "tags/frm_project_tag_manager.h"

namespace tags_test {

// The program with its main window loaded, the project tag manager shown (modeless, so the
// test acts on it directly) and short ways to the project files of the DATA folder.
class ProjectTagManagerFixture : public test::ProgramFixture {
 protected:
  static constexpr const char* kData = "C:\\Program Files\\Tornavane\\DATA\\";
  static constexpr const char* kIndex = "C:\\Program Files\\Tornavane\\DATA\\PTAGMAN.DAT";

  mainwindow::frmMain& Main() { return app.frmMain(); }
  tags::frmProjectTagManager& Manager() {
    Main();
    tags::frmProjectTagManager& manager = app.frmProjectTagManager();
    if (!manager.Visible()) manager.Show();
    return manager;
  }

  static std::string Data(const std::string& name) { return std::string(kData) + name; }
  // A project file of the pattern and the values given, the rest empty: 41 lines.
  void AddProject(const std::string& name, const std::string& pattern, const std::vector<std::string>& values) {
    std::vector<std::string> lines{pattern};
    lines.insert(lines.end(), values.begin(), values.end());
    lines.resize(41);
    core::WriteLineList(fileSystem, Data(name), lines);
  }
  static std::vector<std::string> Entries(const ui::ListControl& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
  }
  void Pick(ui::FileListBox& list, const std::string& name) {
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.List(i) == name) return user.ClickItem(list, i);
    }
    ADD_FAILURE() << name << " is not listed";
  }
  std::vector<std::string> Values(tags::frmProjectTagManager& manager) {
    std::vector<std::string> values;
    for (int i = 0; i < 40; ++i) values.push_back(manager.tbPD1[i].Text());
    return values;
  }
  static std::string Golden(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "golden" / name;
    std::ifstream in(path, std::ios::binary);
    if (!in) ADD_FAILURE() << "no golden file " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

}  // namespace tags_test

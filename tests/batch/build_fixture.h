#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "batch/frm_file_error_report.h"
#include "batch/frm_scr_complete.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "support/program_fixture.h"

namespace test {

// The program with its main window shown as the load leaves it (the default settings),
// version 1.0.0, the batch script going to C:\Support\tornavane.scr, and helpers to queue
// drawings and press the two build buttons as the user does.
class BuildFixture : public ProgramFixture {
 public:
  static constexpr const char* kOutput = "C:\\Support\\tornavane.scr";
  static constexpr const char* kA = "C:\\DWG\\A.dwg";
  static constexpr const char* kB = "C:\\DWG\\B.dwg";

 protected:
  BuildFixture() {
    app.AppVersion = "1.0.0";
    fileSystem.AddFolder("C:\\Support");
    fileSystem.AddFolder(std::string(kProgramFolder) + "\\SCRIPTS");
    fileSystem.AddFolder(std::string(kProgramFolder) + "\\SCRIPTS-SIMPLE");
    Main().Show();
    Main().settings.SCROutputPath = kOutput;
  }

  mainwindow::frmMain& Main() { return app.frmMain(); }
  batch::frmScrComplete& Notice() { return app.frmScrComplete(); }
  options::frmOptions& Options() { return app.frmOptions(); }

  // Drawings that exist, in the queue in this order; then the user script, which enables
  // the build buttons.
  void QueueAndScript(const std::vector<std::string>& paths, const std::string& userScript) {
    for (const std::string& path : paths) {
      if (!fileSystem.Exists(path)) fileSystem.AddFile(path, "AC1018");
      Main().List1.AddItem(path);
    }
    Main().Text1.SetText(userScript);
  }
  void WorkedExampleQueue() { QueueAndScript({kA, kB}, "REGEN"); }

  // The user closes the notice with "&OK" when it comes; check sees it first.
  void ExpectNotice(std::function<void(batch::frmScrComplete&)> check = {}) {
    OnModal<batch::frmScrComplete>([this, check](batch::frmScrComplete& notice) {
      if (check) check(notice);
      user.Click(notice.Command1);
    });
  }

  void ClickCreate() { user.Click(Main().Command1_Compile); }
  void ClickRun() { user.Click(Main().cmdCreateAndRun); }

  std::string Written() { return fileSystem.Contents(kOutput); }

  static std::string ReadGolden(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(__FILE__).parent_path() / "golden" / (name + ".scr");
    std::ifstream in(path, std::ios::binary);
    if (!in) ADD_FAILURE() << "no golden file " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

}  // namespace test

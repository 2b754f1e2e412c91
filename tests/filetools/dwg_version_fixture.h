#pragma once

#include <string>
#include <vector>

#include "app/app.h"
#include "filetools/frm_dwg_rev_scan.h"
#include "mainwindow/main_window_fixture.h"
#include "ui/list_box.h"

namespace test {

// The main window shown over the fakes, with helpers for drawings of a given release.
class DwgVersionFixture : public MainWindowFixture {
 protected:
  // A drawing file that starts with code and has some bytes after it.
  void AddDrawing(const std::string& path, const std::string& code) {
    fileSystem.AddFile(path, code + std::string(26, '\x01'));
  }

  filetools::frmDWGRevScan& Scan() { return app.frmDWGRevScan(); }

  static std::vector<std::string> Items(const ui::ListBox& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
  }
};

}  // namespace test

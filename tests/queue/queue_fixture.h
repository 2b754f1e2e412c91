#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "mainwindow/main_window_fixture.h"

namespace test {

// The main window with a queue to work on.
class QueueFixture : public MainWindowFixture {
 protected:
  // The main window shown, its queue holding entries, nothing selected.
  mainwindow::frmMain& WithQueue(std::initializer_list<const char*> entries) {
    mainwindow::frmMain& main = Main();
    main.List1.Clear();
    for (const char* entry : entries) main.List1.AddItem(entry);
    main.UpdateQueueControls();
    return main;
  }

  static std::vector<std::string> Entries(const ui::ListControl& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
    return entries;
  }
  std::vector<std::string> QueueEntries() { return Entries(Main().List1); }

  static void Select(ui::ListControl& list, std::initializer_list<int> indexes) {
    for (int index : indexes) list.SetSelected(index, true);
  }

  // A right click on the queue and a pick from its pop-up menu.
  void ChooseFromPopup(mainwindow::frmMain& main, const char* item) {
    ExpectPopup("mnuPUForm", item);
    user.MouseUp(main.List1, ui::kRightButton, 0, 100, 100);
  }

  // The marker a loaded saved list leaves on the File Lists button and the queue.
  static bool ShowsLoadedList(const mainwindow::frmMain& main) {
    return main.cmdFileList.Caption() == "=File&Lists=" && !main.List1.ToolTipText().empty();
  }
};

}  // namespace test

#pragma once

#include "ui/form.h"
#include "ui/list_box.h"

namespace app {
class App;
}

namespace queue {

// The floating, always-on-top list of the queue's file names, filled once when it opens (the
// queue cannot change while the main window is hidden). The full path of the entry under the
// pointer is the list's tooltip; a click previews a drawing, a double-click opens it.
class frmQueueQuickPick : public ui::Form {
 public:
  explicit frmQueueQuickPick(app::App& app);

  ui::ListBox lstFileNames{this, "lstFileNames"};
  ui::ListBox lstPaths{this, "lstPaths"};

  void Form_Load();
  void Form_Resize();
  // Stores the place, leaves the always-on-top band, hides, and shows the main window again
  // with a fresh file list. A failing step is reported with its number and the next runs.
  void Form_Unload();
  void lstFileNames_Click();
  void lstFileNames_DblClick();
  void lstFileNames_MouseMove(int button, int shift, int x, int y);

 private:
  app::App& app_;
};

}  // namespace queue

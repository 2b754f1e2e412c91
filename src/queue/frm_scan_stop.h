#pragma once

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/label.h"

namespace app {
class App;
}

namespace queue {

// The stop window of long queue operations (folder scans, duplicate removal, the queue
// check): a progress label and a Stop button that sets the main window's STOPSCAN to 1. The
// operation shows it modeless without an owner, writes its progress into lblScanned, stops
// when STOPSCAN is 1 and hides the window when it ends. Closing the window stops as well.
class frmScanStop : public ui::Form {
 public:
  explicit frmScanStop(app::App& app);

  ui::Label lblScanned{this, "lblScanned"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};

  void Form_Load();
  void cmdCancel_Click();
  void Form_QueryUnload(bool& cancel, ui::UnloadMode mode);

 private:
  app::App& app_;
};

}  // namespace queue

#pragma once

#include <string>
#include <vector>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"

namespace app {
class App;
}

namespace filetools {

// Queues the drawings an electrical project file lists (or those of its folder it does not
// list) and opens the project file in the text editor. Buttons hide it; the close box unloads.
class frmWDPPrompt : public ui::Form {
 public:
  explicit frmWDPPrompt(app::App& app);

  ui::Frame Frame1{this, "Frame1"};
  ui::CommandButton cmdLoadWDP{&Frame1, "cmdLoadWDP"};
  ui::CheckBox cbClearQueueOnLoad{&Frame1, "cbClearQueueOnLoad"};
  ui::Frame Frame2{this, "Frame2"};
  ui::CheckBox chkClearQueueNotInProject{&Frame2, "chkClearQueueNotInProject"};
  ui::CommandButton cmdLoadFilesNotInProject{&Frame2, "cmdLoadFilesNotInProject"};
  ui::CommandButton cmdOpenWDP{&Frame2, "cmdOpenWDP"};
  ui::CommandButton cmdClose{this, "cmdClose"};

  void cmdLoadWDP_Click();
  void cmdLoadFilesNotInProject_Click();
  void cmdOpenWDP_Click();
  void cmdClose_Click();

 private:
  // The project file's lines, read afresh; false after the failure message.
  bool ReadProject(std::vector<std::string>& lines, const char* procedure);
  void Queue(std::vector<std::string> entries, bool clearFirst);

  app::App& app_;
};

}  // namespace filetools

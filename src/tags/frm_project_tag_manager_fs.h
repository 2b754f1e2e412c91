#pragma once

#include "options/pickers.h"

namespace tags {

// Picks the folder a project applies to: "&Ok" writes it, in upper case and ending in "\", into
// the project tag manager's path box. It opens on the main window's browser folder; "&Ok" and
// "&Cancel" hide it, so it opens again on the folder last chosen.
class frmProjectTagManagerFS : public options::FolderPicker {
 public:
  explicit frmProjectTagManagerFS(app::App& app);

  ui::CommandButton OUTSelectCommandOk{this, "OUTSelectCommandOk"};
  ui::CommandButton OUTSelectCommandCancel{this, "OUTSelectCommandCancel"};
  ui::CommandButton OUTSelectExplorer{this, "OUTSelectExplorer"};

  void Form_Load();
  void OUTSelectCommandOk_Click();
};

}  // namespace tags

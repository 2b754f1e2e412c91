#include "tags/frm_project_tag_manager_fs.h"

#include "app/app.h"
#include "runtime/text.h"
#include "tags/frm_project_tag_manager.h"

namespace tags {

frmProjectTagManagerFS::frmProjectTagManagerFS(app::App& app) : FolderPicker(app, "frmProjectTagManagerFS") {
  SetCaption("Select Projects Folder");
  options::SetButtons(OUTSelectCommandOk, OUTSelectCommandCancel);
  OUTSelectExplorer.SetCaption("&Explorer");
  options::LayOutFolderOnly(*this, 120, OUTSelectCommandOk, OUTSelectCommandCancel, &OUTSelectExplorer);
  onLoad = [this] { Form_Load(); };
  OUTSelectCommandOk.onClick = [this] { OUTSelectCommandOk_Click(); };
  OUTSelectCommandCancel.onClick = [this] { Hide(); };
  OUTSelectExplorer.onClick = [this] { ExploreFolder(); };
}

void frmProjectTagManagerFS::Form_Load() {
  StartAtBrowser();
}

void frmProjectTagManagerFS::OUTSelectCommandOk_Click() {
  app_.frmProjectTagManager().tbPath.SetText(runtime::UpperCase(Folder()));
  Hide();
}

}  // namespace tags

#include "filetools/frm_file_renamer_manual.h"

#include "app/app.h"
#include "filetools/frm_file_renamer.h"

namespace filetools {

frmFileRenamerManual::frmFileRenamerManual(app::App& app) : Form(app.Ctx(), "frmFileRenamerManual"), app_(app) {
  SetCaption(" Manual Edit");
  SetBorderStyle(ui::BorderStyle::kFixedToolWindow);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 5175, 1380);
  tbFileName.SetFontName("Courier");
  tbFileName.Move(120, 180, 3735, 315);
  cmdRename.SetCaption("&Ok");
  cmdRename.SetDefault(true);
  cmdRename.Move(3960, 150, 975, 375);
  onLoad = [this] { Form_Load(); };
  cmdRename.onClick = [this] { cmdRename_Click(); };
}

void frmFileRenamerManual::Form_Load() {
  const ui::ListBox& preview = app_.frmFileRenamer().lstDestination;
  tbFileName.SetText(preview.List(preview.ListIndex()));
}

// The name goes into the selected preview line as typed; finalising checks it.
void frmFileRenamerManual::cmdRename_Click() {
  ui::ListBox& preview = app_.frmFileRenamer().lstDestination;
  if (preview.ListIndex() >= 0) preview.SetList(preview.ListIndex(), tbFileName.Text());
  Hide();
}

}  // namespace filetools

#include "queue/frm_quick_pick.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "queue/frm_dwg_preview.h"
#include "queue/open_files.h"
#include "queue/window_place.h"
#include "runtime/error.h"
#include "ui/hourglass.h"

namespace queue {

namespace {

// Runs one closing step; a failure does not keep the later steps from running.
template <class Step>
void Isolated(Step step) {
  try {
    step();
  } catch (const runtime::Error&) {
    return;
  }
}

}  // namespace

frmQuickPick::frmQuickPick(app::App& app) : Form(app.Ctx(), "frmQuickPick"), app_(app) {
  SetCaption(" Quick Pick");
  SetBorderStyle(ui::BorderStyle::kSizableToolWindow);
  SetStartUpPosition(ui::StartUpPosition::kManual);
  Move(1000, 1000, 1890, 4110);
  tbQPPattern.SetToolTipText("Filter");
  tbQPPattern.Move(0, 0, 1860, 285);
  File1.SetMultiSelect(ui::MultiSelect::kExtended);
  File1.Move(0, 300, 1875, 3210);
  cmdRefresh.SetCaption("&Refresh");
  cmdRefresh.Move(0, 3480, 940, 330);
  cmdQuickPickOnOff.SetCaption("&Preview");
  cmdQuickPickOnOff.Move(990, 3480, 870, 330);
  PUMenu.SetCaption("PUMenu");
  PUMenu.SetVisible(false);
  mnuOpenFiles.SetCaption("Open Selected Files(s)");

  onLoad = [this] { Form_Load(); };
  onResize = [this] { Form_Resize(); };
  onUnload = [this](bool&) { Form_Unload(); };
  onMouseUp = [this](int button, int, int, int) {
    if (button == ui::kLeftButton) Form_Click();
  };
  tbQPPattern.onChange = [this] { tbQPPattern_Change(); };
  cmdRefresh.onClick = [this] { cmdRefresh_Click(); };
  cmdQuickPickOnOff.onClick = [this] { cmdQuickPickOnOff_Click(); };
  File1.onClick = [this] { File1_Click(); };
  File1.onDblClick = [this] { File1_DblClick(); };
  File1.onKeyDown = [this](int& keyCode, int shift) { File1_KeyDown(keyCode, shift); };
  File1.onMouseUp = [this](int button, int shift, int x, int y) { File1_MouseUp(button, shift, x, y); };
  mnuOpenFiles.onClick = [this] { mnuOpenFiles_Click(); };
}

// The controls are laid out for the inside the window really has: at the stored default size
// no resize follows, and a frame wider than the designed one would cut the buttons.
void frmQuickPick::Form_Load() {
  tbQPPattern.SetText(app_.frmMain().tbDWGFilter.Text());
  Form_Resize();
}

// A click on the background reads the folder again under the filter.
void frmQuickPick::Form_Click() {
  File1.Refresh();
  ApplyPattern();
}

// Below 900 twips high or 1000 wide the controls keep their places. The controls keep the
// designed distances from the right and bottom edges of the inside: measured from the window's
// outer edge, a wider frame or taller title bar than the designed one would cut the buttons.
void frmQuickPick::Form_Resize() {
  if (Height() <= 900 || Width() <= 1000) return;
  Isolated([&] {
    tbQPPattern.SetWidth(std::max(1, ScaleWidth() - 15));
    File1.SetWidth(std::max(1, ScaleWidth()));
    File1.SetHeight(std::max(1, ScaleHeight() - 600));
    cmdRefresh.SetWidth(std::max(1, ScaleWidth() - 935));
    cmdRefresh.SetTop(std::max(0, ScaleHeight() - 350));
    cmdQuickPickOnOff.SetTop(std::max(0, ScaleHeight() - 350));
    cmdQuickPickOnOff.SetLeft(std::max(0, ScaleWidth() - 885));
  });
}

// However the window goes, the main window comes back.
void frmQuickPick::Form_Unload() {
  mainwindow::frmMain& main = app_.frmMain();
  Isolated([&] { WritePlace(*this, kQuickPickKeys); });
  Isolated([&] { SetTopMost(false); });
  Isolated([&] { Hide(); });
  Isolated([&] { main.tbDWGFilter.SetText(tbQPPattern.Text()); });
  Isolated([&] { main.File1.Refresh(); });
  main.Show();
}

void frmQuickPick::tbQPPattern_Change() {
  ApplyPattern();
}

// The filter matches any part of a name: "*", the text, "*". A pattern the file system
// refuses leaves the list as it was.
void frmQuickPick::ApplyPattern() {
  Isolated([&] { File1.SetPattern("*" + tbQPPattern.Text() + "*"); });
}

void frmQuickPick::cmdRefresh_Click() {
  File1.Refresh();
}

void frmQuickPick::cmdQuickPickOnOff_Click() {
  ToggleDWGPreview(app_);
}

void frmQuickPick::File1_Click() {
  if (File1.ListIndex() < 0) return;
  ShowDWGPreview(app_, PathInFolder(app_.frmMain().Dir1.Path(), File1.List(File1.ListIndex())));
  Show();
}

void frmQuickPick::File1_DblClick() {
  OpenSelectedFiles();
}

void frmQuickPick::File1_KeyDown(int& keyCode, int) {
  if (keyCode == ui::kKeyReturn) OpenSelectedFiles();
}

void frmQuickPick::File1_MouseUp(int button, int, int, int) {
  if (button == ui::kRightButton) PopupMenu(PUMenu, &mnuOpenFiles);
}

void frmQuickPick::mnuOpenFiles_Click() {
  OpenSelectedFiles();
}

void frmQuickPick::OpenSelectedFiles() {
  ui::FormHourglass hourglass(*this);
  mainwindow::frmMain& main = app_.frmMain();
  std::vector<std::string> paths;
  for (int i = 0; i < File1.ListCount(); ++i) {
    if (File1.Selected(i)) paths.push_back(PathInFolder(main.Dir1.Path(), File1.List(i)));
  }
  OpenFilesWithLimit(Ctx(), paths, core::DriveRoot(main.Drive1.Drive()), main.settings.ResourceWarning,
                     main.settings.ResourceFileLimit);
}

}  // namespace queue

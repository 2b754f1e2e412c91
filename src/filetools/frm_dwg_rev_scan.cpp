#include "filetools/frm_dwg_rev_scan.h"

#include <string>
#include <vector>

#include "app/app.h"
#include "core/settings_model.h"
#include "mainwindow/frm_main.h"
#include "options/pickers.h"
#include "runtime/error.h"
#include "ui/busy_guard.h"

namespace filetools {

namespace {

constexpr const char* kScanPattern = "*.DWG";

struct ReleaseBoxDesign {
  ui::CheckBox frmDWGRevScan::*box;
  const char* caption;
};

// In the order of the release table.
constexpr std::array<ReleaseBoxDesign, kReleases.size()> kReleaseBoxes{{
    {&frmDWGRevScan::chkR12, "R12/LT2"},
    {&frmDWGRevScan::chkR13, "R13/LT95"},
    {&frmDWGRevScan::chkR14, "R14/LT97/LT98"},
    {&frmDWGRevScan::chkR2000, "R2000(i)/2002"},
    {&frmDWGRevScan::chkR2004, "R2004/05/06"},
    {&frmDWGRevScan::chkR2007, "R2007/08/09"},
    {&frmDWGRevScan::chkR2010, "R2010/11/12"},
    {&frmDWGRevScan::chkR2013, "R2013/14/15/16"},
}};

}  // namespace

frmDWGRevScan::frmDWGRevScan(app::App& app) : Form(app.Ctx(), "frmDWGRevScan"), app_(app) {
  SetCaption(" Find files by DWG Version");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 10815, 8745);

  Frame3.SetCaption("Source Folder (will include all sub-folders)");
  Frame3.Move(120, 120, 4935, 3615);
  Drive1.Move(120, 300, 4695, 315);
  Dir1.Move(120, 720, 4695, 2775);
  DesignReleaseBoxes();

  cmdStartScan.SetCaption("&Start");
  cmdStartScan.SetDefault(true);
  cmdStartScan.Move(120, 3870, 1215, 375);
  cmdStop.SetCaption("Stop");
  cmdStop.SetEnabled(false);
  cmdStop.Move(1440, 3870, 1215, 375);
  lblStatus.SetCaption("Ready");
  lblStatus.Move(2760, 3930, 7815, 255);
  DesignResultFrame();

  onLoad = [this] { Form_Load(); };
  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  Drive1.onChange = [this] { Drive1_Change(); };
  for (ui::CheckBox* box : ReleaseBoxes()) box->onClick = [this] { UpdateStartButton(); };
  cmdStartScan.onClick = [this] { cmdStartScan_Click(); };
  cmdStop.onClick = [this] { cmdStop_Click(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdCopyToQueue.onClick = [this] { cmdCopyToQueue_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
}

void frmDWGRevScan::DesignReleaseBoxes() {
  frameDWGTypes.SetCaption("Find DWG Files created with AutoCAD Version:");
  frameDWGTypes.Move(5160, 120, 5415, 3615);
  int top = 330;
  for (const ReleaseBoxDesign& design : kReleaseBoxes) {
    ui::CheckBox& box = this->*design.box;
    box.SetCaption(design.caption);
    box.Move(240, top, 4935, 255);
    top += 390;
  }
  chkR12.SetValue(ui::kChecked);
}

void frmDWGRevScan::DesignResultFrame() {
  Frame1.SetCaption("Matching files");
  Frame1.Move(120, 4380, 10455, 3825);
  List1.Move(120, 300, 8535, 1950);
  Label1.SetCaption("Problem Files");
  Label1.Move(120, 2340, 1455, 255);
  Label2.SetCaption("Files that are locked or corrupt");
  Label2.Move(1680, 2340, 4095, 255);
  lstProblemFiles.Move(120, 2610, 8535, 1035);
  cmdClear.SetCaption("C&lear");
  cmdClear.SetEnabled(false);
  cmdClear.Move(8820, 300, 1455, 375);
  chkAppendtoQueue.SetCaption("Append to Existing List");
  chkAppendtoQueue.SetValue(ui::kChecked);
  chkAppendtoQueue.SetEnabled(false);
  chkAppendtoQueue.Move(8820, 1200, 1455, 495);
  cmdCopyToQueue.SetCaption("&Copy list to Queue");
  cmdCopyToQueue.SetEnabled(false);
  cmdCopyToQueue.Move(8820, 1740, 1455, 615);
  cmdClose.SetCaption("C&lose");
  cmdClose.Move(8820, 3270, 1455, 375);
}

std::array<ui::CheckBox*, kReleases.size()> frmDWGRevScan::ReleaseBoxes() {
  std::array<ui::CheckBox*, kReleases.size()> boxes{};
  for (std::size_t row = 0; row < kReleaseBoxes.size(); ++row) boxes[row] = &(this->*kReleaseBoxes[row].box);
  return boxes;
}

void frmDWGRevScan::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  try {
    Drive1.SetDrive(main.Drive1.Drive());
    Dir1.SetPath(main.Dir1.Path());
  } catch (const runtime::Error&) {
    // The browser's folder went away meanwhile: the lists start where they are.
  }
  if (main.List1.ListCount() > 0) chkAppendtoQueue.SetEnabled(true);
  main.gSetHorizontalExtent(List1);
  main.gSetHorizontalExtent(lstProblemFiles);
}

void frmDWGRevScan::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  if (!scanning_ || mode != ui::UnloadMode::kFormControlMenu) return;
  cancel = true;
  closeAsked_ = true;
  app_.frmMain().settings.StopNow = core::kTrue;
}

void frmDWGRevScan::Drive1_Change() {
  options::FollowDrive(Drive1, Dir1, "c:\\", false, changingDrive_);
}

void frmDWGRevScan::UpdateStartButton() {
  bool anyTicked = false;
  for (ui::CheckBox* box : ReleaseBoxes()) anyTicked = anyTicked || box->Value() != ui::kUnchecked;
  cmdStartScan.SetEnabled(anyTicked);
}

void frmDWGRevScan::cmdStartScan_Click() {
  ui::BusyGuard busy(Ctx());
  if (!busy) return;
  app_.frmMain().settings.StopNow = core::kFalse;
  app_.ScanFileCount = 0;
  Ctx().SetScreenPointer(ui::Pointer::kHourglass);
  ShowScanning(true);
  ReleaseFlags flags{};
  const auto boxes = ReleaseBoxes();
  for (std::size_t row = 0; row < boxes.size(); ++row) flags[row] = boxes[row]->Value();
  SearchForFileREV(app_, Dir1.Path(), kScanPattern, flags, {List1, lstProblemFiles, lblStatus});
  Ctx().SetScreenPointer(ui::Pointer::kDefault);
  if (closeAsked_) {
    scanning_ = false;
    Unload();
    return;
  }
  Ctx().MsgBox({std::to_string(app_.ScanFileCount) + " Files Added to Queue.", "Scan Complete"});
  ShowScanning(false);
}

void frmDWGRevScan::ShowScanning(bool scanning) {
  scanning_ = scanning;
  if (!scanning) UpdateStartButton();
  cmdStartScan.SetEnabled(!scanning);
  cmdStop.SetEnabled(scanning);
  if (!scanning) lblStatus.SetCaption("Ready");
  cmdClose.SetEnabled(!scanning);
  for (ui::CheckBox* box : ReleaseBoxes()) box->SetEnabled(!scanning);
  const bool haveFinds = !scanning && List1.ListCount() > 0;
  cmdCopyToQueue.SetEnabled(haveFinds);
  cmdClear.SetEnabled(haveFinds);
}

void frmDWGRevScan::cmdStop_Click() {
  app_.frmMain().settings.StopNow = core::kTrue;
}

void frmDWGRevScan::cmdClear_Click() {
  List1.Clear();
  lstProblemFiles.Clear();
  cmdClear.SetEnabled(false);
  cmdCopyToQueue.SetEnabled(false);
}

// The found paths go to the end of the queue (or replace it), duplicates and all; the queue's
// buttons and menus follow, but no sort and no META scan run.
void frmDWGRevScan::cmdCopyToQueue_Click() {
  mainwindow::frmMain& main = app_.frmMain();
  if (chkAppendtoQueue.Value() != ui::kChecked) main.List1.Clear();
  std::vector<std::string> paths;
  paths.reserve(static_cast<std::size_t>(List1.ListCount()));
  for (int i = 0; i < List1.ListCount(); ++i) paths.push_back(List1.List(i));
  main.List1.AddItems(std::move(paths));
  main.UpdateQueueControls();
  Ctx().MsgBox({.text = std::to_string(List1.ListCount()) +
                        " File Names have been copied to the File Queue.\r\nYou may now close the DWG Version Scan "
                        "Window.",
                .title = "File Names Copied!",
                .icon = ui::MsgIcon::kExclamation});
}

void frmDWGRevScan::cmdClose_Click() {
  Hide();
}

}  // namespace filetools

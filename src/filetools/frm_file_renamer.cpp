#include "filetools/frm_file_renamer.h"

#include <algorithm>

#include "app/app.h"
#include "batch/frm_file_error_report.h"
#include "core/app_title.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"

namespace filetools {

namespace {

constexpr const char* kFixedPitch = "Courier";

// A spin bar beside a disabled number box; Min above Max, so the up arrow raises the value.
void DesignSpin(ui::VScrollBar& bar, int low, int high) {
  bar.SetMin(high);
  bar.SetMax(low);
}

}  // namespace

frmFileRenamer::frmFileRenamer(app::App& app) : Form(app.Ctx(), "frmFileRenamer"), app_(app) {
  SetCaption("File Renamer");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 9750, 7650);
  DesignLists();
  DesignRenumberPage();
  DesignSmallPages();
  DesignPadAndReplacerPages();
  WireEvents();
}

void frmFileRenamer::DesignLists() {
  lblBefore.SetCaption("Before");
  lblBefore.Move(120, 120, 4455, 255);
  lstSource.Move(120, 375, 4455, 3960);
  lblAfter.SetCaption("After");
  lblAfter.Move(4980, 120, 4455, 255);
  lstDestination.Move(4980, 375, 4455, 3960);
  lstDestination.SetToolTipText("Double-Click to Manually Rename");
  lstMainList.SetVisible(false);
  lstMainList.Move(120, 375, 4455, 3960);
  for (ui::ListBox* list : {&lstSource, &lstDestination}) list->SetFontName(kFixedPitch);

  SSTab1.SetTabs(6);
  const char* tabs[] = {"Renumber", "Rep.First", "Insert", "Append", "Pad", "Replacer"};
  for (int i = 0; i < 6; ++i) SSTab1.SetTabCaption(i, tabs[i]);
  SSTab1.Move(120, 4500, 7455, 2535);
  cmdClear.SetCaption("&Clear");
  cmdClear.Move(7800, 5940, 1635, 435);
  cmdDoIt.SetCaption("&Finalize It!");
  cmdDoIt.Move(7800, 6540, 1635, 495);
  for (ui::CommandButton* button : {&cmdDoIt, &cmdClear, &cmdReplace2Compound}) button->SetEnabled(false);
}

void frmFileRenamer::DesignRenumberPage() {
  lblStartAt.SetCaption("Starting at");
  lblStartAt.Move(240, 540, 1095, 255);
  tbStartAt.SetText("1");
  tbStartAt.Move(1380, 495, 855, 315);
  lblStep.SetCaption("Step");
  lblStep.Move(240, 960, 1095, 255);
  tbStep.SetText("1");
  tbStep.Move(1380, 915, 855, 315);
  lblPadTo.SetCaption("Pad to");
  lblPadTo.Move(240, 1380, 1095, 255);
  tbRenumberDigits.SetEnabled(false);
  tbRenumberDigits.Move(1380, 1335, 495, 315);
  DesignSpin(vsRenumberPad, 1, 9);
  vsRenumberPad.Move(1875, 1335, 255, 315);
  lblDigits.SetCaption("digits");
  lblDigits.Move(2235, 1380, 735, 255);
  optAppend.SetCaption("Append");
  optAppend.Move(3480, 540, 1695, 255);
  optOverwrite.SetCaption("Overwrite");
  optOverwrite.Move(3480, 900, 1695, 255);
  optOverwrite.SetValue(true);
  cmdPreviewRenumber.SetCaption("&Preview");
  cmdPreviewRenumber.Move(5760, 1860, 1455, 435);
  for (ui::TextBox* box : {&tbStartAt, &tbStep, &tbRenumberDigits}) box->SetFontName(kFixedPitch);
}

void frmFileRenamer::DesignSmallPages() {
  lblReplaceFirst.SetCaption("Replace the first              characters with");
  lblReplaceFirst.Move(240, 600, 4095, 255);
  tbReplaceChar.SetEnabled(false);
  tbReplaceChar.Move(1680, 555, 495, 315);
  DesignSpin(vsReplaceChar, 1, 30);
  vsReplaceChar.Move(2175, 555, 255, 315);
  tbReplaceWith.Move(4380, 555, 2835, 315);
  cmdPreviewReplaceFirst.SetCaption("Preview");
  cmdPreviewReplaceFirst.Move(5760, 1860, 1455, 435);

  lblInsert.SetCaption("Insert");
  lblInsert.Move(240, 600, 855, 255);
  tbInsertText.Move(1140, 555, 2415, 315);
  lblAtChar.SetCaption("at character");
  lblAtChar.Move(3720, 600, 1095, 255);
  tbInsertAtChar.SetEnabled(false);
  tbInsertAtChar.Move(4860, 555, 495, 315);
  DesignSpin(vsInsertAtChar, 0, 30);
  vsInsertAtChar.Move(5355, 555, 255, 315);
  cmdInsertPreview.SetCaption("&Preview");
  cmdInsertPreview.Move(5760, 1860, 1455, 435);

  lblAppend.SetCaption("Append");
  lblAppend.Move(240, 600, 855, 255);
  tbAppend.Move(1140, 555, 2415, 315);
  lblAppendEnd.SetCaption("to end of filename.");
  lblAppendEnd.Move(3720, 600, 2295, 255);
  cmdAppendPreview.SetCaption("&Preview");
  cmdAppendPreview.Move(5760, 1860, 1455, 435);
  for (ui::TextBox* box : {&tbReplaceChar, &tbReplaceWith, &tbInsertText, &tbInsertAtChar, &tbAppend}) {
    box->SetFontName(kFixedPitch);
  }
}

void frmFileRenamer::DesignPadAndReplacerPages() {
  lblWithThe.SetCaption("With the");
  lblWithThe.Move(240, 600, 855, 255);
  tbPadChar.SetText("0");
  tbPadChar.Move(1140, 555, 495, 315);
  lblCharacter.SetCaption("character.");
  lblCharacter.Move(1740, 600, 1095, 255);
  optPadFromStart.SetCaption("Pad Start of FileName");
  optPadFromStart.Move(3480, 540, 2655, 255);
  optPadFromEnd.SetCaption("Pad End of FileName");
  optPadFromEnd.Move(3480, 900, 2655, 255);
  cmdPad.SetCaption("&Preview");
  cmdPad.Move(5760, 1860, 1455, 435);

  lblReplace.SetCaption("Replace");
  lblReplace.Move(240, 600, 855, 255);
  tbReplace2Replace.Move(1140, 555, 2175, 315);
  lblWith.SetCaption("with");
  lblWith.Move(3480, 600, 495, 255);
  tbReplace2ReplaceWith.Move(4020, 555, 2175, 315);
  cmdReplace2Preview.SetCaption("&Preview");
  cmdReplace2Preview.Move(5760, 1860, 1455, 435);
  cmdReplace2Compound.SetCaption("Compound");
  cmdReplace2Compound.Move(4140, 1860, 1455, 435);
  for (ui::TextBox* box : {&tbPadChar, &tbReplace2Replace, &tbReplace2ReplaceWith}) box->SetFontName(kFixedPitch);
}

void frmFileRenamer::WireEvents() {
  onLoad = [this] { Form_Load(); };
  onUnload = [this](bool&) { Form_Unload(); };
  cmdPreviewRenumber.onClick = [this] { cmdPreviewRenumber_Click(); };
  cmdPreviewReplaceFirst.onClick = [this] { cmdPreviewReplaceFirst_Click(); };
  cmdInsertPreview.onClick = [this] { cmdInsertPreview_Click(); };
  cmdAppendPreview.onClick = [this] { cmdAppendPreview_Click(); };
  cmdPad.onClick = [this] { cmdPad_Click(); };
  cmdReplace2Preview.onClick = [this] { cmdReplace2Preview_Click(); };
  cmdReplace2Compound.onClick = [this] { cmdReplace2Compound_Click(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
  cmdDoIt.onClick = [this] { cmdDoIt_Click(); };
  vsRenumberPad.onChange = [this] { vsRenumberPad_Change(); };
  vsReplaceChar.onChange = [this] { vsReplaceChar_Change(); };
  vsInsertAtChar.onChange = [this] { vsInsertAtChar_Change(); };
  tbPadChar.onChange = [this] { tbPadChar_Change(); };
  SSTab1.onClick = [this](int previousTab) { SSTab1_Click(previousTab); };
  lstSource.onScroll = [this] { lstSource_Scroll(); };
  lstDestination.onScroll = [this] { lstDestination_Scroll(); };
  lstSource.onMouseMove = [this](int button, int shift, int x, int y) { lstSource_MouseMove(button, shift, x, y); };
  lstDestination.onDblClick = [this] { lstDestination_DblClick(); };
}

void frmFileRenamer::Form_Load() {
  if (app_.frmFileErrorReport().lstFileErrors.ListCount() == 0) {
    Ctx().MsgBox({.text = "All Files in Queue are Available to be renamed.",
                  .title = "Files Verified",
                  .buttons = ui::MsgButtons::kOk,
                  .icon = ui::MsgIcon::kExclamation});
  }
  const ui::ListBox& queue = app_.frmMain().List1;
  std::vector<std::string> paths = Items(queue);
  std::vector<std::string> names;
  names.reserve(paths.size());
  for (const std::string& path : paths) names.push_back(core::GetFileName(path));
  lstSource.SetItems(std::move(names));
  lstMainList.SetItems(std::move(paths));
  vsRenumberPad.SetValue(3);
  vsReplaceChar.SetValue(4);
  vsInsertAtChar.SetValue(1);
  vsRenumberPad_Change();
  vsReplaceChar_Change();
  vsInsertAtChar_Change();
  gSetHorizontalExtent(lstSource);
  gSetHorizontalExtent(lstDestination);
  cmdReplace2Compound.SetEnabled(false);
  cmdClear.SetEnabled(false);
}

std::vector<std::string> frmFileRenamer::Items(const ui::ListBox& list) const {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(list.ListCount()));
  for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
  return items;
}

void frmFileRenamer::Alert(const std::string& text, ui::MsgIcon icon) {
  Ctx().MsgBox({.text = text, .title = std::string(core::kAppTitle), .buttons = ui::MsgButtons::kOk, .icon = icon});
}

void frmFileRenamer::Notify(const RenameNotice& notice) {
  Alert(notice.text, notice.exclamation ? ui::MsgIcon::kExclamation : ui::MsgIcon::kNone);
}

// A preview replaces the previous one. One that stopped part-way keeps its lines but cannot
// be finalised or compounded: those need a new name on every line.
void frmFileRenamer::ShowPreview(RulePreview preview, bool enableCompound) {
  for (const RenameNotice& notice : preview.notices) Notify(notice);
  lstDestination.SetItems(std::move(preview.names));
  if (!preview.complete) {
    cmdDoIt.SetEnabled(false);
    cmdReplace2Compound.SetEnabled(false);
    return;
  }
  cmdDoIt.SetEnabled(true);
  cmdClear.SetEnabled(true);
  if (enableCompound) cmdReplace2Compound.SetEnabled(true);
}

RenumberInputs frmFileRenamer::RenumberInputsNow() const {
  return {.startAt = tbStartAt.Text(),
          .step = tbStep.Text(),
          .digits = vsRenumberPad.Value(),
          .append = optAppend.Value(),
          .decimalSeparator = app_.Services().locale.DecimalSeparator()};
}

PadInputs frmFileRenamer::PadInputsNow() const {
  return {.padChar = tbPadChar.Text(), .fromStart = optPadFromStart.Value()};
}

void frmFileRenamer::cmdPreviewRenumber_Click() {
  ShowPreview(Renumber(Items(lstSource), RenumberInputsNow()), false);
}

void frmFileRenamer::cmdPreviewReplaceFirst_Click() {
  ShowPreview(ReplaceFirst(Items(lstSource), vsReplaceChar.Value(), tbReplaceWith.Text()), false);
}

void frmFileRenamer::cmdInsertPreview_Click() {
  ShowPreview(InsertAt(Items(lstSource), vsInsertAtChar.Value(), tbInsertText.Text()), false);
}

void frmFileRenamer::cmdAppendPreview_Click() {
  ShowPreview(AppendToName(Items(lstSource), tbAppend.Text()), false);
}

void frmFileRenamer::cmdPad_Click() {
  ShowPreview(Pad(Items(lstSource), PadInputsNow()), false);
}

void frmFileRenamer::cmdReplace2Preview_Click() {
  ShowPreview(ReplaceText(Items(lstSource), tbReplace2Replace.Text(), tbReplace2ReplaceWith.Text()), true);
}

// The replacement applied to the preview line by line, so replacements chain.
void frmFileRenamer::cmdReplace2Compound_Click() {
  if (lstDestination.ListCount() != lstSource.ListCount()) return;
  RulePreview preview = ReplaceText(Items(lstDestination), tbReplace2Replace.Text(), tbReplace2ReplaceWith.Text());
  lstDestination.SetItems(std::move(preview.names));
  cmdDoIt.SetEnabled(true);
  cmdClear.SetEnabled(true);
}

void frmFileRenamer::cmdClear_Click() {
  lstDestination.Clear();
  for (ui::CommandButton* button : {&cmdReplace2Compound, &cmdClear, &cmdDoIt}) button->SetEnabled(false);
}

void frmFileRenamer::vsRenumberPad_Change() {
  tbRenumberDigits.SetText(std::to_string(vsRenumberPad.Value()));
}

void frmFileRenamer::vsReplaceChar_Change() {
  tbReplaceChar.SetText(std::to_string(vsReplaceChar.Value()));
}

void frmFileRenamer::vsInsertAtChar_Change() {
  tbInsertAtChar.SetText(std::to_string(vsInsertAtChar.Value()));
}

void frmFileRenamer::tbPadChar_Change() {
  if (tbPadChar.Text().size() <= 1) return;
  Alert("Please select a SINGLE character to Pad with.", ui::MsgIcon::kExclamation);
  tbPadChar.SetText("0");
  tbPadChar.SetSelStart(0);
  tbPadChar.SetSelLength(1);
}

// Each visit of these pages starts from "Overwrite" and "Pad End of FileName".
void frmFileRenamer::SSTab1_Click(int) {
  if (SSTab1.Tab() == 0) optOverwrite.SetValue(true);
  if (SSTab1.Tab() == 4) optPadFromEnd.SetValue(true);
}

void frmFileRenamer::lstSource_Scroll() {
  if (lstDestination.ListCount() > 1) lstDestination.SetTopIndex(lstSource.TopIndex());
}

void frmFileRenamer::lstDestination_Scroll() {
  lstSource.SetTopIndex(lstDestination.TopIndex());
}

// The line under the pointer shows the full path its file had when the window opened.
void frmFileRenamer::lstSource_MouseMove(int button, int, int x, int y) {
  if (button != 0) return;
  int line = lstSource.ItemFromPoint(x, y);
  lstSource.SetToolTipText(line >= 0 && line < lstMainList.ListCount() ? lstMainList.List(line) : "");
}

void frmFileRenamer::gSetHorizontalExtent(ui::ListBox& list) {
  list.SetHorizontalExtent(std::max(0, list.Width() - 2500));
}

}  // namespace filetools

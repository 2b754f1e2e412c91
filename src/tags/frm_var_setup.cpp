#include "tags/frm_var_setup.h"

#include <string>

#include "app/app.h"
#include "core/file_helpers.h"
#include "core/path_helpers.h"
#include "mainwindow/frm_main.h"
#include "platform/file_system.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "runtime/wildcard.h"

namespace tags {

namespace {

constexpr int kTagsPerPage = 10;
constexpr int kMinPadDigits = 2;
constexpr int kMaxPadDigits = 9;

int CheckValue(std::int16_t field) {
  return field == 1 ? ui::kChecked : ui::kUnchecked;
}

}  // namespace

frmVARSetup::frmVARSetup(app::App& app) : Form(app.Ctx(), "frmVARSetup"), app_(app) {
  SetCaption(" User Tags - Configuration");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  Move(0, 0, 8250, 7875);
  DesignDynamicGroup();
  DesignStaticGroup();
  cmdOK.SetCaption("&Ok");
  cmdOK.SetDefault(true);
  cmdOK.Move(6675, 6960, 1335, 375);

  onLoad = [this] { Form_Load(); };
  vsPadCounter.onChange = [this] { vsPadCounter_Change(); };
  cmbTAGSelector.onChange = [this] { cmbTAGSelector_Change(); };
  cmbTAGSelector.onClick = [this] { cmbTAGSelector_Click(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdClearAllTags.onClick = [this] { cmdClearAllTags_Click(); };
  cmdSaveTAG.onClick = [this] { cmdSaveTAG_Click(); };
  cmdDelTAG.onClick = [this] { cmdDelTAG_Click(); };
  chkLock.onClick = [this] { chkLock_Click(); };
  tbSheetChars.onLostFocus = [this] { tbSheetChars_LostFocus(); };
  tbFirstFileChars.onLostFocus = [this] { tbFirstFileChars_LostFocus(); };
}

void frmVARSetup::DesignDynamicGroup() {
  fraDynamic.SetCaption("DYNAMIC Variables Settings");
  fraDynamic.Move(120, 120, 7890, 1695);

  fraFirstFileChars.SetCaption("$FIRSTFILECHARS$");
  fraFirstFileChars.Move(120, 240, 2490, 1335);
  lblFirst.SetCaption("First");
  lblFirst.Move(120, 330, 495, 255);
  tbFirstFileChars.Move(660, 285, 495, 315);
  lblFirstCharacters.SetCaption("characters");
  lblFirstCharacters.Move(1200, 330, 915, 255);
  lblFirstInFilename.SetCaption("in filename");
  lblFirstInFilename.Move(660, 690, 1335, 255);

  fraSheet.SetCaption("$SHEET$");
  fraSheet.Move(2715, 240, 2175, 1335);
  lblLast.SetCaption("Last");
  lblLast.Move(120, 330, 495, 255);
  tbSheetChars.Move(660, 285, 495, 315);
  lblSheetCharacters.SetCaption("characters");
  lblSheetCharacters.Move(1200, 330, 915, 255);
  lblSheetInFilename.SetCaption("in filename");
  lblSheetInFilename.Move(660, 690, 1335, 255);
  chkTrimZeros.SetCaption("Trim Leading Zeros");
  chkTrimZeros.Move(120, 990, 1935, 255);

  fraCounter.SetCaption("$COUNTER$");
  fraCounter.Move(4995, 240, 2775, 1335);
  lblStartAt.SetCaption("Start at");
  lblStartAt.Move(120, 330, 735, 255);
  tbCounterStart.Move(900, 285, 735, 315);
  lblStep.SetCaption("Step");
  lblStep.Move(1740, 330, 435, 255);
  tbCounterStep.Move(2160, 285, 495, 315);
  chkPadCounter.SetCaption("Pad to");
  chkPadCounter.Move(120, 810, 855, 255);
  tbPadCounter.SetText("2");
  tbPadCounter.SetEnabled(false);
  tbPadCounter.Move(1020, 765, 375, 315);
  // Min above Max: the upper arrow raises the width.
  vsPadCounter.SetMin(kMaxPadDigits);
  vsPadCounter.SetMax(kMinPadDigits);
  vsPadCounter.SetValue(kMinPadDigits);
  vsPadCounter.Move(1395, 765, 255, 315);
  lblDigits.SetCaption("digits");
  lblDigits.Move(1740, 810, 615, 255);
}

void frmVARSetup::DesignStaticGroup() {
  fraStatic.SetCaption("STATIC Tags");
  fraStatic.Move(120, 1920, 7890, 4935);

  fraTemplate.SetCaption("Template");
  fraTemplate.Move(120, 240, 7335, 735);
  chkLock.SetCaption("Read Only");
  chkLock.Move(120, 315, 1155, 255);
  cmbTAGSelector.SetSorted(true);
  cmbTAGSelector.Move(1320, 270, 3495, 315);
  cmdDelTAG.SetCaption("&Delete");
  cmdDelTAG.Move(4980, 240, 1095, 375);
  cmdSaveTAG.SetCaption("&Save");
  cmdSaveTAG.Move(6180, 240, 1035, 375);

  SSTab1.SetTabs(kTagCount / kTagsPerPage);
  SSTab1.Move(120, 1080, 7335, 3735);
  for (int page = 0; page < kTagCount / kTagsPerPage; ++page) {
    int first = page * kTagsPerPage + 1;
    SSTab1.SetTabCaption(page, std::to_string(first) + "-" + std::to_string(first + kTagsPerPage - 1));
  }
  for (int n = 1; n <= kTagCount; ++n) {
    ui::TabPage* page = SSTab1.Page((n - 1) / kTagsPerPage);
    int row = (n - 1) % kTagsPerPage;
    int top = 480 + 315 * row;
    auto& label = lblTags_.emplace_back(std::make_unique<ui::Label>(page, "lblTag", n));
    label->SetCaption("$TAG" + std::to_string(n) + "$");
    label->Move(120, top + 45, 855, 255);
    auto& box = tbTags_.emplace_back(std::make_unique<ui::TextBox>(page, "tbTag" + std::to_string(n)));
    box->Move(1020, top, 4935, 285);
  }
  cmdClearAllTags.SetCaption("Clear All");
  cmdClearAllTags.Move(6120, 480, 1035, 375);
}

ui::TextBox& frmVARSetup::tbTag(int n) const {
  if (n < 1 || n > kTagCount) throw runtime::Error(runtime::kSubscriptOutOfRange);
  return *tbTags_[static_cast<std::size_t>(n - 1)];
}

ui::Label& frmVARSetup::lblTag(int n) const {
  if (n < 1 || n > kTagCount) throw runtime::Error(runtime::kSubscriptOutOfRange);
  return *lblTags_[static_cast<std::size_t>(n - 1)];
}

void frmVARSetup::Form_Load() {
  mainwindow::frmMain& main = app_.frmMain();
  tbCounterStart.SetText(runtime::IntegerToText(main.settings.COUNTERSTART));
  tbCounterStep.SetText(runtime::IntegerToText(main.settings.COUNTERSTEP));
  tbFirstFileChars.SetText(main.settings.FIRSTFILECHARS);
  tbSheetChars.SetText(main.settings.SHEETCHARS);
  chkTrimZeros.SetValue(CheckValue(main.settings.TRIMZEROS));
  chkPadCounter.SetValue(CheckValue(main.settings.PADCOUNTER));
  if (main.settings.PADDIGITS >= kMinPadDigits && main.settings.PADDIGITS <= kMaxPadDigits)
    vsPadCounter.SetValue(main.settings.PADDIGITS);
  for (int n = 1; n <= kTagCount; ++n) tbTag(n).SetText(main.settings.TAG[static_cast<std::size_t>(n - 1)]);
  FillTemplateList();
}

void frmVARSetup::vsPadCounter_Change() {
  tbPadCounter.SetText(runtime::IntegerToText(vsPadCounter.Value()));
}

void frmVARSetup::FillTemplateList() {
  cmbTAGSelector.Clear();
  cmbTAGSelector.SetText("");
  SetMousePointer(ui::Pointer::kHourglass);
  Ctx().DoEvents();
  platform::FileSystem& fs = Ctx().Services().fileSystem;
  std::vector<std::string> names;
  try {
    names = core::DirSearchAll(fs, Ctx().App().path + "\\DATA\\*.TAG");
  } catch (const runtime::Error&) {
    names.clear();
  }
  for (const std::string& name : names) {
    if (runtime::Like(name, "*.TAG"))
      cmbTAGSelector.AddItem(runtime::UpperCase(runtime::Left(name, static_cast<int>(name.size()) - 4)));
  }
  SetMousePointer(ui::Pointer::kDefault);
  cmbTAGSelector_Change();
}

void frmVARSetup::cmbTAGSelector_Change() {
  std::string path = Ctx().App().path + "\\DATA\\" + cmbTAGSelector.Text() + ".TAG";
  bool locked = false;
  try {
    platform::FileSystem& fs = Ctx().Services().fileSystem;
    locked = core::PathFileExists(fs, path) != 0 && (fs.GetAttributes(path) & platform::kAttrReadOnly) != 0;
  } catch (const runtime::Error&) {
    return;
  }
  cmdDelTAG.SetEnabled(!locked);
  cmdSaveTAG.SetEnabled(!locked);
  chkLock.SetValue(locked ? ui::kChecked : ui::kUnchecked);
}

}  // namespace tags

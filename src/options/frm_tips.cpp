#include "options/frm_tips.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "options/options_values.h"
#include "options/tips_file.h"
#include "runtime/error.h"

namespace options {

frmTips::frmTips(app::App& app) : Form(app.Ctx(), "frmTips"), app_(app) {
  SetCaption(" Tip of the Day");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  Move(0, 0, 7335, 4200);

  Text1.SetMultiLine(true);
  Text1.SetLocked(true);
  Text1.SetScrollBars(ui::ScrollBars::kVertical);
  Text1.SetFontName("Arial");
  Text1.SetFontSize(12);
  Text1.Move(120, 120, 6975, 2895);
  lblTipNum.SetCaption("Nothing");
  lblTipNum.Move(120, 3165, 1215, 255);
  cmdPreviousTip.SetCaption("<<");
  cmdPreviousTip.Move(1440, 3120, 615, 375);
  cmdNextTip.SetCaption(">>");
  cmdNextTip.Move(2160, 3120, 615, 375);
  Check1.SetCaption("Show Tip of the Day at Startup");
  Check1.Move(2880, 3165, 2880, 255);
  cmdClose.SetCaption("&Close");
  cmdClose.SetDefault(true);
  cmdClose.Move(5880, 3120, 1215, 375);

  onLoad = [this] { Form_Load(); };
  cmdNextTip.onClick = [this] { cmdNextTip_Click(); };
  cmdPreviousTip.onClick = [this] { cmdPreviousTip_Click(); };
  cmdClose.onClick = [this] { cmdClose_Click(); };
  Check1.onClick = [this] { Check1_Click(); };
}

void frmTips::Form_Load() {
  platform::Services& services = Ctx().Services();
  TipList.clear();
  TipCount = 0;
  std::string fileText;
  try {
    fileText = services.fileSystem.ReadAll(Ctx().App().path + "\\DATA\\tips.txt");
  } catch (const runtime::Error&) {
    ShowMessageOnly("TIPS.TXT file not found in Tornavane directory");
    return;
  }
  TipList = ParseTips(fileText);
  TipCount = static_cast<std::int16_t>(TipList.size());
  if (TipCount > 0) {
    std::string stored = services.settings.Get(kSettingsApp, "Startup", "TipNumber", "0");
    CurrentTip = static_cast<std::int16_t>(FirstTipToShow(stored, TipCount));
    ShowTip();
  } else {
    ShowMessageOnly("TIPS.TXT file is empty");
  }
  ShowStoredChoice();
}

// The box shows the choice as stored now (the user may have changed it since the start, which
// the main window's TipsShow does not follow). Setting it runs its click handler, which must
// not store anything: only the user's click does.
void frmTips::ShowStoredChoice() {
  const std::string running = app_.frmMain().settings.TipsShow == 1 ? "1" : "0";
  const std::string stored = Ctx().Services().settings.Get(kSettingsApp, "Startup", "TipsShow", running);
  const bool on = stored == "1" || (stored != "0" && running == "1");
  showingStoredChoice_ = true;
  Check1.SetValue(on ? ui::kChecked : ui::kUnchecked);
  showingStoredChoice_ = false;
}

void frmTips::ShowTip() {
  Text1.SetText(TipList[static_cast<std::size_t>(CurrentTip)]);
  lblTipNum.SetCaption(TipCounter(CurrentTip, TipCount));
}

void frmTips::ShowMessageOnly(const std::string& text) {
  cmdNextTip.SetVisible(false);
  cmdPreviousTip.SetVisible(false);
  Check1.SetVisible(false);
  lblTipNum.SetVisible(false);
  Text1.SetText(text);
}

void frmTips::cmdNextTip_Click() {
  if (TipCount == 0) return;
  CurrentTip = static_cast<std::int16_t>(CurrentTip + 1 == TipCount ? 0 : CurrentTip + 1);
  ShowTip();
}

void frmTips::cmdPreviousTip_Click() {
  if (TipCount == 0) return;
  CurrentTip = static_cast<std::int16_t>(CurrentTip == 0 ? TipCount - 1 : CurrentTip - 1);
  ShowTip();
}

void frmTips::cmdClose_Click() {
  Hide();
  Ctx().Services().settings.Write(kSettingsApp, "Startup", "TipNumber", std::to_string(CurrentTip));
}

// Takes effect at the next start; the running program keeps its TipsShow.
void frmTips::Check1_Click() {
  if (showingStoredChoice_) return;
  Ctx().Services().settings.Write(kSettingsApp, "Startup", "TipsShow", Check1.Value() == ui::kChecked ? "1" : "0");
}

}  // namespace options

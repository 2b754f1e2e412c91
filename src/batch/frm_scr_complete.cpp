#include "batch/frm_scr_complete.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "options/frm_options.h"
#include "runtime/error.h"

namespace batch {

namespace {

constexpr const char* kHowToRunWithButton =
    "1) Alt-Tab into AutoCAD and click on the Tornavane toolbar button to run your Batch Script.  If this Toolbar "
    "doesn't exist, please create a new toolbar button with:";
constexpr const char* kMacroEnd = "as the macro associated with this button.";
constexpr const char* kOr = "OR";
constexpr const char* kHowToRunWithRun =
    "2) Use the \"Create and RUN Batch\" button to RUN the batch script.  AutoCAD will boot and the script will be "
    "run automatically.  This will save you from having to configure a toolbar button.";
constexpr const char* kRunHeading =
    "After you press the 'OK' button below, AutoCAD will be started, and the script you created will be run...";

}  // namespace

frmScrComplete::frmScrComplete(app::App& app) : Form(app.Ctx(), "frmScrComplete"), app_(app) {
  SetCaption(" Tornavane Message");
  SetBorderStyle(ui::BorderStyle::kFixedDialog);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 6615, 5520);

  Label1.SetCaption("Tornavane Batch Script has been sucessfully created in:");
  Label1.Move(120, 120, 6255, 255);
  lblOutputPathAndFile.SetFontBold(true);
  lblOutputPathAndFile.Move(120, 405, 6255, 255);
  Label3.SetWordWrap(true);
  Label3.Move(120, 780, 6255, 615);
  Text1.SetText("^C^C_script tornavane.scr");
  Text1.SetLocked(true);
  Text1.Move(720, 1455, 4815, 315);
  Label8.Move(120, 1845, 6255, 255);
  Label5.SetAlignment(ui::Alignment::kCenter);
  Label5.Move(120, 2175, 6255, 255);
  Label6.SetWordWrap(true);
  Label6.Move(120, 2505, 6255, 615);
  Label2.SetWordWrap(true);
  Label2.SetCaption(
      "Also, until you are sure as to your settings are 100%,  you may want to change or confirm some of Tornavanes "
      "Options... Please see the menu View-->Options in Tornavane.  Or click the button below...");
  Label2.Move(120, 3210, 6255, 615);
  Command2.SetCaption("&Options");
  Command2.SetDefault(true);
  Command2.Move(2700, 3900, 1215, 375);
  Check1.SetCaption("Show this box everytime a Tornavane script is created");
  Check1.SetValue(ui::kChecked);
  Check1.Move(120, 4545, 4950, 255);
  Command1.SetCaption("&OK");
  Command1.Move(5160, 4485, 1215, 375);
  ShowBuildTexts();

  onQueryUnload = [this](bool& cancel, ui::UnloadMode mode) { Form_QueryUnload(cancel, mode); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
}

void frmScrComplete::ShowBuildTexts() {
  Label3.SetCaption(kHowToRunWithButton);
  Text1.SetVisible(true);
  Label8.SetCaption(kMacroEnd);
  Label5.SetCaption(kOr);
  Label6.SetCaption(kHowToRunWithRun);
}

void frmScrComplete::ShowRunTexts() {
  Label3.SetCaption(kRunHeading);
  Text1.SetVisible(false);
  Label8.SetCaption("");
  Label5.SetCaption("");
  Label6.SetCaption("");
}

void frmScrComplete::Command1_Click() {
  if (Check1.Value() == ui::kUnchecked) {
    app_.frmMain().settings.ShowSCRComplete = 0;
    try {
      Ctx().Services().settings.Write("TornavanePowerTool", "Startup", "ShowSCRComplete", "0");
    } catch (const runtime::Error&) {
      // The notice stays off for this session; the stored value could not be changed.
    }
  }
  Hide();
}

void frmScrComplete::Command2_Click() {
  try {
    app_.frmOptions().Show(ui::ShowMode::kModal, this);
  } catch (const runtime::Error&) {
    // Already open beside the main window: the user can use it there.
  }
}

void frmScrComplete::Form_QueryUnload(bool& cancel, ui::UnloadMode mode) {
  if (mode != ui::UnloadMode::kFormControlMenu) return;
  cancel = true;
  Command1_Click();
}

}  // namespace batch

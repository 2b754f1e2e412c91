#include "mainwindow/frm_capture.h"

#include "app/app.h"
#include "core/app_title.h"
#include "core/text_file.h"
#include "mainwindow/command_capture.h"
#include "mainwindow/frm_main.h"
#include "options/web_links.h"
#include "runtime/error.h"
#include "ui/tab_order.h"

namespace mainwindow {

namespace {

// Broken into lines that fit the box, which scrolls sideways instead of wrapping (AutoCAD's
// command lines are pasted there).
std::string Instructions() {
  return "1. In AutoCAD, carry out your task with command-line\r\n"
         "   commands only and avoid dialog boxes (for example\r\n"
         "   -LAYER instead of LAYER). Answer every prompt\r\n"
         "   instead of pressing Enter for a default.\r\n"
         "2. Press F2 to open AutoCAD's \"Text Window\" and\r\n"
         "   select everything from the first significant\r\n"
         "   \"COMMAND:\" prompt to the last one.\r\n"
         "3. Copy the selection with the right-click menu.\r\n"
         "4. Come back here and press \"Get AutoCAD \"Text\r\n"
         "   Window\" commands from Clipboard\".\r\n"
         "5. Review the text and adjust it where needed.\r\n"
         "6. Press \"Capture AutoCAD Commands --->\"; the\r\n"
         "   script shows on the right.\r\n"
         "7. Press \"Paste in Tornavane & Exit\" to make it\r\n"
         "   the user script.\r\n"
         "\r\n"
         "Questions? See the FAQ at\r\n" +
         options::FaqPage() + "\r\nor write to " + std::string(core::kSupportEmail);
}

}  // namespace

frmcapture::frmcapture(app::App& app) : Form(app.Ctx(), "frmcapture"), app_(app) {
  SetBorderStyle(ui::BorderStyle::kFixedSingle);
  SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
  Move(0, 0, 12300, 7440);
  lblInput.SetCaption("Text from AutoCAD \"Text Window\"");
  lblInput.Move(120, 120, 5895, 255);
  for (ui::TextBox* box : {&Text1, &Text2}) {
    box->SetMultiLine(true);
    box->SetScrollBars(ui::ScrollBars::kBoth);
  }
  Text1.SetText(Instructions());
  Text1.Move(120, 420, 5895, 5775);
  lblOutput.SetCaption("Captured Script Commands");
  lblOutput.Move(6180, 120, 5895, 255);
  Text2.Move(6180, 420, 5895, 5775);
  cmdClear.SetCaption("&Clear");
  cmdClear.Move(120, 6360, 1095, 495);
  cmdPastefromClip.SetCaption("&Get AutoCAD \"Text Window\" commands from Clipboard");
  cmdPastefromClip.Move(1320, 6360, 4695, 495);
  cmdParseScr.SetCaption("Capture &AutoCAD Commands --->");
  cmdParseScr.SetEnabled(false);
  cmdParseScr.Move(6180, 6360, 2775, 495);
  cmdCopyToTornavane.SetCaption("Paste in &Tornavane && Exit");
  cmdCopyToTornavane.SetEnabled(false);
  cmdCopyToTornavane.Move(9060, 6360, 3015, 495);
  ui::SetTabOrder({&Text1, &Text2, &cmdClear, &cmdPastefromClip, &cmdParseScr, &cmdCopyToTornavane});

  onLoad = [this] { Form_Load(); };
  cmdPastefromClip.onClick = [this] { cmdPastefromClip_Click(); };
  cmdParseScr.onClick = [this] { cmdParseScr_Click(); };
  cmdCopyToTornavane.onClick = [this] { cmdCopyToTornavane_Click(); };
  cmdClear.onClick = [this] { cmdClear_Click(); };
}

void frmcapture::Form_Load() {
  SetCaption("Tornavane Command Capture");
  instructions_ = Text1.Text();
}

void frmcapture::cmdPastefromClip_Click() {
  Text1.SetText("");
  Text1.SetText(CollapseBlankLines(Ctx().Services().clipboard.GetText()));
  cmdParseScr.SetEnabled(true);
}

void frmcapture::cmdParseScr_Click() {
  try {
    core::WriteTextDump(Ctx().Services().fileSystem, app_.frmMain().settings.ProgramPath + "temp.tmp", Text1.Text());
  } catch (const runtime::Error&) {
    // A read-only program folder: the capture works from the box all the same.
  }
  Text2.SetText(CaptureScript(Text1.Text()));
  cmdCopyToTornavane.SetEnabled(true);
}

void frmcapture::cmdCopyToTornavane_Click() {
  frmMain& main = app_.frmMain();
  main.Text1.SetText(Text2.Text());
  main.Text2.SetText("");
  Hide();
}

void frmcapture::cmdClear_Click() {
  Text1.SetText(instructions_);
  ResetOutput();
}

void frmcapture::ResetOutput() {
  Text2.SetText("");
  cmdParseScr.SetEnabled(false);
  cmdCopyToTornavane.SetEnabled(false);
}

}  // namespace mainwindow

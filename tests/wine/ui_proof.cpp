// The proof program of the Win32 back end: a form with every control kind, shown on the
// screen, that another process (ui_driver.exe) drives with real window messages. Every
// handler that runs is recorded, in order, with the state it sees; at the end the record is
// written to the file named on the command line, for the check to compare.
//
//   ui_proof.exe <record file>

#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_services.h"
#include "runtime/error.h"
#include "ui/ui.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_ui_api.h"

namespace {

constexpr int kPixel = 15;  // twips per pixel at 96 DPI

using Record = std::vector<std::string>;

class FrmDialog : public ui::Form {
 public:
  FrmDialog(ui::Context& ctx, Record& record) : Form(ctx, "frmDialog"), record_(record) {
    SetCaption("Proof Dialog");
    SetBorderStyle(ui::BorderStyle::kFixedDialog);
    SetStartUpPosition(ui::StartUpPosition::kCenterOwner);
    Move(0, 0, 300 * kPixel, 150 * kPixel);
    lblAnswer.SetCaption("&Answer:");
    lblAnswer.Move(10 * kPixel, 15 * kPixel, 55 * kPixel, 16 * kPixel);
    txtAnswer.Move(70 * kPixel, 12 * kPixel, 210 * kPixel, 21 * kPixel);
    cmdDialogOK.SetCaption("OK");
    cmdDialogOK.SetDefault(true);
    cmdDialogOK.Move(100 * kPixel, 80 * kPixel, 80 * kPixel, 25 * kPixel);
    cmdEnd.SetCaption("&End program");
    cmdEnd.Move(190 * kPixel, 80 * kPixel, 90 * kPixel, 25 * kPixel);
    cmdDialogOK.onClick = [this] {
      record_.push_back("cmdDialogOK_Click " + txtAnswer.Text());
      Hide();
    };
    cmdEnd.onClick = [this] {
      record_.push_back("cmdEnd_Click");
      Ctx().End();
    };
    onActivate = [this] { record_.push_back("frmDialog_Activate"); };
    onDeactivate = [this] { record_.push_back("frmDialog_Deactivate"); };  // not when it hides
  }

  ui::Label lblAnswer{this, "lblAnswer"};
  ui::TextBox txtAnswer{this, "txtAnswer"};
  ui::CommandButton cmdDialogOK{this, "cmdDialogOK"};
  ui::CommandButton cmdEnd{this, "cmdEnd"};

 private:
  Record& record_;
};

class FrmProof : public ui::Form {
 public:
  FrmProof(ui::Context& ctx, Record& record, ui::FormSlot<FrmDialog>& dialog)
      : Form(ctx, "frmProof"), record_(record), dialog_(dialog) {
    SetCaption("Tornavane Proof");
    SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
    Move(0, 0, 640 * kPixel, 480 * kPixel);
    LayOutLeft();
    LayOutRight();
    LayOutMenus();
    WireEvents();
  }

  ui::Label lblName{this, "lblName"};
  ui::TextBox txtName{this, "txtName"};
  ui::Label lblStatus{this, "lblStatus"};
  ui::TextBox txtNotes{this, "txtNotes"};
  ui::CheckBox chkDelay{this, "chkDelay"};
  ui::Frame fraPage{this, "fraPage"};
  ui::ControlArray<ui::OptionButton> optPage{&fraPage, "optPage"};
  ui::ListBox lstItems{this, "lstItems"};
  ui::ComboBox cmbColour{this, "cmbColour"};
  ui::ComboBox cmbSize{this, "cmbSize"};
  ui::HScrollBar hsbZoom{this, "hsbZoom"};
  ui::PictureBox picSplit{this, "picSplit"};
  ui::Line linRule{this, "linRule"};
  ui::TabControl tabMain{this, "tabMain"};
  ui::DriveListBox drvDrive{tabMain.Page(0), "drvDrive"};
  ui::DirListBox dirFolder{tabMain.Page(0), "dirFolder"};
  ui::FileListBox filFiles{tabMain.Page(0), "filFiles"};
  ui::CheckBox chkAdvanced{tabMain.Page(1), "chkAdvanced"};
  ui::VScrollBar vsbSpeed{this, "vsbSpeed"};
  ui::CommandButton cmdModal{this, "cmdModal"};
  ui::CommandButton cmdOK{this, "cmdOK"};
  ui::CommandButton cmdCancel{this, "cmdCancel"};
  ui::Timer tmrStart{this, "tmrStart"};
  ui::MenuItem mnuFile{this, "mnuFile"};
  ui::MenuItem mnuFileSave{&mnuFile, "mnuFileSave"};
  ui::MenuItem mnuFileSep{&mnuFile, "mnuFileSep"};
  ui::MenuItem mnuFileExit{&mnuFile, "mnuFileExit"};
  ui::MenuItem mnuHelp{this, "mnuHelp"};
  ui::MenuItem mnuHelpAbout{&mnuHelp, "mnuHelpAbout"};

 private:
  static void Place(ui::Control& control, int left, int top, int width, int height) {
    control.Move(left * kPixel, top * kPixel, width * kPixel, height * kPixel);
  }

  void LayOutLeft() {
    lblName.SetCaption("&Name:");
    Place(lblName, 8, 11, 60, 16);
    Place(txtName, 70, 8, 180, 21);
    lblStatus.SetCaption("Ready");
    Place(lblStatus, 8, 36, 242, 16);
    txtNotes.SetMultiLine(true);
    txtNotes.SetScrollBars(ui::ScrollBars::kVertical);
    Place(txtNotes, 8, 56, 242, 70);
    chkDelay.SetCaption("&Delay the run");
    Place(chkDelay, 8, 132, 200, 20);
    fraPage.SetCaption("Page");
    Place(fraPage, 8, 156, 242, 92);
    const char* captions[] = {"&First", "&Second", "&Third"};
    for (int i = 0; i < 3; ++i) {
      optPage.Load(i).SetCaption(captions[i]);
      Place(optPage[i], 12, 20 + 22 * i, 200, 20);
    }
    optPage[0].SetValue(true);
    Place(lstItems, 8, 256, 120, 90);
    for (const char* item : {"Alpha", "Beta", "Gamma"}) lstItems.AddItem(item);
    Place(cmbColour, 136, 256, 114, 21);
    for (const char* item : {"Red", "Green", "Blue"}) cmbColour.AddItem(item);
    cmbSize.SetStyle(ui::ComboStyle::kDropDownList);
    Place(cmbSize, 136, 284, 114, 21);
    for (const char* item : {"Small", "Medium", "Large"}) cmbSize.AddItem(item);
    hsbZoom.SetMax(100);
    Place(hsbZoom, 136, 312, 114, 17);
    Place(picSplit, 8, 354, 242, 6);
    linRule.SetPoints(8 * kPixel, 368 * kPixel, 250 * kPixel, 368 * kPixel);
  }

  void LayOutRight() {
    Place(tabMain, 262, 8, 362, 250);
    tabMain.SetTabCaption(0, "&General");
    tabMain.SetTabCaption(1, "&Options");
    tabMain.SetTabCaption(2, "&Advanced");
    Place(drvDrive, 12, 34, 160, 21);
    Place(dirFolder, 12, 62, 160, 180);
    Place(filFiles, 180, 34, 170, 208);
    chkAdvanced.SetCaption("Show advanced &settings");
    Place(chkAdvanced, 12, 40, 200, 20);
    vsbSpeed.SetMax(10);
    Place(vsbSpeed, 262, 266, 17, 90);
    cmdModal.SetCaption("&Modal...");
    Place(cmdModal, 290, 266, 90, 25);
    cmdOK.SetCaption("OK");
    cmdOK.SetDefault(true);
    Place(cmdOK, 452, 388, 80, 25);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.SetCancel(true);
    Place(cmdCancel, 540, 388, 80, 25);
    tmrStart.SetInterval(50);
  }

  void LayOutMenus() {
    mnuFile.SetCaption("&File");
    mnuFileSave.SetCaption("&Save");
    mnuFileSave.SetShortcut(ui::Shortcut::Ctrl('S'));
    mnuFileSep.SetCaption("-");
    mnuFileExit.SetCaption("E&xit");
    mnuHelp.SetCaption("&Help");
    mnuHelpAbout.SetCaption("&About");
    mnuHelpAbout.SetShortcut(ui::Shortcut::F(1));
  }

  void Log(const std::string& line) { record_.push_back(line); }

  void WireEvents() {
    onLoad = [this] { Log("Form_Load"); };
    onResize = [this] {
      std::string line = "Form_Resize " + std::to_string(int(WindowState()));
      if (WindowState() == ui::WindowState::kNormal) line += ' ' + ScaleAgainstClient();
      Log(line);
    };
    onActivate = [this] { Log("frmProof_Activate"); };
    onDeactivate = [this] { Log("frmProof_Deactivate"); };
    onQueryUnload = [this](bool&, ui::UnloadMode mode) { Log("Form_QueryUnload " + std::to_string(int(mode))); };
    onUnload = [this](bool&) {
      Log("Form_Unload " + State());
      if (FrmDialog* dialog = dialog_.IfLoaded()) dialog->Unload();  // a loaded form keeps the program running
    };
    tmrStart.onTimer = [this] { Tick(); };
    txtName.onChange = [this] { Log("txtName_Change " + txtName.Text()); };
    txtNotes.onChange = [this] { Log("txtNotes_Change " + std::to_string(txtNotes.Text().size())); };
    chkDelay.onClick = [this] { Log("chkDelay_Click " + std::to_string(chkDelay.Value())); };
    optPage.On(&ui::OptionButton::onClick, [this](int index) { Log("optPage_Click " + std::to_string(index)); });
    lstItems.onClick = [this] {
      Log("lstItems_Click " + std::to_string(lstItems.ListIndex()) + " " + lstItems.Text());
    };
    cmbSize.onClick = [this] { Log("cmbSize_Click " + cmbSize.Text()); };
    hsbZoom.onChange = [this] { Log("hsbZoom_Change " + std::to_string(hsbZoom.Value())); };
    tabMain.onClick = [this](int previous) { Log("tabMain_Click " + std::to_string(previous)); };
    mnuFileSave.onClick = [this] { FileSave(); };
    mnuHelpAbout.onClick = [this] { HelpAbout(); };
    mnuFileExit.onClick = [this] { Unload(); };
    cmdOK.onClick = [this] { OkPressed(); };
    cmdCancel.onClick = [this] {
      Log("cmdCancel_Click");
      throw runtime::Error(runtime::kInvalidProcedureCall);  // reported by the dispatch, the program goes on
    };
    cmdModal.onClick = [this] { OpenDialog(); };
  }

  void Tick() {
    Log("tmrStart_Timer " + std::to_string(++ticks_));
    if (ticks_ < 3) return;
    tmrStart.SetEnabled(false);
    lblStatus.SetCaption("Timer done");
  }

  void FileSave() {
    ui::MsgAnswer answer = Ctx().MsgBox({"Saved.", "Proof", ui::MsgButtons::kOkCancel, ui::MsgIcon::kInformation});
    Log("mnuFileSave_Click " + std::to_string(int(answer)));
    lblStatus.SetCaption("Saved");
  }

  void HelpAbout() {
    std::string name = Ctx().InputBox({"Your name?", "Proof", "nobody"});
    Log("mnuHelpAbout_Click " + name);
    lblStatus.SetCaption("About " + name);
  }

  void OkPressed() {
    Log("cmdOK_Click");
    lblStatus.SetCaption("OK pressed");
    txtNotes.SetText("Line 1\r\nLine 2");
    lstItems.AddItem("Delta");
  }

  void OpenDialog() {
    Log("cmdModal_Click before");
    dialog_().Show(ui::ShowMode::kModal, this);
    Log("cmdModal_Click after " + dialog_().txtAnswer.Text());
  }

  // Whether ScaleWidth and ScaleHeight are the window's real client size.
  std::string ScaleAgainstClient() const {
    RECT client{0, 0, 0, 0};
    GetClientRect(FindWindowA("TornavaneForm", Caption().c_str()), &client);
    std::string scale = std::to_string(ScaleWidth() / kPixel) + "x" + std::to_string(ScaleHeight() / kPixel);
    std::string real = std::to_string(client.right) + "x" + std::to_string(client.bottom);
    return scale == real ? "scale=client" : "scale=" + scale + " client=" + real;
  }

  std::string State() const {
    int option = -1;
    for (ui::OptionButton* button : optPage.Elements()) {
      if (button->Value()) option = button->Index();
    }
    return "txtName=" + txtName.Text() + " chkDelay=" + std::to_string(chkDelay.Value()) +
           " optPage=" + std::to_string(option) + " lstItems=" + std::to_string(lstItems.ListIndex()) +
           " cmbSize=" + cmbSize.Text() + " hsbZoom=" + std::to_string(hsbZoom.Value()) +
           " lstCount=" + std::to_string(lstItems.ListCount());
  }

  Record& record_;
  ui::FormSlot<FrmDialog>& dialog_;
  int ticks_ = 0;
};

void Run(ui::Context& ctx, ui::win32::Win32Backend& backend, Record& record) {
  ui::FormSlot<FrmDialog> dialog(ctx, [&] { return std::make_unique<FrmDialog>(ctx, record); });
  ui::FormSlot<FrmProof> proof(ctx, [&] { return std::make_unique<FrmProof>(ctx, record, dialog); });
  try {
    proof().Show();
    backend.Run();
  } catch (const ui::ProgramEnd&) {
    record.push_back("ProgramEnd reached main");
  }
  if (ctx.Ended()) record.push_back("program ended");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: ui_proof <record file>\n";
    return 2;
  }
  platform::win32::Win32Services os;
  ui::win32::Win32Backend backend;
  ui::Context ctx(backend, os.services, ui::AppInfo{"", "Tornavane Proof", "ui_proof"});
  Record record;
  Run(ctx, backend, record);
  std::ofstream out(argv[1], std::ios::binary);
  for (const std::string& line : record) out << line << "\n";
  return out ? 0 : 1;
}

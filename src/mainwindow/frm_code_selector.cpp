#include "mainwindow/frm_code_selector.h"

#include "app/app.h"
#include "mainwindow/frm_scr_edit.h"
#include "mainwindow/script_text.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/tab_order.h"

namespace mainwindow {

namespace {

const char* FormName(CodeKind kind) {
  return kind == CodeKind::kLisp ? "frmLispSelector" : "frmVBAselector";
}

// The extension a chosen file must end with, in upper case.
const char* Extension(CodeKind kind) {
  return kind == CodeKind::kLisp ? "LSP" : "DVB";
}

}  // namespace

frmCodeSelector::frmCodeSelector(app::App& app, CodeKind kind) : FolderPicker(app, FormName(kind)), kind_(kind) {
  SetCaption(kind == CodeKind::kLisp ? " Select .LSP File" : "Select VBA Routine");
  SetStartUpPosition(ui::StartUpPosition::kCenterScreen);
  FallBackToPreviousDrive();
  Move(0, 0, 5775, 4635);
  Drive1.Move(120, 120, 2175, 315);
  Dir1.Move(120, 600, 2175, 2790);
  File1.SetPattern(kind == CodeKind::kLisp ? "*.lsp" : "*.dvb");
  File1.Move(2400, 120, 3135, 3210);
  cmdOK.SetCaption("&Ok");
  cmdOK.SetDefault(true);
  cmdOK.SetEnabled(false);
  cmdOK.Move(3840, 3600, 1695, 495);
  cmdCancel.SetCaption("&Cancel");
  cmdCancel.Move(2520, 3720, 1095, 375);
  ui::SetTabOrder({&Drive1, &Dir1, &File1, &cmdCancel, &cmdOK});
  try {
    File1.SetPath(Dir1.Path());
  } catch (const runtime::Error&) {
    // The current folder went away: the file list stays empty until a folder is chosen.
  }

  Dir1.onChange = [this] { Dir1_Change(); };
  File1.onClick = [this] { File1_Click(); };
  cmdOK.onClick = [this] { cmdOK_Click(); };
  cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void frmCodeSelector::Dir1_Change() {
  try {
    File1.SetPath(Dir1.Path());
  } catch (const runtime::Error&) {
    // The folder went away: the file list keeps what it showed.
  }
  UpdateOk();
}

void frmCodeSelector::File1_Click() {
  UpdateOk();
}

void frmCodeSelector::UpdateOk() {
  cmdOK.SetEnabled(runtime::UpperCase(runtime::Right(File1.FileName(), 3)) == Extension(kind_));
}

void frmCodeSelector::cmdOK_Click() {
  if (File1.FileName().empty()) return;
  const std::string lines = kind_ == CodeKind::kLisp ? LispLoadLine(Dir1.Path(), File1.FileName())
                                                     : VbaRunLines(Dir1.Path(), File1.FileName());
  frmSCREdit& editor = app_.frmSCREdit();
  editor.txtSCREdit.SetText(editor.txtSCREdit.Text() + lines);
  Hide();
  try {
    editor.txtSCREdit.SetFocus();
  } catch (const runtime::Error&) {
    // The editor is not shown: nothing takes the focus.
  }
}

void frmCodeSelector::cmdCancel_Click() {
  Hide();
}

}  // namespace mainwindow

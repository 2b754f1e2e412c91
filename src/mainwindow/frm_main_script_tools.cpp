// The main window's openers of the script authoring windows: the script editor, the
// batch-flow dialog, the script browser and the command capture.
#include <optional>

#include "app/app.h"
#include "core/store_bindings.h"
#include "mainwindow/frm_capture.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/frm_scr_browser.h"
#include "mainwindow/frm_scr_edit.h"
#include "mainwindow/frm_settings.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace mainwindow {

namespace {

// A stored position in whole twips; nothing when the text is not a number.
std::optional<int> StoredTwips(platform::SettingsStore& settings, const char* key) {
  try {
    const double value = runtime::TextToDouble(settings.Get(std::string(core::kStoreApp), "Startup", key, "1000"));
    if (value < -1e9 || value > 1e9) return std::nullopt;
    return static_cast<int>(value);
  } catch (const runtime::Error&) {
    return std::nullopt;
  }
}

}  // namespace

// The editor starts at the stored position (1000, 1000 when none is stored); its activation
// then places it by the full stored geometry.
void frmMain::cmdSCREditOpen_Click() {
  frmSCREdit& editor = app_.frmSCREdit();
  platform::SettingsStore& store = Ctx().Services().settings;
  const std::optional<int> left = StoredTwips(store, "SCREditLeft");
  const std::optional<int> top = StoredTwips(store, "SCREditTop");
  if (left && top) editor.Move(*left, *top);
  editor.txtSCREdit.SetText(Text1.Text());
  editor.Show(ui::ShowMode::kModal, this);
}

void frmMain::cmdSettingsEditor_Click() {
  frmSettings& editor = app_.frmSettings();
  editor.GetTextFromMain();
  editor.Show(ui::ShowMode::kModal, this);
}

// The browser starts where the drawing browser is.
void frmMain::cmdBrowse_Click() {
  frmScrBrowser& browser = app_.frmScrBrowser();
  try {
    browser.DriveScrBrowse.SetDrive(Drive1.Drive());
    browser.DirScrBrowse.SetPath(Dir1.Path());
  } catch (const runtime::Error&) {
    // The drawing folder went away: the browser stays where it was.
  }
  browser.Show(ui::ShowMode::kModal, this);
}

void frmMain::mnuScriptBrowser_Click() {
  app_.frmScrBrowser().Show(ui::ShowMode::kModal, this);
}

// The capture window stays loaded, hidden; each opening starts with an empty output.
void frmMain::mnuCommandCapture_Click() {
  app_.frmcapture().Show(ui::ShowMode::kModal, this);
  app_.frmcapture().ResetOutput();
}

void frmMain::WireScriptTools() {
  cmdSCREditOpen.onClick = [this] { cmdSCREditOpen_Click(); };
  cmdBrowse.onClick = [this] { cmdBrowse_Click(); };
  mnuScriptEditor.onClick = [this] { cmdSCREditOpen_Click(); };
  mnuScriptBrowser.onClick = [this] { mnuScriptBrowser_Click(); };
  mnuCommandCapture.onClick = [this] { mnuCommandCapture_Click(); };
}

}  // namespace mainwindow

#include "queue/frm_queue_quick_pick.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "core/app_title.h"
#include "core/path_helpers.h"
#include "core/store_bindings.h"
#include "mainwindow/frm_main.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "queue/frm_dwg_preview.h"
#include "queue/window_place.h"
#include "runtime/convert.h"
#include "runtime/error.h"

namespace queue {

namespace {

constexpr int kShowNormal = 1;

}  // namespace

frmQueueQuickPick::frmQueueQuickPick(app::App& app) : Form(app.Ctx(), "frmQueueQuickPick"), app_(app) {
  SetCaption(" Quick Pick - Queue");
  SetBorderStyle(ui::BorderStyle::kSizableToolWindow);
  SetStartUpPosition(ui::StartUpPosition::kManual);
  Move(1000, 1000, 2355, 4110);
  lstFileNames.Move(0, 0, 1790, 3810);
  lstPaths.SetVisible(false);

  onLoad = [this] { Form_Load(); };
  onResize = [this] { Form_Resize(); };
  onUnload = [this](bool&) { Form_Unload(); };
  lstFileNames.onClick = [this] { lstFileNames_Click(); };
  lstFileNames.onDblClick = [this] { lstFileNames_DblClick(); };
  lstFileNames.onMouseMove = [this](int button, int shift, int x, int y) {
    lstFileNames_MouseMove(button, shift, x, y);
  };
}

void frmQueueQuickPick::Form_Load() {
  const ui::ListBox& queue = app_.frmMain().List1;
  std::vector<std::string> names;
  std::vector<std::string> paths;
  names.reserve(static_cast<std::size_t>(queue.ListCount()));
  paths.reserve(static_cast<std::size_t>(queue.ListCount()));
  for (int i = 0; i < queue.ListCount(); ++i) {
    paths.push_back(queue.List(i));
    names.push_back(core::GetFileName(paths.back()));
  }
  // Added in one go each, so the shown list hears of its new items once.
  lstFileNames.AddItems(std::move(names));
  lstPaths.AddItems(std::move(paths));
}

void frmQueueQuickPick::Form_Resize() {
  try {
    lstFileNames.SetWidth(Width() - 100);
    lstFileNames.SetHeight(Height() - 300);
  } catch (const runtime::Error&) {
    return;
  }
}

// The numbered steps of the closing; each failure is shown with its step and the closing
// goes on, so the main window always comes back.
void frmQueueQuickPick::Form_Unload() {
  mainwindow::frmMain& main = app_.frmMain();
  platform::SettingsStore& store = Ctx().Services().settings;
  const auto save = [&](const char* key, int value) {
    store.Write(std::string(core::kStoreApp), "Startup", key, runtime::IntegerToText(value));
  };
  int left = Left();
  int top = Top();
  int width = Width();
  int height = Height();
  const std::pair<int, std::function<void()>> steps[] = {
      {108, [&] { save("QPQueueLeft", left); }},   {110, [&] { save("QPQueueTop", top); }},
      {112, [&] { save("QPQueueWidth", width); }}, {114, [&] { save("QPQueueHeight", height); }},
      {116, [&] { SetTopMost(false); }},           {118, [&] { Hide(); }},
      {120, [&] { main.File1.Refresh(); }},        {122, [&] { main.Show(); }},
  };
  for (const auto& [line, step] : steps) {
    try {
      step();
    } catch (const runtime::Error& error) {
      Ctx().MsgBox(
          {error.Description() + "\r\nin Tornavane.frmQueueQuickPick.Form_Unload at line " + std::to_string(line),
           std::string(core::kAppTitle)});
    }
  }
}

void frmQueueQuickPick::lstFileNames_Click() {
  const int index = lstFileNames.ListIndex();
  if (index < 0) return;
  ShowDWGPreview(app_, lstPaths.List(index));
  Show();
}

// Opens the clicked drawing alone, without counting.
void frmQueueQuickPick::lstFileNames_DblClick() {
  const int index = lstFileNames.ListIndex();
  if (index < 0) return;
  const std::string path = lstPaths.List(index);
  platform::Shell& shell = Ctx().Services().shell;
  try {
    shell.Execute(shell.DesktopWindow(), "open", path, "", core::DriveRoot(app_.frmMain().Drive1.Drive()), kShowNormal);
  } catch (const runtime::Error& error) {
    if (error.Number() != runtime::kFileNotFound) throw;
    Ctx().MsgBox({path + "\r\nThis drawing could not be handed to Windows. Please contact " +
                      std::string(core::kSupportEmail) + " to report this error.",
                  std::to_string(error.Number())});
  }
}

// The tooltip names the full path of the entry under the pointer; "" off the entries.
void frmQueueQuickPick::lstFileNames_MouseMove(int button, int, int x, int y) {
  if (button != 0) return;
  const int index = lstFileNames.ItemFromPoint(x, y);
  lstFileNames.SetToolTipText(index >= 0 && index < lstPaths.ListCount() ? lstPaths.List(index) : "");
}

}  // namespace queue

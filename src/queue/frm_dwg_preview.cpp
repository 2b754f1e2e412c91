#include "queue/frm_dwg_preview.h"

#include "app/app.h"
#include "mainwindow/frm_main.h"
#include "queue/window_place.h"
#include "runtime/error.h"

namespace queue {

namespace {

constexpr int kInvalidFileFormat = 321;
constexpr int kMinWidth = 3640;
constexpr int kMinHeight = 2551;
constexpr PlaceKeys kPreviewKeys{"DWGPreviewLeft", "DWGPreviewTop", nullptr, nullptr};

}  // namespace

frmDWGPreview::frmDWGPreview(app::App& app) : Form(app.Ctx(), "frmDWGPreview"), app_(app) {
  SetCaption(" Preview");
  SetBorderStyle(ui::BorderStyle::kSizableToolWindow);
  SetStartUpPosition(ui::StartUpPosition::kManual);
  Move(1000, 1000, 3870, 2670);
  DwgThumbnail1.Move(0, 0, 3720, 2265);
  DwgThumbnail1.SetBackColor(ui::kWindowBackground);

  onLoad = [this] { Form_Load(); };
  onUnload = [this](bool&) { Form_Unload(); };
  onResize = [this] { Form_Resize(); };
}

void frmDWGPreview::Form_Load() {
  SetTopMost(false);
}

void frmDWGPreview::Form_Unload() {
  WritePlace(*this, kPreviewKeys);
  SetTopMost(false);
  Hide();
}

// Setting the window's own size runs this again, which then sizes the thumbnail.
void frmDWGPreview::Form_Resize() {
  try {
    if (Height() > kMinHeight - 1) {
      DwgThumbnail1.SetHeight(Height() - 375);
    } else {
      SetHeight(kMinHeight);
    }
    if (Width() > kMinWidth - 1) {
      DwgThumbnail1.SetWidth(Width() - 150);
    } else {
      SetWidth(kMinWidth);
    }
  } catch (const runtime::Error&) {
    return;
  }
}

void PlacePreviewAtStoredPosition(frmDWGPreview& preview) {
  const ui::Rect place = ReadPlace(preview.Ctx(), kPreviewKeys, {1000, 1000, preview.Width(), preview.Height()});
  preview.Move(place.left, place.top);
}

void ToggleDWGPreview(app::App& app) {
  frmDWGPreview& preview = app.frmDWGPreview();
  if (preview.Visible()) {
    preview.Form_Unload();
    return;
  }
  PlacePreviewAtStoredPosition(preview);
  preview.Show(ui::ShowMode::kModeless, &app.frmMain());
}

void ShowDWGPreview(app::App& app, const std::string& path) {
  try {
    const bool created = !app.frmDWGPreviewLoaded();
    frmDWGPreview& preview = app.frmDWGPreview();
    if (!preview.DwgThumbnail1.Visible()) return;
    if (created) PlacePreviewAtStoredPosition(preview);
    preview.Show(ui::ShowMode::kModeless, &app.frmMain());
    try {
      preview.DwgThumbnail1.SetPath(path);
    } catch (const runtime::Error& error) {
      if (error.Number() == kInvalidFileFormat || error.Number() == runtime::kPathFileAccessError) {
        preview.DwgThumbnail1.SetPath("");
      }
    }
  } catch (const runtime::Error&) {
    return;
  }
}

}  // namespace queue

#pragma once

#include <string>

#include "ui/dwg_thumbnail.h"
#include "ui/form.h"

namespace app {
class App;
}

namespace queue {

// The floating preview of a drawing's stored thumbnail. The Preview buttons show it and put
// it away (Form_Unload: it stays loaded, hidden); the close box discards it. It never gets
// smaller than 3640 x 2551 twips.
class frmDWGPreview : public ui::Form {
 public:
  explicit frmDWGPreview(app::App& app);

  ui::DwgThumbnail DwgThumbnail1{this, "DwgThumbnail1"};

  void Form_Load();
  // Stores the position, leaves the always-on-top band and hides.
  void Form_Unload();
  void Form_Resize();

 private:
  app::App& app_;
};

// The preview's stored position: "DWGPreviewLeft" and "DWGPreviewTop" (its size is not kept).
void PlacePreviewAtStoredPosition(frmDWGPreview& preview);

// The Preview buttons: a visible preview is put away (Form_Unload); otherwise the preview is
// shown at its stored position, owned by the main window. Errors reach the caller.
void ToggleDWGPreview(app::App& app);

// Shows path's thumbnail in the preview window, which is created when it does not exist,
// shown when it was put away, and always owned by the main window. A file that is no drawing
// or cannot be read leaves the thumbnail empty; other failures leave it as it was.
void ShowDWGPreview(app::App& app, const std::string& path);

}  // namespace queue

#pragma once

#include <string>

#include "ui/control.h"
#include "ui/drawing_preview.h"

namespace ui {

// Shows the preview image a drawing stores, scaled to the control keeping its proportions;
// shows nothing for the empty path, a drawing without a preview, or after Clear.
class DwgThumbnail : public Control {
 public:
  using Control::Control;

  // The drawing shown. Setting a path reads its preview every time (the file may have been
  // saved again since). A file that is no drawing raises 321, one that cannot be read 75;
  // the control then keeps its path and image. "" shows nothing and reads nothing.
  const std::string& Path() const { return path_; }
  void SetPath(const std::string& path);
  // What the control shows: its kind is kNone when nothing shows.
  const PreviewImage& Image() const { return image_; }

 private:
  std::string path_;
  PreviewImage image_;
};

}  // namespace ui

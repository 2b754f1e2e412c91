#include "ui/picture_box.h"

namespace ui {

void PictureBox::SetBorder(bool border) {
  if (border_ == border) return;
  border_ = border;
  Changed(Property::kColors);
}

void PictureBox::Click() {
  Raise(onClick);
}

void PictureBox::DblClick() {
  Raise(onDblClick);
}

}  // namespace ui

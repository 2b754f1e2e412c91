#include "ui/frame.h"

#include <utility>

namespace ui {

void Frame::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Property::kCaption);
}

void Frame::Click() {
  Raise(onClick);
}

void Frame::DblClick() {
  Raise(onDblClick);
}

}  // namespace ui

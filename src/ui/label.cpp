#include "ui/label.h"

#include <utility>

namespace ui {

void Label::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  Changed(Property::kCaption);
}

void Label::SetAlignment(ui::Alignment alignment) {
  if (alignment_ == alignment) return;
  alignment_ = alignment;
  Changed(Property::kCaption);
}

void Label::SetWordWrap(bool wordWrap) {
  if (wordWrap_ == wordWrap) return;
  wordWrap_ = wordWrap;
  Changed(Property::kCaption);
}

void Label::Click() {
  Raise(onClick);
}

void Label::DblClick() {
  Raise(onDblClick);
}

}  // namespace ui

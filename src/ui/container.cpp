#include "ui/container.h"

#include <algorithm>

namespace ui {

void Container::Adopt(Control* control) {
  controls_.push_back(control);
}

void Container::Release(Control* control) {
  std::erase(controls_, control);
}

}  // namespace ui

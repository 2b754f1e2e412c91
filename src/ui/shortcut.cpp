#include "ui/shortcut.h"

#include "runtime/text.h"

namespace ui {

Shortcut Shortcut::Ctrl(char letter) {
  return Shortcut{true, static_cast<unsigned char>(runtime::UpperCase(letter))};
}

Shortcut Shortcut::F(int number) {
  return Shortcut{false, 111 + number};
}

std::string Shortcut::Text() const {
  if (key == 0) return "";
  if (key >= 112 && key <= 123) return (ctrl ? "Ctrl+F" : "F") + std::to_string(key - 111);
  return std::string(ctrl ? "Ctrl+" : "") + static_cast<char>(key);
}

}  // namespace ui

#pragma once

#include <string>

namespace ui {

// A menu shortcut: Ctrl with a letter or digit, or a function key.
struct Shortcut {
  bool ctrl = false;
  int key = 0;  // virtual-key code: 'A'-'Z', '0'-'9', or F1 (112) to F12; 0 = none

  static Shortcut Ctrl(char letter);
  static Shortcut F(int number);
  bool IsNone() const { return key == 0; }
  // As menus show it: "Ctrl+E", "F1"; "" for none.
  std::string Text() const;

  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

}  // namespace ui

#pragma once

#include <string>

namespace ui {

// What the program knows about itself (the App object of the classic runtime).
struct AppInfo {
  std::string path;     // program folder, without a trailing backslash
  std::string title;    // the application title messages show when they name none
  std::string exeName;  // the program file's name without ".exe"
  int major = 1;
  int minor = 0;
  int revision = 0;
};

}  // namespace ui

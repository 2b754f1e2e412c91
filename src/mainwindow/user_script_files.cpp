#include "mainwindow/user_script_files.h"

#include "core/path_helpers.h"
#include "runtime/text.h"

namespace mainwindow {

namespace {

constexpr std::string_view kForbiddenInName = "\\/:*?\"<>|";

}  // namespace

bool IsValidScriptName(std::string_view name) {
  return name.find_first_of(kForbiddenInName) == std::string_view::npos && name.find("..") == std::string_view::npos;
}

std::string UserScriptCopyPath(std::string_view outputPath, std::string_view user) {
  return runtime::UpperCase(core::GetFolder(outputPath)) + "tornavane-" + std::string(user) + ".scr";
}

}  // namespace mainwindow

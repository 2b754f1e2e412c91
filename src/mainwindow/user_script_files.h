#pragma once

#include <string>
#include <string_view>

namespace mainwindow {

// A script name gives a file in the list folder: it may hold none of \ / : * ? " < > | and
// no "..", so that it names a file there and nowhere else.
bool IsValidScriptName(std::string_view name);

// The copy of the user script written beside the batch script: the batch script's folder in
// upper case, "tornavane-", the logon name and ".scr"; without a folder, the current one.
std::string UserScriptCopyPath(std::string_view outputPath, std::string_view user);

}  // namespace mainwindow

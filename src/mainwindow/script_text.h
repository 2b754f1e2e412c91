#pragma once

#include <string>
#include <string_view>

// The text the script authoring windows compute: the code lines the LISP and VBA pickers
// append, the editor's search and replace, and the script name the script browser gives.
namespace mainwindow {

// (LOAD "F/N") in upper case with every backslash turned into "/", followed by CR LF.
std::string LispLoadLine(std::string_view folder, std::string_view fileName);

// A comment telling the user to name the real macro, then the -VBARUN call of the project
// F/N with the placeholder macro in upper case; every backslash and "/" becomes "\\" (an
// AutoLISP string). Each line is followed by CR LF.
std::string VbaRunLines(std::string_view folder, std::string_view fileName);

// Every occurrence of search replaced in one left-to-right pass, without overlaps and
// without rescanning inserted text; letter case counts only when matchCase is true. An empty
// search changes nothing.
std::string ReplaceEvery(std::string_view text, std::string_view search, std::string_view replacement, bool matchCase);

// A script file's text for the preview: less its final CR LF when it has one.
std::string PreviewText(std::string_view fileText);

// The script name of a file: its name less a final ".scr" in any letter case.
std::string ScriptNameOf(std::string_view fileName);

}  // namespace mainwindow

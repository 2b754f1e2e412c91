#pragma once

#include <string>
#include <string_view>

// Turning a command history copied from AutoCAD's text window into a script: every prompt
// line the user answered becomes a comment holding the line and the answer in upper case.
namespace mainwindow {

// The comment that stands for points picked with the mouse, for the user to replace.
inline constexpr std::string_view kPickPointPlaceholder =
    ";< *** POINT(S) SELECTED WITH MOUSE - PLEASE REPLACE THIS LINE WITH COORDINATE(S) *** >";

// True when the line holds a ":" or a ">" (a prompt).
bool HasPromptMarker(std::string_view line);
// True when the line holds two spaces in a row anywhere (AutoCAD's report lines do).
bool HasDoubleSpace(std::string_view line);
// The script line for a prompt line: the placeholder when it holds "corner:" in lower case,
// else the text after its last ":" or ">", trimmed of spaces, in upper case.
std::string PromptLineToScript(std::string_view line);

// The whole capture: ";BEGIN SCRIPT", the two lines of every taken prompt line, ";END
// SCRIPT", joined by CR LF with none after the last. CR LF, a lone CR and a lone LF each end
// an input line.
std::string CaptureScript(std::string_view history);

// A pasted history with every CR LF CR LF made one CR LF, in one left-to-right pass (three
// or four line ends in a row become two).
std::string CollapseBlankLines(std::string_view text);

}  // namespace mainwindow

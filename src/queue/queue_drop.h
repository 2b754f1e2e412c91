#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/wildcard.h"

// What a file, folder or path list dropped on the queue gives.
namespace queue {

enum class DropKind {
  kFolder,    // its matching files, at every depth
  kDrawing,   // the path itself
  kPathList,  // the matching paths it lists
  kIgnored,
};

// The first rule that takes a dropped path: a folder; a path that the filter text takes
// (each of its ";" separated patterns compared with the whole path); a name ending in ".TXT";
// nothing.
DropKind ClassifyDrop(bool isFolder, std::string_view path, const runtime::WildcardPatternList& filter);

// A line of a path list less one pair of enclosing double quotes; a lone quote gives "".
std::string UnquotedLine(std::string_view line);

// The paths a dropped path list queues, in file order: every line, unquoted, that matches a
// drive letter, ":\" and one of the drawing patterns.
std::vector<std::string> PathListEntries(const std::vector<std::string>& lines, std::string_view drawingPattern);

}  // namespace queue

#pragma once

#include <string>
#include <string_view>

// The SAVEAS line of a drawing block: save the drawing in a chosen format, under a name
// with a prefix and a suffix, into its own folder or a chosen one.
namespace batch {

// The format of the line: the text of the format box, "" for "Don't Change" in any case.
std::string SaveAsFormat(std::string_view outFormat);

// The new file name: prefix, the drawing's base name, suffix and the last four characters
// of the path (its extension). A ".dxf" extension, in any case, becomes ".DWG", since the
// drawing is saved as a drawing; the rest of the name is kept as written.
std::string SaveAsName(std::string_view prefix, std::string_view path, std::string_view suffix);

// "_SAVEAS ", the format, a blank and the quoted target, with " Y" when AutoCAD will ask
// whether to replace an existing file.
std::string SaveAsLine(std::string_view format, std::string_view target, bool answerOverwrite);

}  // namespace batch

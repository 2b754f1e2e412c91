#pragma once

#include <string>
#include <string_view>
#include <vector>

// The pure parts of the saved drawing lists and of the electrical project prompt: list file
// names, the file list's pattern, the name check and the project file's entries.
namespace filetools {

// "Plant" -> "Plant.LST"; personal: "kim-Plant.LST". The extension is always added.
std::string SharedListFileName(std::string_view typed);
std::string PersonalListFileName(std::string_view user, std::string_view typed);

// The file list's pattern for the two check boxes (they exclude each other).
std::string FileListPattern(bool personalOnly, bool txtFiles, std::string_view user);

// False for a name that would leave the DATA folder or that Windows refuses: empty, holding
// \ / : * ? " < > | or a control character, "..", or a reserved device name (CON, NUL,
// COM1, ...), with or without an extension.
bool IsUsableFileName(std::string_view name);

// The message for a name that cannot be used, as the list window has always shown it.
std::string BadFileNameMessage();

// An electrical project file's drawings: every line that does not start with "*", "+" or "?"
// and is not empty, as projectFolder + "\" + line (one backslash, also at a drive root).
std::vector<std::string> ProjectDrawings(const std::vector<std::string>& lines, std::string_view projectFolder);

// The drawing names of the folder that no project line equals (whole line, letter case
// ignored), as projectFolder + "\" + name, in the given order.
std::vector<std::string> DrawingsNotInProject(const std::vector<std::string>& names,
                                              const std::vector<std::string>& lines, std::string_view projectFolder);

}  // namespace filetools

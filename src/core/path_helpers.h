#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

// Functions that take a Windows path apart. The text functions are pure: they never touch
// the file system, never change letter case and treat only "\" as a separator. Their exact
// results, edges included, become tag values and file names in the written batch script.
namespace core {

// The first two characters of path, whatever they are; nothing for an empty path.
std::optional<std::string> GetDriveLetter(std::string_view path);

// path up to and including its last "\"; "" when it has none.
std::string GetFolder(std::string_view path);

// The text after the last "\"; the whole path when it has none.
std::string GetFileName(std::string_view path);

// The file name less its last four characters (whatever they are); "" when the path has
// three characters or fewer or the name has fewer than four.
std::string GetBaseName(std::string_view path);
// The same as a view into path, for callers that run it per drawing.
std::string_view BaseNameView(std::string_view path);

// path up to and including the (n+1)-th "\" counted from the end; its first three
// characters when it has fewer. n = 32767 is error 6 (overflow).
std::string GetParentPath(std::string_view path, std::int16_t n);

// path up to and including the (n+1)-th "\" counted from the start; the whole path when it
// has fewer. n = 32767 is error 6 (overflow).
std::string GetRootPath(std::string_view path, std::int16_t n);

// From the character before the first ":" through the last "\" (a line of the batch script
// may hold text before its drive letter). "" when no colon stands before the last "\" or the
// colon is the first character.
std::string GetDriveFolder(std::string_view path);

// The root ("d:\") of the drive a drive box shows ("d: [DATA]"); "" for an empty box. Shell
// calls work in it, never in the box text with its volume label.
std::string DriveRoot(std::string_view driveText);

// Creates the folder named by path and every missing folder above it. Drives and the
// "\\server\share" of a network path are never created. Returns -1 when every folder exists
// or was created, after letting pending window messages run once (doEvents); 0 at the first
// failure, leaving what it created.
int MakeFolderTree(platform::FileSystem& fs, std::string_view path, const std::function<void()>& doEvents);

// The results of the Windows shell's path functions, computed without the shell.
// The last component ("/" and ":" separate too); a trailing "\" stays with the component.
std::string PathFileName(std::string_view path);
// path less its last component and that component's backslash; a root keeps its backslash.
std::string PathFolder(std::string_view path);
// The extension with its dot ("" when none): the last dot after the last "\" or blank.
std::string PathExtension(std::string_view path);

// folder followed by "\" unless it already ends with one (a drive root such as "C:\").
std::string FolderWithBackslash(std::string_view folder);
// folder and name joined with exactly one backslash.
std::string JoinPath(std::string_view folder, std::string_view name);
// A program path as a command line takes it: in double quotes when it holds a blank.
std::string QuoteProgramPath(std::string_view path);

// Whether a path is a network path, "\\server\share\...": it needs no drive letter.
bool IsNetworkPath(std::string_view path);

// Whether a file name names a device of Windows (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1-COM9,
// LPT1-LPT9 and the superscript forms of COM and LPT), in any letter case and with any extension
// or blanks after it ("con .txt"): such a name opens the device, never a file.
bool IsDeviceName(std::string_view name);

// 1 when path names an existing file or folder, 0 otherwise.
std::int16_t PathFileExists(platform::FileSystem& fs, const std::string& path);
// 16 (the folder attribute) when path names an existing folder, 0 otherwise.
std::int16_t PathIsFolder(platform::FileSystem& fs, const std::string& path);

}  // namespace core

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "ui/message_box.h"

namespace core {

// Directory search: the names (without folder) matching a name or wildcard pattern. With
// no attributes only plain files are found (read-only and archive files are plain);
// platform::kAttrDirectory adds folders, kAttrHidden and kAttrSystem add hidden and system
// entries. A pattern ending in "\" lists that folder; with the folder attribute an existing
// folder other than a drive root then yields "." and ".." first, as Windows lists them.
// Failures of the file system (a drive not ready, a bad name) propagate.
std::vector<std::string> DirSearchAll(platform::FileSystem& fs, std::string_view pattern, std::uint32_t attributes = 0);
// The first name DirSearchAll finds; "" when there is none.
std::string DirSearch(platform::FileSystem& fs, std::string_view pattern, std::uint32_t attributes = 0);

// -1 when path is not empty and a directory search finds a plain file (or, with isFolder,
// a folder or plain file); 0 otherwise and on any failure.
int FileOrFolderExists(platform::FileSystem& fs, std::string_view path, bool isFolder = false);

// 1 when the first plain file a directory search for fullPath finds is named fileName
// (letter case ignored); 0 otherwise. A failing search shows a message and gives 0.
int Path_Exists(platform::FileSystem& fs, ui::MessageService& messages, std::string_view fullPath,
                std::string_view fileName);

// The lock test: -1 when the file is missing or cannot be opened with every other program
// locked out (another program holds it, no permission), -2 when no file handle is free,
// 0 when it is available. Hidden and system files are tested like any other.
std::int16_t FileUnavailable(platform::FileSystem& fs, const std::string& path);
// The same test for a path whose attributes were just read, so a caller that needs them
// anyway (the read-only test) looks at the file once.
std::int16_t FileUnavailable(platform::FileSystem& fs, const std::string& path, std::uint32_t attributes);

// True when the last decimal digit of n is odd; false for 0.
bool IsOdd(std::int16_t n);
// True when the attribute value has the read-only bit set.
bool IsReadOnlyAttribute(std::uint32_t attributes);

// The names of all files matching pattern, hidden and system files included, folders never,
// in file-system order. One empty text when nothing matches or the search fails.
std::vector<std::string> ListDirectory(platform::FileSystem& fs, std::string_view pattern);

// The entries of a folder for a scan of its tree: a search of the folder (given with its
// closing backslash) and "*", every attribute included. None when the folder cannot be
// searched (missing, unreadable, or a path longer than a search takes), which ends that
// branch of a scan quietly.
std::vector<platform::DirEntry> TreeScanEntries(platform::FileSystem& fs, const std::string& folderWithBackslash);
// Whether a scan of a tree enters this entry: a folder that is no junction or link, since one
// leading up the tree would make a scan go round until its path grows too long.
bool EntersFolder(const platform::DirEntry& entry);

// The text before the first NUL character; the whole text when it has none.
std::string StripNulls(std::string_view text);

// A long text cut to its first 45 characters, "..." and its last 45 characters; a text of
// 93 characters or fewer comes back unchanged.
std::string ShortenPath(std::string_view text);

// The text between the first startMark and the next endMark after it, letter case ignored
// in both searches. "" when startMark is absent; when endMark is missing a message names the
// start mark and the result is "".
std::string GetTextBetween(ui::MessageService& messages, std::string_view text, std::string_view startMark,
                           std::string_view endMark);

}  // namespace core

#pragma once

#include <functional>
#include <string>
#include <string_view>

// The check of a written batch script for folders that do not exist: every line holding a
// drive path ("X:\...") names a folder, from the drive letter through its last "\".
namespace batch {

// The folder a line names; "" when the line holds no ":\" or no folder part can be taken
// from it (such a line is not tested).
std::string FolderToCheck(std::string_view line);

// Calls onLine with every line of text, split as a line reader splits it (CR LF, a lone CR
// or a lone LF), until onLine returns false.
void ForEachLine(std::string_view text, const std::function<bool(std::string_view line)>& onLine);

// The folder of the first line whose folder does not exist; "" when every one exists.
std::string FirstMissingFolder(std::string_view script, const std::function<bool(const std::string&)>& folderExists);

// Calls onMissing, in line order, for every line whose folder does not exist at the moment
// its line is reached, so a folder created for an earlier line is not reported again.
void ForEachMissingFolder(std::string_view script, const std::function<bool(const std::string&)>& folderExists,
                          const std::function<void(const std::string&)>& onMissing);

}  // namespace batch

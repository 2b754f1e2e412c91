#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "tags/tag_replacer.h"

// Project tags: "$PROJECTTAG1$".."$PROJECTTAG40$", valued by the first active project whose
// path pattern matches the drawing. The project files and their index lie in the DATA folder.
namespace tags {

inline constexpr int kProjectTagCount = 40;

// A project file: line 1 the path pattern, lines 2..41 the values of the project tags.
struct Project {
  std::string pattern;
  std::array<std::string, kProjectTagCount> values;
};

// The DATA folder of a program folder, with its trailing backslash.
std::string DataFolder(std::string_view programFolder);

// What a save into a DATA folder that is not there says.
inline constexpr const char* kMissingDataFolderMessage =
    "/DATA/ directory does not exist in the Tornavane directory...\r\n Please create it, and try saving again.";

// True when the drawing's path holds the pattern anywhere ("*" added at both ends), letter
// case ignored. A malformed pattern matches nothing.
bool ProjectMatches(std::string_view pattern, std::string_view drawingPath);

// Replaces the project tags in order with the project's values.
std::string ApplyProject(std::string_view text, const Project& project, TagReplacer& replacer);

// True when text holds any project tag. The replacer remembers the texts it has met.
bool HasProjectTag(std::string_view text, TagReplacer& replacer);

// The project file names the index lists, blank lines left out; none when the index is
// missing. Other failures throw runtime::Error.
std::vector<std::string> ReadProjectIndex(platform::FileSystem& fs, std::string_view programFolder);

// Reads a project file named in the index; lines the file lacks are "". False when the file
// is missing (or its name is not a valid one); other failures throw runtime::Error.
bool ReadProject(platform::FileSystem& fs, std::string_view programFolder, const std::string& fileName,
                 Project& project);

// The project pass over text for one drawing, with replacer's buffers.
std::string ApplyProjectTags(platform::FileSystem& fs, std::string_view programFolder, std::string_view text,
                             std::string_view drawingPath, TagReplacer& replacer);

}  // namespace tags

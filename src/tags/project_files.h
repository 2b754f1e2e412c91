#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "tags/project_tags.h"

// The files the project tag manager writes in the DATA folder: one project file per project
// (".PRJ" active, ".PRX" inactive) and the index "PTAGMAN.DAT" of the active ones.
namespace tags {

inline constexpr std::string_view kActiveExtension = ".PRJ";
inline constexpr std::string_view kInactiveExtension = ".PRX";

// The file a project name is saved under: the name as typed when it already ends in ".PRJ"
// or ".PRX" (any letter case), else the name and the extension of the shown tab.
std::string ProjectFileName(std::string_view name, bool activeTab);

// Whether a file name is an active project's (ends in ".PRJ", any letter case).
bool IsActiveProjectFile(std::string_view fileName);

// Whether a project name can name a file of the DATA folder: none of \ / : * ? " < > |, no
// control character and no "..", so the file cannot land outside the folder, and no device
// name such as "CON".
bool ProjectNameAllowed(std::string_view name);

// The project index's full path.
std::string ProjectIndexPath(std::string_view programFolder);

// Writes the pattern and the 40 values, 41 lines, through a temporary file so that a failure
// leaves the old file whole. Failures throw runtime::Error.
void WriteProject(platform::FileSystem& fs, const std::string& path, const Project& project);

// Reads a project file for editing: lines the file lacks come back empty. False when the file
// holds more than 41 lines (project then holds the first 41); an empty file is error 62.
bool ReadProjectForEdit(platform::FileSystem& fs, const std::string& path, Project& project);

// Writes the index, one file name a line in the given order, through a temporary file.
void WriteProjectIndex(platform::FileSystem& fs, std::string_view programFolder,
                       const std::vector<std::string>& fileNames);

}  // namespace tags

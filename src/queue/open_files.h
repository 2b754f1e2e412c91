#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/context.h"

namespace queue {

// A file of a folder: the folder, a backslash unless it already ends in one, the name.
std::string PathInFolder(std::string_view folder, std::string_view name);

// Opens each path with the program Windows associates with it, working in workingFolder.
// When resourceWarning is 1, after every limit of them (also after the last) asks whether to
// go on; No opens no more. A file the shell cannot open is passed over.
void OpenFilesWithLimit(ui::Context& ctx, const std::vector<std::string>& paths, const std::string& workingFolder,
                        std::int16_t resourceWarning, std::int16_t limit);

}  // namespace queue

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {
class App;
}

// The checks of a batch script just written: folders it names that do not exist, and
// project tags left in it unreplaced.
namespace batch {

// The number (counted from 1) of the first line holding "$PROJECTTAG" with a "$" after it,
// letter case ignored; none when no line does. Lines are counted without limit.
std::optional<std::int64_t> FirstUnreplacedProjectTagLine(std::string_view script);

// Sets BadFolderFound; when a folder named in the script is missing, asks whether to create
// them all and, on Yes, creates each, telling the user about a folder that cannot be made.
void CheckScriptFolders(app::App& app, std::string_view script);

// Warns when the script holds a project tag that was not replaced, naming its first line.
void CheckScriptProjectTags(app::App& app, std::string_view script);

}  // namespace batch

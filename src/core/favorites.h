#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "ui/context.h"
#include "ui/list_box.h"

// The favourite folders file "Favorites.dat" in the DATA folder: a line list shared by every
// user of the installation, shown in the favourites dialog's list.
namespace core {

// The file of a program path given with its trailing backslash.
std::string FavoritesPath(std::string_view programPath);

// Writes every entry of the list, first to last, one a line. The file is written beside the
// old one and moved over it, so a failure (a write-protected file, a missing DATA folder, a
// full disk) leaves the old file as it was; the failure is reported as for every data file
// (WriteDataFiles). Returns true when the file was written.
bool WriteFavorites(ui::Context& ctx, const std::string& programFolder, const std::string& path,
                    const ui::ListBox& list);

// Adds folder to the file unless the file lists it in any letter case, and writes the file
// again in the order the favourites dialog's sorted list would hold it: the locale's text
// order, equal texts in the file's order. For a dialog not loaded, so that adding a folder
// never creates its window. Returns as WriteFavorites does.
bool AddFavorite(ui::Context& ctx, const std::string& programFolder, const std::string& path,
                 const std::string& folder);

// Empties the list and adds every line of the file (a sorted list sorts them in). A missing or
// unreadable file leaves the list empty; nothing is shown.
void ReadFavorites(platform::FileSystem& fs, const std::string& path, ui::ListBox& list);

}  // namespace core

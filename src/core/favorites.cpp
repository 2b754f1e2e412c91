#include "core/favorites.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/data_files.h"
#include "core/text_file.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "ui/list_order.h"

namespace core {

std::string FavoritesPath(std::string_view programPath) {
  std::string path(programPath);
  path.append("DATA\\Favorites.dat");
  return path;
}

bool WriteFavorites(ui::Context& ctx, const std::string& programFolder, const std::string& path,
                    const ui::ListBox& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.ListCount(); ++i) entries.push_back(list.List(i));
  return WriteDataFiles(ctx, programFolder, {DataFile{path, LineListText(entries)}}, nullptr);
}

bool AddFavorite(ui::Context& ctx, const std::string& programFolder, const std::string& path,
                 const std::string& folder) {
  std::vector<std::string> lines;
  try {
    lines = ReadLineList(ctx.Services().fileSystem, path);
  } catch (const runtime::Error&) {
    lines.clear();
  }
  // The favourites dialog's list is sorted: the file gets the order the list would give it.
  runtime::BlankNuls(lines);
  const bool known = std::any_of(lines.begin(), lines.end(),
                                 [&](const std::string& line) { return runtime::EqualsNoCase(line, folder); });
  if (!folder.empty() && !known) lines.push_back(folder);
  ui::SortAsList(ctx.Services().locale, lines);
  return WriteDataFiles(ctx, programFolder, {DataFile{path, LineListText(lines)}}, nullptr);
}

void ReadFavorites(platform::FileSystem& fs, const std::string& path, ui::ListBox& list) {
  list.Clear();
  std::vector<std::string> entries;
  try {
    entries = ReadLineList(fs, path);
  } catch (const runtime::Error&) {
    return;
  }
  for (std::string& entry : entries) list.AddItem(std::move(entry));
}

}  // namespace core

#include "core/favorites.h"

#include <vector>

#include "core/data_files.h"
#include "core/text_file.h"
#include "runtime/error.h"

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

#include "core/favorites.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/data_files.h"
#include "core/text_file.h"
#include "runtime/error.h"
#include "runtime/text.h"

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

namespace {

// A favourite with its collation key, as a sorted list places it.
struct Keyed {
  std::string key;
  std::string text;
};

// Places text after the entries that sort before it or with it, as a sorted list does.
void InsertSorted(std::vector<Keyed>& entries, platform::Locale& locale, std::string text) {
  runtime::BlankNuls(text);
  Keyed entry{locale.CollationKey(text), std::move(text)};
  auto place = std::upper_bound(entries.begin(), entries.end(), entry,
                                [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
  entries.insert(place, std::move(entry));
}

}  // namespace

bool AddFavorite(ui::Context& ctx, const std::string& programFolder, const std::string& path,
                 const std::string& folder) {
  std::vector<std::string> lines;
  try {
    lines = ReadLineList(ctx.Services().fileSystem, path);
  } catch (const runtime::Error&) {
    lines.clear();
  }
  platform::Locale& locale = ctx.Services().locale;
  std::vector<Keyed> entries;
  for (std::string& line : lines) InsertSorted(entries, locale, std::move(line));
  const bool known = std::any_of(entries.begin(), entries.end(),
                                 [&](const Keyed& entry) { return runtime::EqualsNoCase(entry.text, folder); });
  if (!folder.empty() && !known) InsertSorted(entries, locale, folder);
  std::vector<std::string> texts;
  texts.reserve(entries.size());
  for (Keyed& entry : entries) texts.push_back(std::move(entry.text));
  return WriteDataFiles(ctx, programFolder, {DataFile{path, LineListText(texts)}}, nullptr);
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

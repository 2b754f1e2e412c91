#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The per-user files of the DATA folder that keep the user's work between runs: the working
// set (queue, user script, script name) and the five User Set snapshots (the same three and
// the browser's drive and folder). Names and bytes only; the main window reads and writes
// them through its controls.
namespace core {

inline constexpr std::string_view kQueueSuffix = "-list.tmp";  // line list
inline constexpr std::string_view kScriptSuffix = "-scr.tmp";  // text dump
inline constexpr std::string_view kNameSuffix = "-s.tmp";      // fixed record, one line
inline constexpr std::string_view kPathSuffix = "-path.tmp";   // fixed record, two lines
inline constexpr std::string_view kFavoritesFile = "Favorites.dat";

// The DATA folder of a program folder (given without its trailing backslash).
std::string DataFolder(std::string_view programFolder);
// user + suffix: "cad01-list.tmp".
std::string WorkingSetFileName(std::string_view user, std::string_view suffix);
// user + "-" + page + suffix: "cad01-3-list.tmp".
std::string SnapshotFileName(std::string_view user, std::int16_t page, std::string_view suffix);
// folder + "\" + name.
std::string InFolder(std::string_view folder, std::string_view name);

// One file to write: its full path and its exact bytes.
struct DataFile {
  std::string path;
  std::string bytes;
};

struct WorkingSet {
  std::vector<std::string> queue;
  std::string script;
  std::string name;
};

struct Snapshot {
  WorkingSet work;
  std::string drive;   // the drive box's text: "c: [label]"
  std::string folder;  // the folder list's path
};

// The three working-set files, in the order they are written.
std::vector<DataFile> WorkingSetFiles(std::string_view dataFolder, std::string_view user, const WorkingSet& set);
// The four snapshot files of a page, in the order they are written.
std::vector<DataFile> SnapshotFiles(std::string_view dataFolder, std::string_view user, std::int16_t page,
                                    const Snapshot& snapshot);

}  // namespace core

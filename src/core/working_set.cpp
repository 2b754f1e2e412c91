#include "core/working_set.h"

#include "core/text_file.h"

namespace core {

namespace {

std::string Dump(std::string_view text) {
  std::string bytes(text);
  bytes.append("\r\n");
  return bytes;
}

}  // namespace

std::string DataFolder(std::string_view programFolder) {
  return InFolder(programFolder, "DATA");
}

std::string WorkingSetFileName(std::string_view user, std::string_view suffix) {
  std::string name(user);
  name.append(suffix);
  return name;
}

std::string SnapshotFileName(std::string_view user, std::int16_t page, std::string_view suffix) {
  std::string name(user);
  name.append("-").append(std::to_string(page)).append(suffix);
  return name;
}

std::string InFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path.append("\\").append(name);
  return path;
}

std::vector<DataFile> WorkingSetFiles(std::string_view dataFolder, std::string_view user, const WorkingSet& set) {
  auto path = [&](std::string_view suffix) { return InFolder(dataFolder, WorkingSetFileName(user, suffix)); };
  return {
      {path(kQueueSuffix), LineListText(set.queue)},
      {path(kScriptSuffix), Dump(set.script)},
      {path(kNameSuffix), Dump(set.name)},
  };
}

std::vector<DataFile> SnapshotFiles(std::string_view dataFolder, std::string_view user, std::int16_t page,
                                    const Snapshot& snapshot) {
  auto path = [&](std::string_view suffix) { return InFolder(dataFolder, SnapshotFileName(user, page, suffix)); };
  return {
      {path(kQueueSuffix), LineListText(snapshot.work.queue)},
      {path(kScriptSuffix), Dump(snapshot.work.script)},
      {path(kNameSuffix), Dump(snapshot.work.name)},
      {path(kPathSuffix), LineListText({snapshot.drive, snapshot.folder})},
  };
}

}  // namespace core

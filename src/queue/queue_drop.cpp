#include "queue/queue_drop.h"

namespace queue {

DropKind ClassifyDrop(bool isFolder, std::string_view path, const runtime::WildcardPatternList& filter) {
  if (isFolder) return DropKind::kFolder;
  if (filter.Matches(path)) return DropKind::kDrawing;
  if (runtime::Like(path, "*.TXT")) return DropKind::kPathList;
  return DropKind::kIgnored;
}

std::string UnquotedLine(std::string_view line) {
  if (line.empty() || line.front() != '"' || line.back() != '"') return std::string(line);
  if (line.size() < 2) return {};
  return std::string(line.substr(1, line.size() - 2));
}

std::vector<std::string> PathListEntries(const std::vector<std::string>& lines, std::string_view drawingPattern) {
  const runtime::WildcardPatternList pattern(drawingPattern, "?:\\");
  std::vector<std::string> entries;
  for (const std::string& line : lines) {
    std::string path = UnquotedLine(line);
    if (pattern.Matches(path)) entries.push_back(std::move(path));
  }
  return entries;
}

}  // namespace queue

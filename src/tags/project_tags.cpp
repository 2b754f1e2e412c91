#include "tags/project_tags.h"

#include "core/text_file.h"
#include "runtime/error.h"
#include "runtime/text.h"
#include "runtime/wildcard.h"
#include "tags/tag_replacer.h"

namespace tags {

namespace {

constexpr std::string_view kIndexName = "PTAGMAN.DAT";

const TagVocabulary& ProjectVocabulary() {
  static const TagVocabulary vocabulary([] {
    std::vector<std::string> tags;
    for (int i = 1; i <= kProjectTagCount; ++i) tags.push_back("$PROJECTTAG" + std::to_string(i) + "$");
    return tags;
  }());
  return vocabulary;
}

// A file the index names but that is not there, or a name no file can have.
bool IsMissing(const runtime::Error& error) {
  return error.Number() == runtime::kFileNotFound || error.Number() == runtime::kPathNotFound ||
         error.Number() == runtime::kBadFileName;
}

}  // namespace

std::string DataFolder(std::string_view programFolder) {
  std::string folder(programFolder);
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder + "DATA\\";
}

bool ProjectMatches(std::string_view pattern, std::string_view drawingPath) {
  std::string anywhere = "*";
  anywhere += pattern;
  anywhere += '*';
  return runtime::Like(drawingPath, anywhere);
}

std::string ApplyProject(std::string_view text, const Project& project, TagReplacer& replacer) {
  return replacer.Run(ProjectVocabulary(), text,
                      [&project](std::size_t index) -> const std::string& { return project.values[index]; });
}

bool HasProjectTag(std::string_view text, TagReplacer& replacer) {
  return replacer.HoldsTag(ProjectVocabulary(), text);
}

std::vector<std::string> ReadProjectIndex(platform::FileSystem& fs, std::string_view programFolder) {
  std::vector<std::string> lines;
  try {
    lines = core::ReadLineList(fs, DataFolder(programFolder) + std::string(kIndexName));
  } catch (const runtime::Error& error) {
    if (!IsMissing(error)) throw;
    return {};
  }
  std::erase_if(lines, [](const std::string& line) { return runtime::Trim(line).empty(); });
  return lines;
}

bool ReadProject(platform::FileSystem& fs, std::string_view programFolder, const std::string& fileName,
                 Project& project) {
  std::vector<std::string> lines;
  try {
    lines = core::ReadFixedRecord(fs, DataFolder(programFolder) + fileName, 1 + kProjectTagCount);
  } catch (const runtime::Error& error) {
    if (!IsMissing(error)) throw;
    return false;
  }
  project.pattern = std::move(lines[0]);
  for (int i = 0; i < kProjectTagCount; ++i) project.values[i] = std::move(lines[i + 1]);
  return true;
}

// Projects are tried in index order. Once the text holds no project tag, later projects
// could change nothing, so their files are not read.
std::string ApplyProjectTags(platform::FileSystem& fs, std::string_view programFolder, std::string_view text,
                             std::string_view drawingPath, TagReplacer& replacer) {
  std::string result(text);
  if (!HasProjectTag(result, replacer)) return result;
  Project project;
  for (const std::string& fileName : ReadProjectIndex(fs, programFolder)) {
    if (!ReadProject(fs, programFolder, fileName, project)) continue;
    if (!ProjectMatches(project.pattern, drawingPath)) continue;
    result = ApplyProject(result, project, replacer);
    if (!HasProjectTag(result, replacer)) break;
  }
  return result;
}

}  // namespace tags

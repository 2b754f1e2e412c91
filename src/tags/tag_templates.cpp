#include "tags/tag_templates.h"

#include "core/text_file.h"

namespace tags {

namespace {

constexpr std::string_view kExtension = ".TAG";
constexpr std::string_view kForbiddenCharacters = "\\/:*?<>|";

}  // namespace

std::string TemplateFileName(std::string_view name) {
  std::string fileName(name);
  fileName.append(kExtension);
  return fileName;
}

void WriteTemplate(platform::FileSystem& fs, const std::string& path, const TemplateValues& values) {
  core::WriteFixedRecord(fs, path, std::vector<std::string>(values.begin(), values.end()), core::WriteMode::kSafe);
}

std::vector<std::string> ReadTemplate(platform::FileSystem& fs, const std::string& path) {
  std::vector<std::string> lines = core::ReadLineList(fs, path);
  if (lines.size() > kTemplateTagCount) lines.resize(kTemplateTagCount);
  return lines;
}

bool IsTemplateLocked(platform::FileSystem& fs, const std::string& path) {
  return (fs.GetAttributes(path) & platform::kAttrReadOnly) != 0;
}

void SetTemplateLocked(platform::FileSystem& fs, const std::string& path, bool locked) {
  std::uint32_t attributes = platform::kAttrNormal;
  if (locked) attributes = (fs.GetAttributes(path) & ~platform::kAttrDirectory) | platform::kAttrReadOnly;
  fs.SetAttributes(path, attributes);
}

TemplateNameFault CheckTemplateName(std::string_view name) {
  if (name.empty()) return TemplateNameFault::kEmpty;
  if (name.find_first_of(kForbiddenCharacters) != std::string_view::npos) {
    return TemplateNameFault::kForbiddenCharacter;
  }
  return TemplateNameFault::kNone;
}

}  // namespace tags

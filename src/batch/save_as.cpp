#include "batch/save_as.h"

#include "core/path_helpers.h"
#include "runtime/text.h"

namespace batch {

std::string SaveAsFormat(std::string_view outFormat) {
  if (runtime::EqualsNoCase(outFormat, "Don't Change")) return {};
  return std::string(outFormat);
}

std::string SaveAsName(std::string_view prefix, std::string_view path, std::string_view suffix) {
  std::string extension = runtime::Right(path, 4);
  if (runtime::EqualsNoCase(extension, ".dxf")) extension = ".DWG";
  std::string name(prefix);
  name += core::GetBaseName(path);
  name += suffix;
  name += extension;
  return name;
}

std::string SaveAsLine(std::string_view format, std::string_view target, bool answerOverwrite) {
  std::string line = "_SAVEAS ";
  line += format;
  line += " \"";
  line += target;
  line += '"';
  if (answerOverwrite) line += " Y";
  return line;
}

}  // namespace batch

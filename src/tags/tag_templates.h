#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

// Tag templates: named sets of the 50 static tag values, kept in the DATA folder as
// "<name>.TAG". A template is a fixed record of exactly 50 lines, line n holding the value of
// "$TAGn$", every line ended by CR LF; there is no header. A template whose file is read-only
// is locked.
namespace tags {

inline constexpr int kTemplateTagCount = 50;
using TemplateValues = std::array<std::string, kTemplateTagCount>;

// The file name of a template: the name as typed, then ".TAG".
std::string TemplateFileName(std::string_view name);

// Writes the 50 values. The file is written beside the target and then moved over it, so a
// failure leaves a template that was there before whole. Failures throw runtime::Error.
void WriteTemplate(platform::FileSystem& fs, const std::string& path, const TemplateValues& values);

// The values of a template, line by line, at most 50: a file with fewer lines gives fewer
// values, and lines after the 50th are ignored. Failures throw runtime::Error (53 when the
// file does not exist).
std::vector<std::string> ReadTemplate(platform::FileSystem& fs, const std::string& path);

// Whether the template's file is read-only; throws when it does not exist.
bool IsTemplateLocked(platform::FileSystem& fs, const std::string& path);
// Locking adds the read-only attribute; unlocking gives the file normal attributes.
void SetTemplateLocked(platform::FileSystem& fs, const std::string& path, bool locked);

enum class TemplateNameFault {
  kNone,
  kEmpty,
  kForbiddenCharacter,  // one of \ / : * ? < > |
};
TemplateNameFault CheckTemplateName(std::string_view name);

}  // namespace tags

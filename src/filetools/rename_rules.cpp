#include "filetools/rename_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/procedure_error.h"
#include "runtime/convert.h"
#include "runtime/error.h"
#include "runtime/text.h"

namespace filetools {

namespace {

constexpr const char* kNotANumber = "You must use number, not letters.";
constexpr const char* kStartOutOfRange = "The starting number must lie between -32768 and 32767.";
constexpr const char* kStringLengthError = "String Length Error.";
constexpr const char* kSameLength = "All filenames are the same length.\r\nThey don't need Padding.";

RulePreview Stopped(RulePreview preview, RenameNotice notice) {
  preview.notices.push_back(std::move(notice));
  preview.complete = false;
  return preview;
}

// Applies a rule that cannot fail to every name.
template <class Rule>
RulePreview MapNames(const std::vector<std::string>& names, Rule rule) {
  RulePreview preview;
  preview.names.reserve(names.size());
  for (const std::string& name : names) preview.names.push_back(rule(name));
  return preview;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

NameParts SplitAtLastDot(std::string_view name) {
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {std::string(name), "", false};
  return {std::string(name.substr(0, dot)), std::string(name.substr(dot)), true};
}

std::optional<std::string> StripFirstXChars(std::string_view text, int count) {
  if (count < 0 || static_cast<std::size_t>(count) > text.size()) return std::nullopt;
  return std::string(text.substr(static_cast<std::size_t>(count)));
}

std::string StripFirstXCharsMessage() {
  return core::ModuleErrorText(runtime::Error(runtime::kInvalidProcedureCall), "StripFirstXChars",
                               "modStringManipulation");
}

std::optional<double> ParseTypedNumber(std::string_view text, std::string_view decimalSeparator) {
  std::string trimmed = runtime::Trim(text);
  std::string plain;  // sign, digits and "." only, for strtod
  std::size_t at = 0;
  if (at < trimmed.size() && (trimmed[at] == '-' || trimmed[at] == '+')) plain += trimmed[at++];
  bool digits = false;
  bool point = false;
  while (at < trimmed.size()) {
    if (IsDigit(trimmed[at])) {
      plain += trimmed[at++];
      digits = true;
    } else if (!point && trimmed[at] == '.') {
      plain += trimmed[at++];
      point = true;
    } else if (!point && !decimalSeparator.empty() &&
               trimmed.compare(at, decimalSeparator.size(), decimalSeparator) == 0) {
      plain += '.';
      at += decimalSeparator.size();
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  double value = std::strtod(plain.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::string NumberText(double number, int digits) {
  double whole = std::round(number);
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%0*.0f", digits, std::fabs(whole));
  return whole < 0 ? "-" + std::string(buffer) : std::string(buffer);
}

RulePreview Renumber(const std::vector<std::string>& names, const RenumberInputs& in) {
  std::optional<double> start = ParseTypedNumber(in.startAt, in.decimalSeparator);
  std::optional<double> step = ParseTypedNumber(in.step, in.decimalSeparator);
  if (!start || !step) return Stopped({}, {kNotANumber, true});
  double first = runtime::RoundHalfEven(*start);
  if (first < std::numeric_limits<std::int16_t>::min() || first > std::numeric_limits<std::int16_t>::max()) {
    return Stopped({}, {kStartOutOfRange, true});
  }
  RulePreview preview;
  preview.names.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    NameParts parts = SplitAtLastDot(names[i]);
    std::string number = NumberText(first + *step * static_cast<double>(i), in.digits);
    if (!parts.hasDot || (!in.append && number.size() > parts.base.size())) {
      return Stopped(std::move(preview), {kStringLengthError, true});
    }
    std::string base =
        in.append ? parts.base + number : parts.base.substr(0, parts.base.size() - number.size()) + number;
    preview.names.push_back(base + parts.extension);
  }
  return preview;
}

RulePreview ReplaceFirst(const std::vector<std::string>& names, int count, const std::string& with) {
  RulePreview preview;
  preview.names.reserve(names.size());
  for (const std::string& name : names) {
    std::optional<std::string> rest = StripFirstXChars(name, count);
    if (!rest) preview.notices.push_back({StripFirstXCharsMessage(), false});
    preview.names.push_back(with + rest.value_or(""));
  }
  return preview;
}

RulePreview InsertAt(const std::vector<std::string>& names, int position, const std::string& text) {
  RulePreview preview;
  preview.names.reserve(names.size());
  for (const std::string& name : names) {
    if (position < 0 || static_cast<std::size_t>(position) > name.size()) {
      return Stopped(std::move(preview), {core::ProcedureErrorText(runtime::Error(runtime::kInvalidProcedureCall),
                                                                   "cmdInsertPreview_Click", "frmFileRenamer"),
                                          false});
    }
    auto at = static_cast<std::size_t>(position);
    preview.names.push_back(name.substr(0, at) + text + name.substr(at));
  }
  return preview;
}

RulePreview AppendToName(const std::vector<std::string>& names, const std::string& text) {
  return MapNames(names, [&](const std::string& name) {
    NameParts parts = SplitAtLastDot(name);
    return parts.base + text + parts.extension;
  });
}

RulePreview Pad(const std::vector<std::string>& names, const PadInputs& in) {
  if (names.empty()) return {};
  auto [shortest, longest] =
      std::minmax_element(names.begin(), names.end(), [](const auto& a, const auto& b) { return a.size() < b.size(); });
  if (shortest->size() == longest->size()) return Stopped({}, {kSameLength, true});
  std::size_t width = longest->size();
  return MapNames(names, [&](const std::string& name) {
    std::string pad;
    for (std::size_t n = name.size(); n < width; ++n) pad += in.padChar;
    if (in.fromStart) return pad + name;
    NameParts parts = SplitAtLastDot(name);
    return parts.base + pad + parts.extension;
  });
}

RulePreview ReplaceText(const std::vector<std::string>& names, const std::string& find, const std::string& with) {
  return MapNames(names, [&](const std::string& name) { return runtime::ReplaceAllNoCase(name, find, with); });
}

}  // namespace filetools

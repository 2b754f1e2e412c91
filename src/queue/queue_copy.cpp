#include "queue/queue_copy.h"

#include "core/path_helpers.h"

namespace queue {

namespace {

std::string_view Form(const std::string& entry, CopyForm form, std::string& scratch) {
  switch (form) {
    case CopyForm::kPath:
      return entry;
    case CopyForm::kFileName:
      scratch = core::GetFileName(entry);
      return scratch;
    case CopyForm::kBaseName:
      return core::BaseNameView(entry);
  }
  return entry;
}

}  // namespace

CopyText BuildCopyText(const std::vector<std::string>& entries, const std::vector<bool>& selected, bool onlySelected,
                       CopyForm form, CopyJoin join) {
  CopyText result;
  std::string scratch;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (onlySelected && !(i < selected.size() && selected[i])) continue;
    if (result.count > 0 && join == CopyJoin::kLinesBetween) result.text += "\r\n";
    if (result.count > 0 && join == CopyJoin::kComma) result.text += ", ";
    result.text += Form(entries[i], form, scratch);
    if (join == CopyJoin::kLineAfterEach) result.text += "\r\n";
    ++result.count;
  }
  return result;
}

}  // namespace queue

#include "tags/tag_pick_lists.h"

#include "tags/dynamic_tags.h"

namespace tags {

namespace {

// The lists name the parent and root paths to this level, and the drive itself.
constexpr int kListedLevels = 3;
// The parent path level "$FILEDRIVE$" asks for: above every folder, so the drive.
constexpr int kDriveLevel = 99;

enum class Group { kUnlisted, kDate, kDrawing, kNeighbour, kRun };

Group GroupOf(const TagStep& step) {
  switch (step.kind) {
    case TagKind::kDateText:
      return Group::kDate;
    case TagKind::kFileName:
    case TagKind::kFilePath:
    case TagKind::kFirstFileChars:
    case TagKind::kSheet:
      return Group::kDrawing;
    case TagKind::kParentPath:
      return step.arg <= kListedLevels || step.arg == kDriveLevel ? Group::kDrawing : Group::kUnlisted;
    case TagKind::kRootPath:
      return step.arg <= kListedLevels ? Group::kDrawing : Group::kUnlisted;
    case TagKind::kFileNamePrev:
    case TagKind::kFileNameNext:
    case TagKind::kSheetPrev:
    case TagKind::kSheetNext:
      return Group::kNeighbour;
    case TagKind::kCounter:
    case TagKind::kFileCount:
    case TagKind::kTorPath:
    case TagKind::kUser:
    case TagKind::kComputer:
      return Group::kRun;
    case TagKind::kStatic:
      return Group::kUnlisted;
  }
  return Group::kUnlisted;
}

void AppendWhere(std::vector<std::string>& tags, bool (*wanted)(const TagStep&)) {
  for (const TagStep& step : SubstitutionSteps()) {
    if (wanted(step)) tags.push_back(step.tag);
  }
}

}  // namespace

std::vector<std::string> PickListTags(PickList list) {
  std::vector<std::string> tags;
  AppendWhere(tags, [](const TagStep& s) { return s.kind == TagKind::kDateText && s.arg == kLongDate; });
  AppendWhere(tags, [](const TagStep& s) { return GroupOf(s) == Group::kDate && s.arg != kLongDate; });
  if (list == PickList::kScriptEditor) {
    AppendWhere(tags,
                [](const TagStep& s) { return GroupOf(s) == Group::kDrawing || GroupOf(s) == Group::kNeighbour; });
  } else {
    AppendWhere(tags, [](const TagStep& s) { return GroupOf(s) == Group::kDrawing; });
  }
  AppendWhere(tags, [](const TagStep& s) { return GroupOf(s) == Group::kRun; });
  if (list == PickList::kWizards) AppendWhere(tags, [](const TagStep& s) { return s.kind == TagKind::kStatic; });
  return tags;
}

std::vector<std::string> StaticTags() {
  std::vector<std::string> tags;
  AppendWhere(tags, [](const TagStep& s) { return s.kind == TagKind::kStatic; });
  return tags;
}

}  // namespace tags

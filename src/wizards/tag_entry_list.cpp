#include "wizards/tag_entry_list.h"

#include <utility>

#include "tags/tag_pick_lists.h"

namespace wizards {

namespace {

std::vector<std::string> MakeList() {
  std::vector<std::string> entries = {""};
  for (std::string& tag : tags::PickListTags(tags::PickList::kWizards)) entries.push_back(std::move(tag));
  return entries;
}

}  // namespace

const std::vector<std::string>& TagEntryList() {
  static const std::vector<std::string> entries = MakeList();
  return entries;
}

void AddTagEntries(ui::ComboBox& box) {
  for (const std::string& entry : TagEntryList()) box.AddItem(entry);
}

}  // namespace wizards

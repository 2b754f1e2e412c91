#pragma once

#include <string>
#include <vector>

// The tags the pick lists offer, read from the substitution steps, so a list never names a tag
// the engine does not replace.
namespace tags {

enum class PickList {
  // The script editor's dynamic tags: the date and time texts (the long date first), the
  // drawing's tags with those of the queue entries before and after, then the run's tags.
  kScriptEditor,
  // The wizards' value boxes: the same less the tags of the entries before and after, then
  // "$TAG1$" to "$TAG50$".
  kWizards,
};

std::vector<std::string> PickListTags(PickList list);

// "$TAG1$" to "$TAG50$".
std::vector<std::string> StaticTags();

}  // namespace tags

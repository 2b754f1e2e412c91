#pragma once

#include <string>
#include <vector>

#include "ui/combo_box.h"

// The list the wizards' value boxes offer: the empty entry, the dynamic tags and "$TAG1$" to
// "$TAG50$". Picking an entry replaces the box's whole text with it.
namespace wizards {

// The 80 entries in the order the boxes list them.
const std::vector<std::string>& TagEntryList();

// Appends the 80 entries to a box's list.
void AddTagEntries(ui::ComboBox& box);

}  // namespace wizards

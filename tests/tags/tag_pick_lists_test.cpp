#include "tags/tag_pick_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tags {
namespace {

std::vector<std::string> Numbered(const std::string& prefix, int count) {
  std::vector<std::string> tags;
  for (int n = 1; n <= count; ++n) tags.push_back("$" + prefix + std::to_string(n) + "$");
  return tags;
}

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The lists as the drafter sees them: dates (the long date first), the drawing's tags to three
// folder levels, then the run's; the wizards leave out the neighbouring entries' tags and add
// the static tags.
TEST(TagPickListsTest, ListTheEngineTagsInTheirPickOrder) {
  const std::vector<std::string> dates = {"$DATE$", "$MM/DD/YY$", "$DD/MM/YY$", "$YY/MM/DD$", "$YYYY$",
                                          "$YY$",   "$MM$",       "$MM-1$",     "$MM-2$",     "$MM-3$",
                                          "$DD$",   "$TIME_12$",  "$TIME_24$"};
  const std::vector<std::string> run = {"$COUNTER$", "$FILECOUNTINQUEUE$", "$TOR_PATH$", "$USER$", "$COMPUTER$"};
  const std::vector<std::string> editorDrawing = {
      "$FILENAME$",    "$FILENAME-PREV$",  "$FILENAME-NEXT$", "$FILEPATH$",    "$FILEPATH-1$",
      "$FILEPATH-2$",  "$FILEPATH-3$",     "$FILEDRIVE$",     "$FILEDRIVE+1$", "$FILEDRIVE+2$",
      "$FILEDRIVE+3$", "$FIRSTFILECHARS$", "$SHEET$",         "$SHEET-PREV$",  "$SHEET-NEXT$"};
  const std::vector<std::string> wizardDrawing = {"$FILENAME$",    "$FILEPATH$",       "$FILEPATH-1$",  "$FILEPATH-2$",
                                                  "$FILEPATH-3$",  "$FILEDRIVE$",      "$FILEDRIVE+1$", "$FILEDRIVE+2$",
                                                  "$FILEDRIVE+3$", "$FIRSTFILECHARS$", "$SHEET$"};

  EXPECT_EQ(PickListTags(PickList::kScriptEditor), Joined(Joined(dates, editorDrawing), run));
  EXPECT_EQ(PickListTags(PickList::kWizards), Joined(Joined(Joined(dates, wizardDrawing), run), Numbered("TAG", 50)));
  EXPECT_EQ(StaticTags(), Numbered("TAG", 50));
}

}  // namespace
}  // namespace tags

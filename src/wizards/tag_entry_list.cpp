#include "wizards/tag_entry_list.h"

namespace wizards {

namespace {

constexpr int kStaticTagCount = 50;

std::vector<std::string> MakeList() {
  std::vector<std::string> entries = {"",
                                      "$DATE$",
                                      "$MM/DD/YY$",
                                      "$DD/MM/YY$",
                                      "$YY/MM/DD$",
                                      "$YYYY$",
                                      "$YY$",
                                      "$MM$",
                                      "$MM-1$",
                                      "$MM-2$",
                                      "$MM-3$",
                                      "$DD$",
                                      "$TIME_12$",
                                      "$TIME_24$",
                                      "$FILENAME$",
                                      "$FILEPATH$",
                                      "$FILEPATH-1$",
                                      "$FILEPATH-2$",
                                      "$FILEPATH-3$",
                                      "$FILEDRIVE$",
                                      "$FILEDRIVE+1$",
                                      "$FILEDRIVE+2$",
                                      "$FILEDRIVE+3$",
                                      "$FIRSTFILECHARS$",
                                      "$SHEET$",
                                      "$COUNTER$",
                                      "$FILECOUNTINQUEUE$",
                                      "$TOR_PATH$",
                                      "$USER$",
                                      "$COMPUTER$"};
  for (int n = 1; n <= kStaticTagCount; ++n) entries.push_back("$TAG" + std::to_string(n) + "$");
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

#include "ui/text_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/text.h"

namespace {

std::vector<std::string> Texts(const ui::TextList& list) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < list.size(); ++i) texts.emplace_back(list[i]);
  return texts;
}

ui::TextList Of(const std::vector<std::string>& texts) {
  ui::TextList list;
  for (const std::string& text : texts) list.push_back(text);
  return list;
}

// Each edit leaves every text, before and after the edited one, as it was: the ends of the
// texts that follow move with the characters.
TEST(TextListTest, EditsKeepEveryOtherText) {
  struct Case {
    const char* name;
    std::vector<std::string> start;
    std::function<void(ui::TextList&)> edit;
    std::vector<std::string> expected;
  };
  const std::vector<Case> cases = {
      {"append to empty", {}, [](ui::TextList& l) { l.push_back("C:\\A.dwg"); }, {"C:\\A.dwg"}},
      {"append empty text", {"a"}, [](ui::TextList& l) { l.push_back(""); }, {"a", ""}},
      {"insert first", {"bb", "ccc"}, [](ui::TextList& l) { l.insert(0, "a"); }, {"a", "bb", "ccc"}},
      {"insert middle", {"a", "ccc"}, [](ui::TextList& l) { l.insert(1, "bb"); }, {"a", "bb", "ccc"}},
      {"insert at end", {"a", "bb"}, [](ui::TextList& l) { l.insert(2, "ccc"); }, {"a", "bb", "ccc"}},
      {"insert empty middle", {"a", "bb"}, [](ui::TextList& l) { l.insert(1, ""); }, {"a", "", "bb"}},
      {"erase first", {"a", "bb", "ccc"}, [](ui::TextList& l) { l.erase(0); }, {"bb", "ccc"}},
      {"erase middle", {"a", "bb", "ccc"}, [](ui::TextList& l) { l.erase(1); }, {"a", "ccc"}},
      {"erase last", {"a", "bb", "ccc"}, [](ui::TextList& l) { l.erase(2); }, {"a", "bb"}},
      {"replace longer", {"a", "bb", "ccc"}, [](ui::TextList& l) { l.replace(0, "xxxx"); }, {"xxxx", "bb", "ccc"}},
      {"replace shorter", {"a", "bb", "ccc"}, [](ui::TextList& l) { l.replace(1, ""); }, {"a", "", "ccc"}},
      {"replace last", {"a", "bb"}, [](ui::TextList& l) { l.replace(1, "yyy"); }, {"a", "yyy"}},
      {"erase flagged",
       {"a", "bb", "ccc", "dddd"},
       [](ui::TextList& l) {
         l.erase_flagged({true, false, true, false});
       },
       {"bb", "dddd"}},
      {"flags past the end keep",
       {"a", "bb", "ccc"},
       [](ui::TextList& l) {
         l.erase_flagged({false, true});
       },
       {"a", "ccc"}},
      {"erase all flagged",
       {"a", "bb"},
       [](ui::TextList& l) {
         l.erase_flagged({true, true});
       },
       {}},
      {"clear", {"a", "bb"}, [](ui::TextList& l) { l.clear(); }, {}},
      {"append a list",
       {"a", "bb"},
       [](ui::TextList& l) {
         l.append(Of({"c", "", "dd"}));
       },
       {"a", "bb", "c", "", "dd"}},
      {"append to an empty list",
       {},
       [](ui::TextList& l) {
         l.append(Of({"c", ""}));
       },
       {"c", ""}},
      {"blank NULs", {"a", std::string("b\0c\0", 4)}, [](ui::TextList& l) { l.BlankNuls(); }, {"a", "b c "}},
      {"append after clear",
       {"a", "bb"},
       [](ui::TextList& l) {
         l.clear();
         l.push_back("c");
       },
       {"c"}},
  };
  for (const Case& c : cases) {
    ui::TextList list = Of(c.start);
    c.edit(list);
    EXPECT_EQ(Texts(list), c.expected) << c.name;
    EXPECT_EQ(list.empty(), c.expected.empty()) << c.name;
  }
}

// A text becomes the lines runtime::SplitLines makes of it, whatever ends them.
TEST(TextListTest, FromLinesSplitsAsTheLineSplitterDoes) {
  const std::vector<std::string> texts = {
      "",
      "C:\\A.dwg",
      "C:\\A.dwg\r\n",
      "\r\n",
      "\n\r",
      "\r\r\n\n",
      "a\r\nb",
      "a\rb\nc\r\n\r\nd\r",
      std::string("a\0b\r\n\0", 7),
      "\r",
  };
  for (const std::string& text : texts) {
    EXPECT_EQ(Texts(ui::TextList::FromLines(text)), runtime::SplitLines(text)) << "[" << text << "]";
  }
  ui::TextList list = ui::TextList::FromLines("a\r\nbb\n");
  list.push_back("ccc");
  list.erase(0);
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"bb", "ccc"})) << "the lines take edits like any list";
}

// Texts that grow the block many times over, with reserved room and without.
TEST(TextListTest, ManyAppendsKeepTheirTexts) {
  for (bool reserve : {false, true}) {
    ui::TextList list;
    std::vector<std::string> expected;
    if (reserve) list.reserve_more(1000, 10000);
    for (int i = 0; i < 1000; ++i) {
      expected.push_back("C:\\drawings\\D" + std::to_string(i) + ".dwg");
      list.push_back(expected.back());
    }
    EXPECT_EQ(Texts(list), expected) << (reserve ? "reserved" : "grown");
  }
}

}  // namespace

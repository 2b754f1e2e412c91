// A text split once into runs and tags must substitute exactly as the engine does with the
// text itself, for every drawing, whatever changed between the drawings.

#include "tags/text_template.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tag_fixture.h"
#include "tags/tag_engine.h"

namespace tags {
namespace {

constexpr std::size_t kNone = TagVocabulary::kNone;
using Pieces = std::vector<TextTemplate::Piece>;

TEST(TextTemplateTest, SplitsATextIntoRunsAndTags) {
  const TagVocabulary vocabulary({"$A$", "$BB$", "$C$"});
  struct Case {
    std::string text;
    Pieces pieces;
  };
  const std::vector<Case> cases = {
      {"", {{"", kNone}}},
      {"no tags", {{"no tags", kNone}}},
      {"$A$", {{"", 0}, {"", kNone}}},
      {"x $bb$ y $C$$A$ z", {{"x ", 1}, {" y ", 2}, {"", 0}, {" z", kNone}}},
      {"$$A$$", {{"$", 0}, {"$", kNone}}},
      {"$ $D$ $A", {{"$ $D$ $A", kNone}}},
      {"$A$$", {{"", 0}, {"$", kNone}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TextTemplate text(vocabulary, c.text);
    EXPECT_EQ(text.Pieces(), c.pieces);
    EXPECT_EQ(text.HoldsDollar(), c.text.find('$') != std::string::npos);
  }
}

// Texts of every length the join copies in its own way: none, under 4, under 8, up to 16, more.
const std::vector<std::string_view> kAround = {
    "", "\"", "\r\n", "_OPEN\r\n\"", "C:\\DWG\\A-1.dwg", "\"\r\n; << START OF USER SCRIPT >>\r\n"};

// Joining the runs and the values in one pass gives the replacer's result, for texts whose
// tags stand apart and values without "$", with the texts around it in place.
TEST(TextTemplateTest, AJoinGivesTheReplacersResult) {
  const TagVocabulary vocabulary({"$A$", "$TAG1$", "$TAG2$", "$B$"});
  const std::vector<std::string> pieces = {"$", "A", "TAG", "1", "2", "B", "$TAG2$", "$a$", " ", "long filler "};
  std::mt19937 random(20261211);
  auto text = [&](int length) {
    std::string result;
    for (int i = 0; i < length; ++i) result += pieces[random() % pieces.size()];
    return result;
  };
  int joined = 0;
  for (int round = 0; round < 3000; ++round) {
    const TextTemplate input(vocabulary, text(static_cast<int>(random() % 12)));
    if (!input.Layout().standApart) continue;
    const std::vector<std::string> owned = {"one", "", "x", "a longer value"};
    TagValues values;
    for (std::size_t i = 0; i < owned.size(); ++i) values[i] = owned[random() % owned.size()];
    const std::string expected =
        ReplaceInOrder(input.Text(), vocabulary, [&](std::size_t index) { return values[index]; });
    auto any = [&] { return kAround[random() % kAround.size()]; };
    const TextsAround around{.lead = any(), .path = any(), .head = any(), .tail = any()};
    std::string out = "kept ";
    AppendJoined(out, input.Layout(), input.Text(), values, around);
    std::string before;
    around.AppendBefore(before);
    ASSERT_EQ(out, "kept " + before + expected + std::string(around.tail)) << "text " << input.Text();
    ++joined;
  }
  EXPECT_GT(joined, 1000);
}

// One prepared text serves every drawing, with the settings, the clock, the values and the
// texts around it changing between drawings; each result is the engine's for the text itself,
// with the texts around. A drawing whose settings, queue and texts around are those of the
// one before is settled, as a build passes it.
TEST_F(TagEngineTest, APreparedTextGivesTheEngineResultForEveryDrawing) {
  const std::vector<std::string> scripts = {
      "",
      "no tags",
      "$FILENAME$",
      "_.ZOOM _E\r\n-ATTEDIT N N TITLE DWGNO * $FILENAME$ $filename$\r\n$SHEET$ $MM/DD/YY$ $TAG1$\r\n(princ)",
      "$TAG1$ $TAG2$ $TIME_24$ $COUNTER$ $USER$ $COMPUTER$ $FILECOUNTINQUEUE$ $TOR_PATH$",
      "$$FILENAME$$ $ $NOTATAG$ $$",
      "$TA$TAG1$G2$",
      "$TAG1$$TAG1$$FILENAME-PREV$|$FILENAME-NEXT$|$SHEET-NEXT$",
      "$PROJECTTAG1$ $DATE$",
      // Tags that stand apart, joined in one pass while no value holds a "$", most of them
      // with values that stay the same from one drawing to the next.
      "-ATTEDIT N N TITLE DWGNO * $FILENAME$\r\n-ATTEDIT N N TITLE DATE * 1 $MM/DD/YY$\r\n"
      "-ATTEDIT N N TITLE CLIENT * 1 $TAG1$\r\n-ATTEDIT N N TITLE TIME * 1 $TIME_24$\r\n"
      "-ATTEDIT N N TITLE COUNT * 1 $FILECOUNTINQUEUE$\r\n-ATTEDIT N N TITLE PATH * 1 $TOR_PATH$\r\n"
      "-ATTEDIT N N TITLE NEXT * 1 $TAG2$\r\n(princ)",
  };
  queue = {"C:\\Jobs\\A12\\Sheets\\A12-100.dwg", kDrawing, "C:\\Jobs\\A12\\Sheets\\A12-102.dwg"};
  system.userName = "drafter";
  struct Drawing {
    std::string TAG1;
    std::string TAG2;
    runtime::DateTime now;
    std::string path;
  };
  const std::vector<Drawing> drawings = {
      {"GADGETS && CO.", "two", {2026, 12, 10, 13, 5, 9}, kDrawing},
      {"GADGETS && CO.", "two", {2026, 12, 10, 13, 5, 9}, "C:\\Jobs\\B\\B-7.dwg"},
      {"GADGETS && CO.", "two", {2026, 12, 10, 13, 5, 10}, "C:\\Jobs\\B\\B-9.dwg"},  // settled, a new second
      {"changed", "two", {2026, 12, 10, 13, 5, 10}, kDrawing},
      {"$TAG2$", "nested", {2026, 12, 10, 13, 5, 10}, kDrawing},
      {"$FILENAME$", "", {2026, 12, 11, 0, 0, 0}, "C:\\x\\$TAG2$.dwg"},
      {"", "$", {2026, 12, 11, 0, 0, 0}, kDrawing},
      {"back", "two", {2026, 12, 11, 0, 0, 0}, kDrawing},
      {"back", "two", {2026, 12, 11, 0, 0, 0}, "C:\\Jobs\\B\\B-8.dwg"},  // and the queue grows
  };
  // The texts around: kept under one key for the first drawings, then others under another,
  // then none kept.
  auto around = [](std::size_t drawing, std::string_view path) {
    if (drawing < 4) return TextsAround{.lead = "L1 ", .path = path, .head = " H1\r\n", .tail = "\r\nT1", .key = 71};
    if (drawing < 7) return TextsAround{.lead = "", .path = path, .head = "; head two\r\n", .tail = "", .key = 72};
    return TextsAround{.lead = "L3 ", .path = path, .head = " H3\r\n", .tail = "\r\nT3"};
  };
  for (const std::string& script : scripts) {
    SCOPED_TRACE(script);
    PreparedTAGS prepared(script);
    queue.resize(3);
    for (std::size_t i = 0; i < drawings.size(); ++i) {
      SCOPED_TRACE(i);
      const Drawing& drawing = drawings[i];
      if (i + 1 == drawings.size()) queue.push_back("C:\\Jobs\\A12\\Sheets\\A12-103.dwg");
      settings.TAG[0] = drawing.TAG1;
      settings.TAG[1] = drawing.TAG2;
      clock.Set(drawing.now);
      const auto counter = static_cast<std::int32_t>(i + 3);
      const std::string expected = SubstituteTAGS(sources, script, counter, drawing.path, 2);
      settings.TodayTime_24 = "cleared";
      TextsAround texts = around(i, drawing.path);
      texts.settled = i > 0 && drawing.TAG1 == drawings[i - 1].TAG1 && drawing.TAG2 == drawings[i - 1].TAG2 &&
                      texts.key != 0 && texts.key == around(i - 1, "").key && i + 1 != drawings.size();
      std::string out = "kept ";
      SubstituteTAGSInto(out, sources, prepared, counter, drawing.path, 2, texts);
      std::string before;
      texts.AppendBefore(before);
      EXPECT_EQ(out, "kept " + before + expected + std::string(texts.tail));
      EXPECT_NE(settings.TodayTime_24, "cleared");
    }
  }
}

}  // namespace
}  // namespace tags
